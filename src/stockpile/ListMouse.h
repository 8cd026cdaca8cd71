#pragma once

#include "host/HostObjectModel.h"
#include "host/ObjectCollection.h"
#include "stockpile/HostLinks.h"
#include "stockpile/ListSelection.h"
#include "stockpile/RefreshChain.h"
#include "stockpile/ShownView.h"
#include "stockpile/StockpileDesign.h"
#include "symbols/StockPileSymbolMap.h"
#include "symbols/SymbolSide.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace kv380 {

class frmPopUpMenu;

// A mouse button released over one of the list elements. Every button updates the list's tooltip with
// what is known of the selected object's symbols; a click (any button but the right one) on one object
// drawn with a connector symbol starts the drawing application's connector tool; the right button opens
// the object menu (objects selected) or the background menu (none), and carries out the background menu's
// choice after it closed.
//
// All of it happens on release: a press that turns into a drag out of the list starts no connector and
// opens no menu.
class ListMouse {
public:
    // `stockPile` is the control itself, as the menu form hands it on.
    ListMouse(StockpileDesign& design, HostLinks& host, ShownView& shown, ListSelection& selection,
              RefreshChain& refresh, SymbolSide& symbols, StockPileSymbolMap& stockPile);

    // Mouse buttons: 1 left, 2 right, 4 middle. The shift state and the position are not used.
    void rwlvStockpile_MouseUp(int32_t index, int button, int shift, float x, float y);

private:
    // The status text for the selection, or nothing when it is to stay as it is (no application).
    std::optional<std::string> statusText(const std::string& diagramClass, int32_t selectedCount,
                                          const std::shared_ptr<IKVPresentedObject>& single);
    void startConnector(IKVPresentedObject& object);
    void showMenu(int32_t index, const std::string& diagramClass,
                  const std::shared_ptr<ObjectCollection>& selection,
                  const std::shared_ptr<IKVPresentedObject>& single);
    void showObjectMenu(frmPopUpMenu& form, const std::string& diagramClass,
                        const std::shared_ptr<ObjectCollection>& selection);
    void showBackgroundMenu(frmPopUpMenu& form, int32_t index);

    StockpileDesign& m_design;
    HostLinks& m_host;
    ShownView& m_shown;
    ListSelection& m_selection;
    RefreshChain& m_refresh;
    SymbolSide& m_symbols;
    StockPileSymbolMap& m_stockPile;
};

} // namespace kv380
