#pragma once

#include "control/COrganisationsEvent.h"
#include "control/CPresentedObjectColEvent.h"
#include "control/CViewsEvent.h"
#include "control/WorkspaceEvent.h"
#include "stockpile/LoadSinks.h"

#include <memory>

namespace kv380 {

// The control's four event sinks: on the workspace's events, its organisations, the selected organisation's
// views and the shown view's objects. Created at start-up and released at teardown, in the control's order.
class StockpileSinks : public LoadSinks {
public:
    StockpileSinks();
    ~StockpileSinks();
    StockpileSinks(const StockpileSinks&) = delete;
    StockpileSinks& operator=(const StockpileSinks&) = delete;

    std::unique_ptr<COrganisationsEvent> m_oOrgEvents;
    std::unique_ptr<CViewsEvent> m_oViewsEvents;
    std::unique_ptr<CPresentedObjectColEvent> m_oObjColEvents;
    std::unique_ptr<WorkspaceEvent> m_oWorkSpaceEvents;

    void setViews(const std::shared_ptr<IKVViews>& views) override;
    std::shared_ptr<IKVViews> Views() const override;
    bool viewsSubscribed() const override;
    void setPresentedObjects(const std::shared_ptr<IKVPresentedObjects>& objects) override;
    bool objectsSubscribed() const override;
};

} // namespace kv380
