#include "control/WorkspaceEvent.h"

namespace kv380 {

// The workspace sink reports its failures without a context text.
WorkspaceEvent::WorkspaceEvent() : m_subscription(*this, "", "", EventSubscription::OnRefusal::KeepSource) {}

WorkspaceEvent::~WorkspaceEvent() = default;

void WorkspaceEvent::setWorkSpaceEvents(const std::shared_ptr<IKVEventSource>& oEventSource) {
    m_subscription.replace(oEventSource);
}

bool WorkspaceEvent::IsSubscribed() const {
    return m_subscription.IsSubscribed();
}

void WorkspaceEvent::OnEvent(int32_t lEventType, const VariantArray&) {
    // A copy of the connection, so that a handler may replace it while it runs.
    std::function<void()> handler;
    switch (lEventType) {
    case 1:
        handler = OnWorkSpaceConfigure;
        break;
    case 2:
        handler = OnWorkSpaceClose;
        break;
    case 3:
        handler = OnWorkSpaceOpen;
        break;
    default:
        break;
    }
    if (handler) {
        handler();
    }
}

} // namespace kv380
