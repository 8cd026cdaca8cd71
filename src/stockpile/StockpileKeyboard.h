#pragma once

#include "host/HostObjectModel.h"
#include "stockpile/ListMouse.h"
#include "stockpile/ListSelection.h"
#include "stockpile/ShownView.h"
#include "stockpile/StockpileDesign.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace kv380 {

namespace ui {
class Control;
}

// The stock pile driven from the keyboard. Keys reach it through the user control's KeyDown, before the
// focused control sees them:
// - Ctrl+F goes to the Options tab and puts the focus in the filter box; Enter there shows the view tab the
//   user came from (or the first), which lists the view through the filter;
// - Enter on a list asks the host to place the one selected object (the place hook);
// - the menu key and Shift+F10 open the context menu of the shown list's selection, as a right-click does;
// - Ctrl+PageUp and Ctrl+PageDown select the previous and the next tab.
// Arrows move in the list on their own. A key the panel uses goes no further.
class StockpileKeyboard {
public:
    using PlaceObjectHook = std::function<void(const std::shared_ptr<IKVPresentedObject>& object)>;

    StockpileKeyboard(StockpileDesign& design, ShownView& shown, ListSelection& selection, ListMouse& mouse);

    void UserControl_KeyDown(int& keyCode, int shift, ui::Control* focused);
    // A tab was shown: the view tab to come back to after the filter is applied.
    void tabShown(int32_t tabPosition);

    // Asks the host to place the one selected object of the shown list; reported under "PlaceObject".
    void PlaceObject();
    void setPlaceObjectHook(PlaceObjectHook hook) { m_placeObject = std::move(hook); }

private:
    void focusFilter();
    void applyFilter();
    void openContextMenu();
    void moveTab(int step);
    bool isShownList(const ui::Control* focused) const;

    StockpileDesign& m_design;
    ShownView& m_shown;
    ListSelection& m_selection;
    ListMouse& m_mouse;
    PlaceObjectHook m_placeObject;
    int32_t m_lastViewTab{0};
};

} // namespace kv380
