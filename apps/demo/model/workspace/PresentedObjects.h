#pragma once

#include "host/HostObjectModel.h"
#include "model/HostContext.h"
#include "model/workspace/EventSource.h"
#include "model/workspace/PresentedObject.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kv380::demo {

// Which objects a view presents: its own members, or, for a view that follows drawings and has been
// pointed at one, the objects placed on that drawing.
struct ViewScope {
    int64_t viewId = 0;
    bool followsDiagram = false;
    std::optional<int64_t> diagramId{};
};

// A view's objects: empty until loaded; each load reads the workspace afresh.
class PresentedObjects : public IKVPresentedObjects,
                         public EventSource,
                         public std::enable_shared_from_this<PresentedObjects> {
public:
    static std::shared_ptr<PresentedObjects> create(std::shared_ptr<HostContext> context,
                                                    std::shared_ptr<const ViewScope> scope);

    // How many objects the last load gave.
    int32_t Count() override;
    // The object at a 1-based position; outside 1..Count error 9.
    std::shared_ptr<IKVPresentedObject> Item(int32_t lIndex) override;
    // Returns at once; the objects are read later and event 1 tells the subscribers.
    void Load(int32_t iViewNumber) override;

    // The view number the last Load was asked with (0 before any).
    int32_t requestedViewNumber() const { return m_viewNumber; }

private:
    PresentedObjects(std::shared_ptr<HostContext> context, std::shared_ptr<const ViewScope> scope)
        : m_context(std::move(context)), m_scope(std::move(scope)) {}
    void completeLoad();

    std::shared_ptr<HostContext> m_context;
    std::shared_ptr<const ViewScope> m_scope;
    std::vector<std::shared_ptr<PresentedObject>> m_items;
    int32_t m_viewNumber = 0;
};

} // namespace kv380::demo
