#pragma once

#include "host/HostObjectModel.h"
#include "model/HostContext.h"
#include "model/db/WorkspaceRows.h"
#include "model/workspace/PresentedObjects.h"

#include <memory>
#include <optional>
#include <string>

namespace kv380::demo {

// One view of an organisation. The same view object serves every load of its organisation's views, so its
// objects collection (and whoever subscribed to it) and the drawing it points at survive a reload.
class View : public IKVView {
public:
    View(std::shared_ptr<HostContext> context, const ViewRow& row);

    // The view's name, a tab caption.
    std::string Name() override;
    // The view's identifier, as numeric text.
    std::string Id() override;
    // The view's objects.
    std::shared_ptr<IKVPresentedObjects> PresentedObjects() override;
    // The diagram class the view stands for.
    std::string DiagramClass() override;
    // Points the view at a drawing (0 or less: at none). A view that follows drawings then presents that
    // drawing's objects from its next load; other views only remember it.
    void setDiagramID(int32_t lDiagramID) override;

    int64_t id() const { return m_scope->viewId; }
    // The drawing the view points at, if any.
    std::optional<int64_t> diagramId() const { return m_scope->diagramId; }
    // Takes the name and class of a fresh read of the same view.
    void refresh(const ViewRow& row);

private:
    std::shared_ptr<ViewScope> m_scope;
    std::string m_name;
    std::string m_diagramClass;
    std::shared_ptr<kv380::demo::PresentedObjects> m_objects;
};

} // namespace kv380::demo
