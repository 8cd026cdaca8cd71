#include "host/EventSubscribers.h"

#include "platform/AutomationError.h"

#include <algorithm>
#include <exception>

namespace kv380 {

int32_t EventSubscribers::add(IKVEventSubscriber* subscriber) {
    const int32_t cookie = m_nextCookie;
    add(subscriber, cookie);
    ++m_nextCookie;
    return cookie;
}

void EventSubscribers::add(IKVEventSubscriber* subscriber, int32_t cookie) {
    if (subscriber == nullptr) {
        raise(err::ObjectNotSet);
    }
    m_entries.push_back({cookie, subscriber, m_nextSerial++});
}

bool EventSubscribers::remove(int32_t cookie) {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const Entry& entry) { return entry.cookie == cookie; });
    if (it == m_entries.end()) {
        return false;
    }
    m_entries.erase(it);
    return true;
}

bool EventSubscribers::stillRegistered(std::uint64_t serial) const {
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&](const Entry& entry) { return entry.serial == serial; });
}

void EventSubscribers::deliver(int32_t eventType, const VariantArray& args) {
    const std::vector<Entry> snapshot = m_entries;
    std::exception_ptr first;
    for (const Entry& entry : snapshot) {
        // A subscriber removed by an earlier handler may be gone already: never call it.
        if (!stillRegistered(entry.serial)) {
            continue;
        }
        try {
            entry.subscriber->OnEvent(eventType, args);
        } catch (...) {
            if (!first) {
                first = std::current_exception();
            }
        }
    }
    if (first) {
        std::rethrow_exception(first);
    }
}

std::vector<int32_t> EventSubscribers::cookies() const {
    std::vector<int32_t> out;
    out.reserve(m_entries.size());
    for (const Entry& entry : m_entries) {
        out.push_back(entry.cookie);
    }
    return out;
}

bool EventSubscribers::contains(const IKVEventSubscriber* subscriber) const {
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&](const Entry& entry) { return entry.subscriber == subscriber; });
}

} // namespace kv380
