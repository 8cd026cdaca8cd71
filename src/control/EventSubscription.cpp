#include "control/EventSubscription.h"

#include "host/Guarded.h"

#include <utility>

namespace kv380 {

EventSubscription::EventSubscription(IKVEventSubscriber& subscriber, std::string subscribeContext,
                                     std::string unsubscribeContext, OnRefusal onRefusal)
    : m_subscriber(subscriber), m_subscribeContext(std::move(subscribeContext)),
      m_unsubscribeContext(std::move(unsubscribeContext)), m_onRefusal(onRefusal) {}

EventSubscription::~EventSubscription() {
    try {
        UnSubscribe();
    } catch (...) {
        // Only a failing error report gets here; a destructor cannot pass it on, and the registration has
        // been dropped on our side all the same.
    }
}

void EventSubscription::replace(const std::shared_ptr<HostObject>& object) {
    if (IsSubscribed()) {
        UnSubscribe();
    }
    if (object) {
        Subscribe(object);
    }
}

void EventSubscription::Subscribe(const std::shared_ptr<HostObject>& object) {
    const bool subscribed = guarded(m_subscribeContext, [&] {
        m_source = std::dynamic_pointer_cast<IKVEventSource>(object);
        if (!m_source) {
            raise(err::TypeMismatch); // the object reports no progress
        }
        int32_t cookie = -1;
        m_source->AddSubscriber(&m_subscriber, cookie);
        // Only a completed call counts: a host that fails after writing the cookie has not registered us.
        m_cookie = cookie;
    });
    if (!subscribed) {
        m_cookie = -1;
        if (m_onRefusal == OnRefusal::ReleaseSource) {
            m_source.reset();
        }
    }
}

void EventSubscription::UnSubscribe() {
    // The sink ends unsubscribed whatever happens, even when reporting a failed removal fails too.
    struct Release {
        EventSubscription& self;
        ~Release() {
            self.m_cookie = -1;
            self.m_source.reset();
        }
    } release{*this};
    guarded(m_unsubscribeContext, [&] {
        if (IsSubscribed()) {
            m_source->RemoveSubscriber(m_cookie);
        }
    });
}

} // namespace kv380
