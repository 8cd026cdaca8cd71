#pragma once

#include "host/HostObjectModel.h"

#include <memory>

namespace kv380 {

// The control's subscriptions to the load completion of the host's collections, as the list's procedures
// use them: pointing a sink at another collection moves its subscription there (nothing: only
// unsubscribes). A refused subscription is reported by the sink and leaves it unsubscribed; then no
// completion will arrive for a load of that collection. The control owns the sinks; each call fails with
// 91 when the sink is gone (before start-up finished, after teardown).
class LoadSinks {
public:
    // The views of the selected organisation.
    virtual void setViews(const std::shared_ptr<IKVViews>& views) = 0;
    // The views collection subscribed to, or nothing.
    virtual std::shared_ptr<IKVViews> Views() const = 0;
    virtual bool viewsSubscribed() const = 0;

    // The presented objects of the shown view.
    virtual void setPresentedObjects(const std::shared_ptr<IKVPresentedObjects>& objects) = 0;
    virtual bool objectsSubscribed() const = 0;

protected:
    ~LoadSinks() = default;
};

} // namespace kv380
