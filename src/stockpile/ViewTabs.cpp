// The view tabs with their list elements, and what choosing a tab shows.
#include "stockpile/ViewTabs.h"

#include "platform/convert/Checked.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MousePointer.h"
#include "stockpile/Paging.h"
#include "stockpile/ReportError.h"

namespace kv380 {

ViewTabs::ViewTabs(StockpileDesign& design, HostLinks& host, ShownView& shown, RefreshChain& refresh,
                   ListSelection& selection, ControlLayout& layout, SymbolSide& symbols, LoadSinks& sinks)
    : m_design(design), m_host(host), m_shown(shown), m_refresh(refresh), m_selection(selection),
      m_layout(layout), m_symbols(symbols), m_sinks(sinks) {}

void ViewTabs::DisplayTabs() {
    ui::TabStrip& tabs = m_design.TabStrip;
    const bool rebuilt = trap("DisplayTabs", [&] {
        m_shown.setTabsBuilt(false);
        const int32_t rememberedTab = tabs.selectedTab();
        {
            // The renderer hears of the rebuilt tabs once, when they are all there (or when a failure ends
            // the rebuild), and before the tab change below runs.
            const ui::UpdateBatch tabsBatch(tabs);

            for (int32_t index : m_design.rwlvStockpile.indexes()) {
                if (index >= 2) {
                    m_design.rwlvStockpile.Unload(index);
                }
            }
            m_design.rwlvStockpile[1].clearItems();

            // The old tabs go before the host is asked for the new ones: their list elements are gone
            // already, and a failure below must not leave tabs standing for views of another page or load.
            tabs.clearTabs();
            tabs.addTab(StockpileDesign::OptionsCaption);

            const auto organisation = m_host.organisation(m_shown.SelectedOrganisation());
            const std::string organisationName = deref(organisation).Name();
            const auto views = organisation->Views();

            const PageViews page =
                viewsOnPage(deref(views).Count(), m_shown.pageCount(), m_shown.currentPage());
            for (int32_t i = 1; i <= page.count; ++i) {
                const auto view = views->Item(checked::add(page.first - 1, i));
                tabs.addTab(deref(view).Name());
                m_shown.registerView(organisationName + "/" + view->Id());
                if (i > 1) {
                    m_design.rwlvStockpile.Load(i);
                }
            }
        }

        m_shown.setTabsBuilt(true);
        // A tab position the rebuilt page no longer has (fewer views after a refresh, a shorter page) falls
        // back to the Options tab; otherwise the Options tab would stay selected without its frames shown.
        tabs.selectTab(rememberedTab <= tabs.tabCount() ? rememberedTab : 1); // runs the tab change
    });
    if (!rebuilt && tabs.selectedTab() >= 1) {
        // The tabs built so far stay; the page shown must be the selected tab's (the Options frames, not
        // the list frame of the tab that was selected before the rebuild).
        trap("DisplayTabs", [&] { tabs.selectTab(tabs.selectedTab()); });
    }
}

void ViewTabs::TabStrip_Click() {
    m_design.owner.setMousePointer(ui::pointer::Hourglass);
    m_refresh.timerOff();
    const int32_t p = m_design.TabStrip.selectedTab() - 1;
    m_selection.DeSelect(m_iPreviousTab);

    if (p > 0) {
        m_design.fraOrganise.setVisible(false);
        m_design.fraFilter.setVisible(false);
        m_design.fraRefresh.setVisible(false);
        m_design.fraPage.setVisible(false);
        m_design.fraRWLView.setVisible(true);
        const bool loading = m_symbols.RefreshSymbolsForTabChange();
        // A refresh whose objects will not be loaded ends here; it would otherwise wait for ever.
        if (!loading && m_refresh.refreshing()) {
            m_refresh.refreshEnded();
        }
        for (int32_t index : m_design.rwlvStockpile.indexes()) {
            ui::RWListView& list = m_design.rwlvStockpile[index];
            if (index == p && m_design.HasNameProperty(index)) {
                m_layout.ResizerwlvStockpile(index);
                list.setVisible(true);
                list.setToolTipText("Select an object.");
            } else {
                list.setVisible(false);
            }
        }
    } else {
        for (int32_t index : m_design.rwlvStockpile.indexes()) {
            m_design.rwlvStockpile[index].setVisible(false);
        }
        m_design.fraOrganise.setVisible(true);
        m_design.fraFilter.setVisible(true);
        m_design.fraRefresh.setVisible(true);
        m_design.fraRWLView.setVisible(false);
        m_design.fraPage.setVisible(showsPageFrame(m_shown.pageCount()));
        ui::currentDesktop().DoEvents();
        m_design.owner.setMousePointer(ui::pointer::Default);
    }

    m_iPreviousTab = p;
    m_refresh.timerOn();
}

} // namespace kv380
