#pragma once

#include "host/IKVEventSource.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kv380 {

// The one subscription an event sink holds: the source it was handed and the cookie the source answered
// (-1: none). Subscribing and unsubscribing trap and report their failures with the sink's context texts,
// so the sink's caller never sees them.
class EventSubscription {
public:
    // What a sink keeps when the source refuses the subscription.
    enum class OnRefusal { ReleaseSource, KeepSource };

    EventSubscription(IKVEventSubscriber& subscriber, std::string subscribeContext,
                      std::string unsubscribeContext, OnRefusal onRefusal);
    // Removes the registration, so the host never holds a dangling subscriber.
    ~EventSubscription();
    EventSubscription(const EventSubscription&) = delete;
    EventSubscription& operator=(const EventSubscription&) = delete;

    // The source property's set: ends the current subscription, then subscribes to the new object (nothing:
    // only unsubscribes). An object that does not offer IKVEventSource is refused like a failing subscribe.
    void replace(const std::shared_ptr<HostObject>& object);

    // A source is held and its cookie is not -1.
    bool IsSubscribed() const { return m_source && m_cookie != -1; }
    // The source subscribed to, or nothing when not subscribed.
    std::shared_ptr<IKVEventSource> subscribedSource() const { return IsSubscribed() ? m_source : nullptr; }

private:
    void Subscribe(const std::shared_ptr<HostObject>& object);
    void UnSubscribe();

    IKVEventSubscriber& m_subscriber;
    std::string m_subscribeContext;
    std::string m_unsubscribeContext;
    OnRefusal m_onRefusal;
    std::shared_ptr<IKVEventSource> m_source;
    int32_t m_cookie = -1;
};

} // namespace kv380
