#pragma once

#include "platform/Export.h"

#include "host/IKVEventSource.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kv380 {

// The subscriber list of a host event source, kept the way the component relies on (IKVEventSource): the
// registrations in order, each under its cookie, and an event delivered over a copy of the list, so that
// handlers may subscribe and unsubscribe while it is delivered. A subscriber removed meanwhile is skipped;
// one added meanwhile waits for the next event.
//
// A subscriber that throws does not keep the event from the others: delivery goes on to the last one, and
// the first exception is then rethrown to whoever raised the event (which reports it).
//
//   void AddSubscriber(IKVEventSubscriber* s, int32_t& cookie) override { cookie = m_subscribers.add(s); }
//   void RemoveSubscriber(int32_t cookie) override {
//       if (!m_subscribers.remove(cookie)) raise(err::InvalidProcedureCall);
//   }
//   void loaded() { m_subscribers.deliver(1); }
class KV380_API EventSubscribers {
public:
    // Registers a subscriber under a new cookie (1, 2, 3..., never reused by this list) and answers it. An
    // empty subscriber is error 91 and registers nothing.
    int32_t add(IKVEventSubscriber* subscriber);
    // Registers a subscriber under a cookie the source chose itself (one counter for all of a host's
    // sources, say). An empty subscriber is error 91.
    void add(IKVEventSubscriber* subscriber, int32_t cookie);
    // Ends the earliest registration under that cookie; false when there is none.
    bool remove(int32_t cookie);

    // Hands an event to every subscriber registered when it starts and still registered when its turn
    // comes, in registration order.
    void deliver(int32_t eventType, const VariantArray& args = {});

    std::size_t size() const { return m_entries.size(); }
    // The cookies of the registrations, in order.
    std::vector<int32_t> cookies() const;
    bool contains(const IKVEventSubscriber* subscriber) const;

private:
    struct Entry {
        int32_t cookie;
        IKVEventSubscriber* subscriber;
        // Tells registrations apart even when a source hands out the same cookie twice.
        std::uint64_t serial;
    };

    bool stillRegistered(std::uint64_t serial) const;

    std::vector<Entry> m_entries;
    int32_t m_nextCookie{1};
    std::uint64_t m_nextSerial{1};
};

} // namespace kv380
