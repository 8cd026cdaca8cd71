#include "control/COrganisationsEvent.h"

namespace kv380 {

COrganisationsEvent::COrganisationsEvent()
    // The report contexts are fixed texts, and these spell the class name without its plural.
    : m_subscription(*this, "COrganisationEvent::Subscribe", "COrganisationEvent::UnSubscribe",
                     EventSubscription::OnRefusal::ReleaseSource) {}

COrganisationsEvent::~COrganisationsEvent() = default;

void COrganisationsEvent::setOrganisations(const std::shared_ptr<IKVOrganisations>& objOrganisations) {
    m_subscription.replace(objOrganisations);
}

std::shared_ptr<IKVOrganisations> COrganisationsEvent::Organisations() const {
    return std::dynamic_pointer_cast<IKVOrganisations>(m_subscription.subscribedSource());
}

bool COrganisationsEvent::IsSubscribed() const {
    return m_subscription.IsSubscribed();
}

void COrganisationsEvent::OnEvent(int32_t lEventType, const VariantArray&) {
    if (lEventType == 1 && LoadComplete) {
        // A copy, so that a handler may replace the connection while it runs.
        auto handler = LoadComplete;
        handler();
    }
}

} // namespace kv380
