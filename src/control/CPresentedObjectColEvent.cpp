#include "control/CPresentedObjectColEvent.h"

namespace kv380 {

CPresentedObjectColEvent::CPresentedObjectColEvent()
    : m_subscription(*this, "CPresentedObjectColEvent::Subscribe", "CPresentedObjectColEvent::UnSubscribe",
                     EventSubscription::OnRefusal::ReleaseSource) {}

CPresentedObjectColEvent::~CPresentedObjectColEvent() = default;

void CPresentedObjectColEvent::setPresentedObjects(
    const std::shared_ptr<IKVPresentedObjects>& objPresentedObjects) {
    m_subscription.replace(objPresentedObjects);
}

std::shared_ptr<IKVPresentedObjects> CPresentedObjectColEvent::PresentedObjects() const {
    return std::dynamic_pointer_cast<IKVPresentedObjects>(m_subscription.subscribedSource());
}

bool CPresentedObjectColEvent::IsSubscribed() const {
    return m_subscription.IsSubscribed();
}

void CPresentedObjectColEvent::OnEvent(int32_t lEventType, const VariantArray&) {
    if (lEventType == 1 && LoadComplete) {
        // A copy, so that a handler may replace the connection while it runs.
        auto handler = LoadComplete;
        handler();
    }
}

} // namespace kv380
