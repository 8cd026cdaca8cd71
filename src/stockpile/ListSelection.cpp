// The selection of the list elements and the bookkeeping of a drag out of the list.
#include "stockpile/ListSelection.h"

#include "host/HostObjectModel.h"
#include "stockpile/ReportError.h"

namespace kv380 {

ListSelection::ListSelection(StockpileDesign& design) : m_design(design) {}

void ListSelection::DeSelect(int32_t index) {
    trap("DeSelect", [&] {
        if (m_design.HasNameProperty(index)) {
            m_design.rwlvStockpile[index].deselectAll();
        }
    });
}

ObjectCollection& ListSelection::selectionCollection() {
    if (!m_colSelectedObjects) {
        m_colSelectedObjects = std::make_shared<ObjectCollection>();
    }
    return *m_colSelectedObjects;
}

bool ListSelection::SelectedObjects_Clear() {
    bool result = false;
    trap("SelectedObjects_Clear", [&] {
        ObjectCollection& selection = selectionCollection();
        for (int32_t i = selection.Count(); i >= 1; --i) {
            selection.Remove(i);
        }
        result = true;
    });
    return result;
}

bool ListSelection::SelectedObjects_Refresh() {
    bool result = false;
    trap("SelectedObjects_Refresh", [&] {
        SelectedObjects_Clear();
        const int32_t p = m_design.TabStrip.selectedTab() - 1;
        if (p < 1) {
            return;
        }
        const ui::RWListView& list = m_design.rwlvStockpile[p];
        ObjectCollection& selection = selectionCollection();
        for (int32_t i = 1; i <= list.itemCount(); ++i) {
            if (list.item(i).selected) {
                selection.Add(list.itemData<std::shared_ptr<IKVPresentedObject>>(i));
            }
        }
        result = true;
    });
    return result;
}

std::shared_ptr<ObjectCollection> ListSelection::SelectedObjects() {
    std::shared_ptr<ObjectCollection> result;
    trap("Get SelectedObjects", [&] {
        SelectedObjects_Refresh();
        selectionCollection();
        result = m_colSelectedObjects;
    });
    return result;
}

std::shared_ptr<ObjectCollection> ListSelection::DragDropObject() {
    std::shared_ptr<ObjectCollection> result;
    trap("Get DragDropObject", [&] {
        result = m_colDragDropObjects ? m_colDragDropObjects : std::make_shared<ObjectCollection>();
    });
    return result;
}

void ListSelection::rwlvStockpile_OLEStartDrag(int32_t) {
    trap("rwlvStockpile_OLEStartDrag", [&] {
        m_bDragging = true;
        // The selection is read afresh as the drag starts; while it lasts the host sees that collection.
        m_colDragDropObjects = SelectedObjects();
    });
}

void ListSelection::rwlvStockpile_OLECompleteDrag(int32_t) {
    trap("rwlvStockpile_OLECompleteDrag", [&] {
        m_bDragging = false;
        m_colDragDropObjects = std::make_shared<ObjectCollection>();
    });
}

void ListSelection::release() {
    m_colSelectedObjects.reset();
    m_colDragDropObjects.reset();
}

} // namespace kv380
