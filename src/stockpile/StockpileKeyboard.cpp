#include "stockpile/StockpileKeyboard.h"

#include "platform/ui/KeyCodes.h"
#include "stockpile/ReportError.h"

namespace kv380 {

namespace {
constexpr int kRightButton = 2;
constexpr int kOptionsTab = 1;
} // namespace

StockpileKeyboard::StockpileKeyboard(StockpileDesign& design, ShownView& shown, ListSelection& selection,
                                     ListMouse& mouse)
    : m_design(design), m_shown(shown), m_selection(selection), m_mouse(mouse) {}

void StockpileKeyboard::UserControl_KeyDown(int& keyCode, int shift, ui::Control* focused) {
    const bool ctrl = (shift & ui::key::CtrlMask) != 0;
    const bool shiftDown = (shift & ui::key::ShiftMask) != 0;
    const bool plain = shift == 0;
    const int key = keyCode;
    // Consumed before anything runs: a handler that fails must not let the key through as well.
    if (ctrl && key == ui::key::F) {
        keyCode = 0;
        focusFilter();
    } else if (ctrl && (key == ui::key::PageUp || key == ui::key::PageDown)) {
        keyCode = 0;
        moveTab(key == ui::key::PageUp ? -1 : 1);
    } else if ((plain && key == ui::key::Apps) || (shiftDown && !ctrl && key == ui::key::F10)) {
        if (m_shown.tabPosition() > 0) {
            keyCode = 0;
            openContextMenu();
        }
    } else if (plain && key == ui::key::Return) {
        if (focused == &m_design.txtFilterBy) {
            keyCode = 0;
            applyFilter();
        } else if (isShownList(focused)) {
            keyCode = 0;
            PlaceObject();
        }
    }
}

void StockpileKeyboard::tabShown(int32_t tabPosition) {
    if (tabPosition > 0) {
        m_lastViewTab = tabPosition;
    }
}

void StockpileKeyboard::PlaceObject() {
    trap("PlaceObject", [&] {
        if (!m_placeObject) {
            return;
        }
        const auto selection = m_selection.SelectedObjects();
        if (!selection || selection->Count() != 1) {
            return; // one object at a time: Enter on several places none
        }
        const auto object = std::dynamic_pointer_cast<IKVPresentedObject>(selection->Item(1));
        if (object) {
            m_placeObject(object);
        }
    });
}

void StockpileKeyboard::focusFilter() {
    if (m_design.TabStrip.selectedTab() != kOptionsTab && m_design.TabStrip.tabCount() >= kOptionsTab) {
        m_design.TabStrip.selectTab(kOptionsTab); // runs the tab change
    }
    m_design.txtFilterBy.SetFocus();
}

void StockpileKeyboard::applyFilter() {
    const int tabCount = m_design.TabStrip.tabCount();
    if (tabCount < 2) {
        return; // no view to list
    }
    const int back = m_lastViewTab + 1;
    m_design.TabStrip.selectTab(back >= 2 && back <= tabCount ? back : 2); // lists the view anew
    const int32_t shown = m_shown.tabPosition();
    if (shown > 0 && m_design.HasNameProperty(shown)) {
        m_design.rwlvStockpile[shown].SetFocus();
    }
}

void StockpileKeyboard::openContextMenu() {
    const int32_t index = m_shown.tabPosition();
    m_mouse.rwlvStockpile_MouseUp(index, kRightButton, 0, 0.0F, 0.0F);
}

void StockpileKeyboard::moveTab(int step) {
    const int count = m_design.TabStrip.tabCount();
    const int target = m_design.TabStrip.selectedTab() + step;
    if (target >= 1 && target <= count) {
        m_design.TabStrip.selectTab(target);
    }
}

bool StockpileKeyboard::isShownList(const ui::Control* focused) const {
    const int32_t shown = m_shown.tabPosition();
    return focused != nullptr && shown > 0 && m_design.HasNameProperty(shown) &&
           focused == &m_design.rwlvStockpile[shown];
}

} // namespace kv380
