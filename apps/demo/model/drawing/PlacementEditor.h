#pragma once

#include "model/db/PlacementTable.h"
#include "model/drawing/DropLayout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv380 {
class _ctlStockpile;
}

namespace kv380::demo {

class DemoHost;

// What the drawing application does with the stock pile's objects on its drawings: places the objects
// dragged onto a drawing, and draws a placed symbol with the next symbol on offer. Like any drawing
// application it asks the stock pile it embeds which symbol to use, and keeps what it places in the
// workspace. The status bar tells the user what happened.
class PlacementEditor {
public:
    // An object of the stock pile to place: its identifier and its tag.
    struct Object {
        std::string id;
        std::string tag;
    };

    PlacementEditor(DemoHost& host, _ctlStockpile& stockpile) : m_host(host), m_stockpile(stockpile) {}

    // Places the objects the stock pile is dragging out onto a workspace drawing: the first at `at`, the
    // others side by side to its right, none over a symbol already there. Each gets the symbol the stock
    // pile names for it: its own on a drawing of the diagram class of the list shown, else the symbol mapped
    // to it for the drawing's class (an object without one keeps its own, and the status bar says so). An
    // object the stock pile knows no symbol for is skipped. Answers the placements made. An unknown drawing
    // is error 5. A failure (a question to the stock pile, the workspace refusing a write) ends the drop and
    // reaches the caller, so that one drop gives one report; what was placed before it stays placed.
    std::vector<PlacementRow> placeDraggedObjects(int64_t diagramId, DrawingPoint at);
    // The same for objects named otherwise (the stock pile's request to place its selected object).
    std::vector<PlacementRow> placeObjects(int64_t diagramId, const std::vector<Object>& objects,
                                           DrawingPoint at);

    // Draws a placed symbol with the next symbol the stock pile offers for its object on its drawing (which
    // becomes the active drawing first, as the stock pile answers for the active one). Nothing changes when
    // there is no other symbol (the status bar says so), or for a connector or a placement that is gone.
    // A failing question reaches the caller.
    std::optional<PlacementRow> swapForNextSymbol(int64_t placementId);

    // The full system-form path of a placement's symbol file.
    std::string symbolFile(const PlacementRow& placement) const;

private:
    DemoHost& m_host;
    _ctlStockpile& m_stockpile;
};

} // namespace kv380::demo
