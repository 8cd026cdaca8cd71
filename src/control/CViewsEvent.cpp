#include "control/CViewsEvent.h"

namespace kv380 {

CViewsEvent::CViewsEvent()
    : m_subscription(*this, "CViewsEvent::Subscribe", "CViewsEvent::UnSubscribe",
                     EventSubscription::OnRefusal::ReleaseSource) {}

CViewsEvent::~CViewsEvent() = default;

void CViewsEvent::setViews(const std::shared_ptr<IKVViews>& objViews) {
    m_subscription.replace(objViews);
}

std::shared_ptr<IKVViews> CViewsEvent::Views() const {
    return std::dynamic_pointer_cast<IKVViews>(m_subscription.subscribedSource());
}

bool CViewsEvent::IsSubscribed() const {
    return m_subscription.IsSubscribed();
}

void CViewsEvent::OnEvent(int32_t lEventType, const VariantArray&) {
    if (lEventType == 1 && LoadComplete) {
        // A copy, so that a handler may replace the connection while it runs.
        auto handler = LoadComplete;
        handler();
    }
}

} // namespace kv380
