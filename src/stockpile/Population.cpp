// The organisation list, the view tabs with their list elements, and the filter.
#include "control/ctlStockpile.h"

#include "platform/convert/Checked.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MousePointer.h"
#include "stockpile/Paging.h"
#include "stockpile/Wildcard.h"

namespace kv380 {

namespace {
constexpr const char* kOptionsCaption = "      Options";
}

bool ctlStockpile::PopulateStockpileControl() {
    bool result = false;
    trap("PopulateStockpileControl", [&] {
        const auto organisations = deref(m_oWorkspace).Organisations();
        cmbOrganiseBy.Clear();
        const int32_t count = deref(organisations).Count();
        for (int32_t i = 1; i <= count; ++i) {
            cmbOrganiseBy.AddItem(deref(organisations->Item(i)).Name());
        }
        if (cmbOrganiseBy.ListCount() >= 1) {
            cmbOrganiseBy.setListIndex(0); // runs cmbOrganiseBy_Change
        }
        result = true;
    });
    return result;
}

void ctlStockpile::cmbOrganiseBy_Change() {
    trap("cmbOrganiseBy_Change", [&] {
        const int32_t n = SelectedOrganisation();
        const auto views = deref(deref(deref(m_oWorkspace).Organisations()).Item(n)).Views();
        if (const auto previous = deref(m_oViewsEvents).Views()) {
            previous->Unload();
        }
        deref(m_oViewsEvents).setViews(views);
        deref(views).Unload();
        views->Load();
    });
}

void ctlStockpile::DisplayTabs() {
    trap("DisplayTabs", [&] {
        m_bTabsBuilt = false;
        const int32_t rememberedTab = TabStrip.selectedTab();

        for (int32_t index : rwlvStockpile.indexes()) {
            if (index >= 2) {
                rwlvStockpile.Unload(index);
            }
        }
        rwlvStockpile[1].clearItems();

        const auto organisation = deref(deref(m_oWorkspace).Organisations()).Item(SelectedOrganisation());
        const std::string organisationName = deref(organisation).Name();
        const auto views = organisation->Views();

        TabStrip.clearTabs();
        TabStrip.addTab(kOptionsCaption);

        const PageViews page = viewsOnPage(deref(views).Count(), m_iPageCount, m_iCurrentPage);
        for (int32_t i = 1; i <= page.count; ++i) {
            const auto view = views->Item(checked::add(page.first - 1, i));
            TabStrip.addTab(deref(view).Name());
            const std::string viewKey = organisationName + "/" + view->Id();
            m_ViewSortFlags.try_emplace(viewKey, false);
            if (i > 1) {
                rwlvStockpile.Load(i);
            }
        }

        m_bTabsBuilt = true;
        // A tab position the rebuilt page no longer has (fewer views after a refresh, a shorter page) falls
        // back to the Options tab; otherwise the Options tab would stay selected without its frames shown.
        TabStrip.selectTab(rememberedTab <= TabStrip.tabCount() ? rememberedTab : 1); // runs the tab change
    });
}

void ctlStockpile::TabStrip_Click() {
    setMousePointer(ui::pointer::Hourglass);
    tmrRefreshMePlease.setEnabled(false);
    const int32_t p = TabStrip.selectedTab() - 1;
    DeSelect(m_iPreviousTab);

    if (p > 0) {
        fraOrganise.setVisible(false);
        fraFilter.setVisible(false);
        fraRefresh.setVisible(false);
        fraPage.setVisible(false);
        fraRWLView.setVisible(true);
        RefreshSymbols();
        for (int32_t index : rwlvStockpile.indexes()) {
            if (index == p && HasNameProperty(index)) {
                ResizerwlvStockpile(index);
                rwlvStockpile[index].setVisible(true);
                rwlvStockpile[index].setToolTipText("Select an object.");
            } else {
                rwlvStockpile[index].setVisible(false);
            }
        }
    } else {
        for (int32_t index : rwlvStockpile.indexes()) {
            rwlvStockpile[index].setVisible(false);
        }
        fraOrganise.setVisible(true);
        fraFilter.setVisible(true);
        fraRefresh.setVisible(true);
        fraRWLView.setVisible(false);
        fraPage.setVisible(showsPageFrame(m_iPageCount));
        ui::currentDesktop().DoEvents();
        setMousePointer(ui::pointer::Default);
    }

    m_iPreviousTab = p;
    tmrRefreshMePlease.setEnabled(true);
}

int32_t ctlStockpile::SelectedOrganisation() {
    int32_t result = 0;
    trap("SelectedOrganisation", [&] { result = checked::add(cmbOrganiseBy.ListIndex(), 1); });
    return result;
}

int32_t ctlStockpile::SelectedView() {
    int32_t result = 0;
    trap("SelectedView", [&] { result = viewNumber(m_iCurrentPage, TabStrip.selectedTab()); });
    return result;
}

std::string ctlStockpile::SelectedViewKey() {
    const int32_t organisationIndex = SelectedOrganisation();
    const int32_t viewIndex = SelectedView();
    if (organisationIndex < 1 || viewIndex < 1) {
        return {};
    }
    const auto organisation = deref(deref(m_oWorkspace).Organisations()).Item(organisationIndex);
    return deref(organisation).Name() + "/" + deref(deref(organisation->Views()).Item(viewIndex)).Id();
}

bool ctlStockpile::InFilter(const std::string& name) {
    bool result = false;
    trap("InFilter", [&] { result = passesFilter(name, txtFilterBy.Text()); });
    return result;
}

} // namespace kv380
