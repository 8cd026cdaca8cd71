#pragma once

#include "control/EventSubscription.h"
#include "host/IKVEventSource.h"

#include <functional>
#include <memory>

namespace kv380 {

// Turns the host's workspace events into typed events: 1 configured, 2 closed, 3 opened.
class WorkspaceEvent : public IKVEventSubscriber {
public:
    WorkspaceEvent();
    ~WorkspaceEvent() override;
    WorkspaceEvent(const WorkspaceEvent&) = delete;
    WorkspaceEvent& operator=(const WorkspaceEvent&) = delete;

    // Replaces the subscription: unsubscribes from the current source, then subscribes to this one (nothing:
    // only unsubscribes). A refused subscription is reported; the source is kept but not subscribed to.
    void setWorkSpaceEvents(const std::shared_ptr<IKVEventSource>& oEventSource);
    // Whether a subscription is in place.
    bool IsSubscribed() const;

    // Maps the host's event types onto the typed events; every other type is ignored. The handlers run inside
    // the host's call and trap their own errors: nothing may reach the host.
    void OnEvent(int32_t lEventType, const VariantArray& vEventArgs) override;

    // The workspace's configuration changed (event type 1).
    std::function<void()> OnWorkSpaceConfigure;
    // The workspace was closed (event type 2).
    std::function<void()> OnWorkSpaceClose;
    // A workspace was opened (event type 3).
    std::function<void()> OnWorkSpaceOpen;

private:
    EventSubscription m_subscription;
};

} // namespace kv380
