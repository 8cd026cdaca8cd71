// The views-loaded handler, which counts the pages, and the page-number box.
#include "control/ctlStockpile.h"

#include "platform/ui/MousePointer.h"
#include "stockpile/Paging.h"

namespace kv380 {

void ctlStockpile::m_oViewsEvents_LoadComplete() {
    const auto organisation = deref(deref(m_oWorkspace).Organisations()).Item(SelectedOrganisation());
    const int32_t count = deref(deref(organisation).Views()).Count();
    m_iPageCount = pageCountFor(count);
    lbTotal.setCaption(pageTotalCaption(m_iPageCount));
    if (!keepsCurrentPage(m_bRefreshing, m_iCurrentPage, m_iPageCount)) {
        // The page first, then the box: its change handling then finds the page unchanged.
        m_iCurrentPage = 1;
        txtPageNo.setText("1");
    }
    if (m_iPageCount > 1) {
        fraPage.setVisible(true);
    }
    DisplayTabs();
    if (TabStrip.selectedTab() == 1) {
        m_bRefreshing = false;
        setMousePointer(ui::pointer::Default);
    }
}

void ctlStockpile::txtPageNo_Change() {
    const PageNumberChange change = pageNumberChanged(txtPageNo.Text(), m_iPageCount, m_iCurrentPage);
    switch (change.kind) {
    case PageNumberChange::Kind::None:
        break;
    case PageNumberChange::Kind::Rewrite:
        txtPageNo.setText(change.text); // runs this handling again
        break;
    case PageNumberChange::Kind::ShowPage:
        m_iCurrentPage = change.page;
        DisplayTabs();
        break;
    }
}

} // namespace kv380
