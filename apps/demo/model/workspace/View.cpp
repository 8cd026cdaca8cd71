#include "model/workspace/View.h"

namespace kv380::demo {

View::View(std::shared_ptr<HostContext> context, const ViewRow& row)
    : m_scope(std::make_shared<ViewScope>(ViewScope{row.id, row.followsDiagram, std::nullopt})),
      m_name(row.name), m_diagramClass(row.diagramClass),
      m_objects(kv380::demo::PresentedObjects::create(std::move(context), m_scope)) {}

std::string View::Name() {
    return m_name;
}

std::string View::Id() {
    return std::to_string(m_scope->viewId);
}

std::shared_ptr<IKVPresentedObjects> View::PresentedObjects() {
    return m_objects;
}

std::string View::DiagramClass() {
    return m_diagramClass;
}

void View::setDiagramID(int32_t lDiagramID) {
    if (lDiagramID > 0) {
        m_scope->diagramId = lDiagramID;
    } else {
        m_scope->diagramId.reset();
    }
}

void View::refresh(const ViewRow& row) {
    m_name = row.name;
    m_diagramClass = row.diagramClass;
    m_scope->followsDiagram = row.followsDiagram;
}

} // namespace kv380::demo
