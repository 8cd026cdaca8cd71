#include "model/workspace/PresentedObjects.h"

#include "model/workspace/ItemAt.h"

namespace kv380::demo {

std::shared_ptr<PresentedObjects> PresentedObjects::create(std::shared_ptr<HostContext> context,
                                                           std::shared_ptr<const ViewScope> scope) {
    return std::shared_ptr<PresentedObjects>(new PresentedObjects(std::move(context), std::move(scope)));
}

int32_t PresentedObjects::Count() {
    return static_cast<int32_t>(m_items.size());
}

std::shared_ptr<IKVPresentedObject> PresentedObjects::Item(int32_t lIndex) {
    return itemAt(m_items, lIndex);
}

void PresentedObjects::Load(int32_t iViewNumber) {
    m_viewNumber = iViewNumber;
    completeLoadLater(m_context->poster("PresentedObjects.Load"), weak_from_this(),
                      [this] { completeLoad(); });
}

void PresentedObjects::completeLoad() {
    WorkspaceDatabase& db = m_context->database();
    const bool onDiagram = m_scope->followsDiagram && m_scope->diagramId;
    const auto rows =
        onDiagram ? db.objectsOfDiagram(*m_scope->diagramId) : db.objectsOfView(m_scope->viewId);
    std::vector<std::shared_ptr<PresentedObject>> items;
    items.reserve(rows.size());
    for (const auto& row : rows) {
        items.push_back(std::make_shared<PresentedObject>(m_context, row));
    }
    m_items = std::move(items);
    raiseEvent(1);
}

} // namespace kv380::demo
