#pragma once

#include "control/EventSubscription.h"
#include "host/HostObjectModel.h"
#include "host/IKVEventSource.h"

#include <functional>
#include <memory>

namespace kv380 {

// Turns the load completion of the host's organisations collection into the typed event LoadComplete.
class COrganisationsEvent : public IKVEventSubscriber {
public:
    COrganisationsEvent();
    ~COrganisationsEvent() override;
    COrganisationsEvent(const COrganisationsEvent&) = delete;
    COrganisationsEvent& operator=(const COrganisationsEvent&) = delete;

    // Replaces the subscription: unsubscribes from the current collection, then subscribes to this one
    // (nothing: only unsubscribes). A refused subscription is reported and leaves the sink unsubscribed.
    void setOrganisations(const std::shared_ptr<IKVOrganisations>& objOrganisations);
    // The collection subscribed to, or nothing when not subscribed.
    std::shared_ptr<IKVOrganisations> Organisations() const;
    // Whether a subscription is in place.
    bool IsSubscribed() const;

    // Event type 1 raises LoadComplete; every other type is ignored.
    void OnEvent(int32_t lEventType, const VariantArray& vEventArgs) override;

    // Raised when the host has finished loading the collection. The handler runs inside the host's call and
    // traps its own errors: nothing may reach the host.
    std::function<void()> LoadComplete;

private:
    EventSubscription m_subscription;
};

} // namespace kv380
