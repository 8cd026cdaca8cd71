#pragma once

#include "host/EventSubscribers.h"
#include "host/IKVEventSource.h"

#include <cstddef>
#include <cstdint>

namespace kv380::demo {

// The event source of a host collection or of the workspace: holds its subscribers (without owning them)
// under cookies 1, 2, 3... that are never reused while the source lives.
class EventSource : public virtual IKVEventSource {
public:
    // Registers the subscriber. An empty subscriber is error 91.
    void AddSubscriber(IKVEventSubscriber* subscriber, int32_t& cookie) override;
    // Ends a registration. A cookie this source does not hold is error 5.
    void RemoveSubscriber(int32_t cookie) override;

    // Delivers an event as EventSubscribers::deliver does: to the subscribers registered when it starts and
    // not removed meanwhile; a handler that throws does not keep it from the others, and the first error is
    // rethrown once all have had it.
    void raiseEvent(int32_t eventType, const VariantArray& args = {});

    std::size_t subscriberCount() const { return m_subscribers.size(); }

private:
    EventSubscribers m_subscribers;
};

} // namespace kv380::demo
