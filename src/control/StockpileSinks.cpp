#include "control/StockpileSinks.h"

#include "platform/AutomationError.h"

namespace kv380 {

StockpileSinks::StockpileSinks() = default;
StockpileSinks::~StockpileSinks() = default;

void StockpileSinks::setViews(const std::shared_ptr<IKVViews>& views) {
    deref(m_oViewsEvents).setViews(views);
}

std::shared_ptr<IKVViews> StockpileSinks::Views() const {
    return deref(m_oViewsEvents).Views();
}

bool StockpileSinks::viewsSubscribed() const {
    return deref(m_oViewsEvents).IsSubscribed();
}

void StockpileSinks::setPresentedObjects(const std::shared_ptr<IKVPresentedObjects>& objects) {
    deref(m_oObjColEvents).setPresentedObjects(objects);
}

bool StockpileSinks::objectsSubscribed() const {
    return deref(m_oObjColEvents).IsSubscribed();
}

} // namespace kv380
