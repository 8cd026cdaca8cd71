#include "model/workspace/EventSource.h"

#include "platform/AutomationError.h"

namespace kv380::demo {

void EventSource::AddSubscriber(IKVEventSubscriber* subscriber, int32_t& cookie) {
    cookie = m_subscribers.add(subscriber);
}

void EventSource::RemoveSubscriber(int32_t cookie) {
    if (!m_subscribers.remove(cookie)) {
        kv380::raise(err::InvalidProcedureCall);
    }
}

void EventSource::raiseEvent(int32_t eventType, const VariantArray& args) {
    m_subscribers.deliver(eventType, args);
}

} // namespace kv380::demo
