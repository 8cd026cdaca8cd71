#pragma once

#include "host/IKVEventSource.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace kv380::demo {

// The event source of a host collection or of the workspace: holds its subscribers (without owning them)
// under cookies 1, 2, 3... that are never reused while the source lives.
class EventSource : public virtual IKVEventSource {
public:
    // Registers the subscriber. An empty subscriber is error 91.
    void AddSubscriber(IKVEventSubscriber* subscriber, int32_t& cookie) override;
    // Ends a registration. A cookie this source does not hold is error 5.
    void RemoveSubscriber(int32_t cookie) override;

    // Delivers an event to the subscribers registered when it starts, over a copy of the list: one that a
    // handler removes meanwhile is skipped, one that a handler adds waits for the next event. A handler that
    // throws does not keep the event from the others; the first error is rethrown once all have had it.
    void raiseEvent(int32_t eventType, const VariantArray& args = {});

    std::size_t subscriberCount() const { return m_subscribers.size(); }

private:
    bool holds(int32_t cookie) const;

    std::vector<std::pair<int32_t, IKVEventSubscriber*>> m_subscribers; // in registration order
    int32_t m_nextCookie = 1;
};

} // namespace kv380::demo
