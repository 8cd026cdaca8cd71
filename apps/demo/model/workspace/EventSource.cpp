#include "model/workspace/EventSource.h"

#include "platform/AutomationError.h"

#include <algorithm>
#include <exception>

namespace kv380::demo {

void EventSource::AddSubscriber(IKVEventSubscriber* subscriber, int32_t& cookie) {
    if (!subscriber) {
        kv380::raise(err::ObjectNotSet);
    }
    m_subscribers.emplace_back(m_nextCookie, subscriber);
    cookie = m_nextCookie++;
}

void EventSource::RemoveSubscriber(int32_t cookie) {
    auto it = std::find_if(m_subscribers.begin(), m_subscribers.end(),
                           [&](const auto& entry) { return entry.first == cookie; });
    if (it == m_subscribers.end()) {
        kv380::raise(err::InvalidProcedureCall);
    }
    m_subscribers.erase(it);
}

bool EventSource::holds(int32_t cookie) const {
    return std::any_of(m_subscribers.begin(), m_subscribers.end(),
                       [&](const auto& entry) { return entry.first == cookie; });
}

void EventSource::raiseEvent(int32_t eventType, const VariantArray& args) {
    const auto snapshot = m_subscribers;
    std::exception_ptr firstError;
    for (const auto& [cookie, subscriber] : snapshot) {
        // Cookies are never reused, so a cookie still held is still the same subscriber.
        if (!holds(cookie)) {
            continue;
        }
        try {
            subscriber->OnEvent(eventType, args);
        } catch (...) {
            if (!firstError) {
                firstError = std::current_exception();
            }
        }
    }
    if (firstError) {
        std::rethrow_exception(firstError);
    }
}

} // namespace kv380::demo
