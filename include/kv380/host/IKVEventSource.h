#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <cstdint>

namespace kv380 {

// What the component hands a host event source to be told of progress. Implemented by the component's sinks.
class KV380_API IKVEventSubscriber {
public:
    virtual ~IKVEventSubscriber() = default;

    // Called by the host, on the user-interface thread, for each event of the source subscribed to.
    virtual void OnEvent(int32_t lEventType, const VariantArray& vEventArgs) = 0;
};

// A host object that reports progress: a loading collection (event type 1 when a load has completed) or the
// workspace (1 configured, 2 closed, 3 opened).
//
// A source holds its subscribers without owning them; a subscriber removes itself before it goes away. The
// source delivers an event over a copy of its subscriber list and skips a subscriber that a handler has
// removed meanwhile, so handlers may subscribe and unsubscribe while an event is being delivered.
class KV380_API IKVEventSource : public virtual HostObject {
public:
    // Registers the subscriber and answers its cookie, unique among this source's registrations.
    virtual void AddSubscriber(IKVEventSubscriber* subscriber, int32_t& cookie) = 0;
    // Ends the registration the cookie names; its subscriber gets no further events.
    virtual void RemoveSubscriber(int32_t cookie) = 0;
};

} // namespace kv380
