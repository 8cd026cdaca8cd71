#pragma once

#include "stockpile/ControlLayout.h"
#include "stockpile/HostLinks.h"
#include "stockpile/ListSelection.h"
#include "stockpile/LoadSinks.h"
#include "stockpile/RefreshChain.h"
#include "stockpile/ShownView.h"
#include "stockpile/StockpileDesign.h"
#include "symbols/SymbolSide.h"

#include <cstdint>

namespace kv380 {

// The organisation list, the view tabs with one list element per view, pages of tabs, and what choosing a
// tab shows. The state they change (selected organisation, page, tabs built, per-view choices) is kept in
// ShownView, which the rest of the control reads.
class ViewTabs {
public:
    ViewTabs(StockpileDesign& design, HostLinks& host, ShownView& shown, RefreshChain& refresh,
             ListSelection& selection, ControlLayout& layout, SymbolSide& symbols, LoadSinks& sinks);

    // The organisations have loaded: fills cmbOrganiseBy and selects the first, which loads its views.
    bool PopulateStockpileControl();
    // Loads the chosen organisation's views.
    void cmbOrganiseBy_Change();
    // The selected organisation's views have loaded: counts the pages and rebuilds the tabs.
    void m_oViewsEvents_LoadComplete();
    // The page-number box changed.
    void txtPageNo_Change();
    // The user finished editing the page-number box: a box left blank goes to page 1 only now.
    void txtPageNo_EditFinished();
    // Rebuilds the tabs and list elements of the current page and reselects the remembered tab.
    void DisplayTabs();
    // Shows the chosen tab: the Options frames, or a view's list (whose objects are then requested).
    void TabStrip_Click();

private:
    // Leaves only the Options tab, shown, when the chosen organisation's views cannot be followed.
    void showOptionsOnly();

    StockpileDesign& m_design;
    HostLinks& m_host;
    ShownView& m_shown;
    RefreshChain& m_refresh;
    ListSelection& m_selection;
    ControlLayout& m_layout;
    SymbolSide& m_symbols;
    LoadSinks& m_sinks;
    // Position (on the page) of the tab shown before the current one.
    int32_t m_iPreviousTab{0};
};

} // namespace kv380
