#include "model/workspace/Workspace.h"

namespace kv380::demo {

Workspace::Workspace(std::shared_ptr<HostContext> context)
    : m_events(std::make_shared<EventSource>()),
      m_organisations(kv380::demo::Organisations::create(std::move(context))) {}

int32_t Workspace::Status() {
    return m_status;
}

std::shared_ptr<IKVOrganisations> Workspace::Organisations() {
    return m_organisations;
}

void Workspace::open() {
    m_status = Open;
    m_events->raiseEvent(3);
}

void Workspace::close() {
    m_status = Closed;
    m_organisations->unload();
    m_events->raiseEvent(2);
}

void Workspace::configure() {
    m_events->raiseEvent(1);
}

} // namespace kv380::demo
