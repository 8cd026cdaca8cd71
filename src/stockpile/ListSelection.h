#pragma once

#include "host/ObjectCollection.h"
#include "stockpile/StockpileDesign.h"

#include <cstdint>
#include <memory>

namespace kv380 {

// The selection of the shown view's list and the bookkeeping of a drag out of it. The host reads both
// collections through the control's SelectedObjects and DragDropObject.
class ListSelection {
public:
    explicit ListSelection(StockpileDesign& design);

    // The objects of the selected items of the shown view's list, read afresh; nothing when that fails.
    std::shared_ptr<ObjectCollection> SelectedObjects();
    // The objects being dragged: the selection while a drag lasts, else an empty collection.
    std::shared_ptr<ObjectCollection> DragDropObject();

    // Clears the item selection of a list element, when it exists.
    void DeSelect(int32_t index);
    bool SelectedObjects_Clear();
    bool SelectedObjects_Refresh();

    void rwlvStockpile_OLEStartDrag(int32_t index);
    void rwlvStockpile_OLECompleteDrag(int32_t index);

    // A drag out of the list is under way.
    bool dragging() const { return m_bDragging; }
    void setDragging(bool dragging) { m_bDragging = dragging; }
    // The selection collection (created on first use), without refreshing it.
    ObjectCollection& selectionCollection();

    // Lets go of both collections.
    void release();

private:
    StockpileDesign& m_design;
    std::shared_ptr<ObjectCollection> m_colSelectedObjects;
    std::shared_ptr<ObjectCollection> m_colDragDropObjects;
    bool m_bDragging{false};
};

} // namespace kv380
