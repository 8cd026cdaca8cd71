#include "support/FakeEventSource.h"

#include "host/LoadCompletion.h"

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
        m_subscribers.add(subscriber, answer);
    }
    m_log.push_back("AddSubscriber -> " + std::to_string(answer));
    cookie = answer;
}

void FakeEventSource::RemoveSubscriber(int32_t cookie) {
    const std::string call = "RemoveSubscriber(" + std::to_string(cookie) + ")";
    const std::vector<int32_t> held = m_subscribers.cookies();
    try {
        m_ledger->enter(m_name + ".RemoveSubscriber");
        if (std::find(held.begin(), held.end(), cookie) == held.end()) {
            kv380::raise(err::InvalidProcedureCall);
        }
    } catch (...) {
        m_log.push_back(call + " failed");
        throw;
    }
    m_subscribers.remove(cookie);
    m_log.push_back(call);
}

void FakeEventSource::raise(int32_t eventType, const VariantArray& args) {
    m_subscribers.deliver(eventType, args);
}

void FakeEventSource::requestLoadCompletion(std::string what) {
    completeLoadLater(
        [&](std::function<void()> task) { m_ledger->requestLoad(std::move(what), std::move(task)); },
        weak_from_this(), [this] { raise(1); });
}

} // namespace kv380::test
