#include "support/FakeEventSource.h"

#include <algorithm>

namespace kv380::test {

FakeEventSource::FakeEventSource(std::shared_ptr<FakeHostLedger> ledger, std::string name)
    : m_ledger(std::move(ledger)), m_name(std::move(name)) {}

void FakeEventSource::AddSubscriber(IKVEventSubscriber* subscriber, int32_t& cookie) {
    try {
        m_ledger->enter(m_name + ".AddSubscriber");
        if (!subscriber) {
            kv380::raise(err::ObjectNotSet);
        }
    } catch (...) {
        m_log.push_back("AddSubscriber failed");
        throw;
    }
    int32_t answer = 0;
    if (!m_scriptedCookies.empty()) {
        answer = m_scriptedCookies.front();
        m_scriptedCookies.pop_front();
    } else {
        answer = m_ledger->nextCookie();
    }
    if (answer != -1) {
        m_subscribers.emplace_back(answer, subscriber);
    }
    m_log.push_back("AddSubscriber -> " + std::to_string(answer));
    cookie = answer;
}

void FakeEventSource::RemoveSubscriber(int32_t cookie) {
    const std::string call = "RemoveSubscriber(" + std::to_string(cookie) + ")";
    auto it = std::find_if(m_subscribers.begin(), m_subscribers.end(),
                           [&](const auto& entry) { return entry.first == cookie; });
    try {
        m_ledger->enter(m_name + ".RemoveSubscriber");
        if (it == m_subscribers.end()) {
            kv380::raise(err::InvalidProcedureCall);
        }
    } catch (...) {
        m_log.push_back(call + " failed");
        throw;
    }
    m_subscribers.erase(it);
    m_log.push_back(call);
}

void FakeEventSource::raise(int32_t eventType, const VariantArray& args) {
    const auto snapshot = m_subscribers;
    for (const auto& entry : snapshot) {
        if (std::find(m_subscribers.begin(), m_subscribers.end(), entry) == m_subscribers.end()) {
            continue; // removed by an earlier handler of this event: it may be gone
        }
        entry.second->OnEvent(eventType, args);
    }
}

void FakeEventSource::requestLoadCompletion(std::string what) {
    m_ledger->requestLoad(std::move(what), [self = weak_from_this()] {
        if (auto source = self.lock()) {
            source->raise(1);
        }
    });
}

std::vector<int32_t> FakeEventSource::cookies() const {
    std::vector<int32_t> out;
    for (const auto& entry : m_subscribers) {
        out.push_back(entry.first);
    }
    return out;
}

bool FakeEventSource::isSubscribed(const IKVEventSubscriber* subscriber) const {
    return std::any_of(m_subscribers.begin(), m_subscribers.end(),
                       [&](const auto& entry) { return entry.second == subscriber; });
}

} // namespace kv380::test
