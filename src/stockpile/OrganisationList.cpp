// The organisation list, and what choosing an organisation does.
#include "stockpile/ViewTabs.h"

#include "stockpile/ReportError.h"

namespace kv380 {

bool ViewTabs::PopulateStockpileControl() {
    bool result = false;
    trap("PopulateStockpileControl", [&] {
        const auto organisations = m_host.organisations();
        m_design.cmbOrganiseBy.Clear();
        const int32_t count = deref(organisations).Count();
        for (int32_t i = 1; i <= count; ++i) {
            m_design.cmbOrganiseBy.AddItem(deref(organisations->Item(i)).Name());
        }
        if (m_design.cmbOrganiseBy.ListCount() >= 1) {
            m_design.cmbOrganiseBy.setListIndex(0); // runs cmbOrganiseBy_Change
        }
        result = true;
    });
    return result;
}

void ViewTabs::cmbOrganiseBy_Change() {
    bool following = false;
    trap("cmbOrganiseBy_Change", [&] {
        const int32_t n = m_shown.SelectedOrganisation();
        const auto views = m_host.organisationViews(n);
        if (const auto previous = m_sinks.Views()) {
            previous->Unload();
        }
        m_sinks.setViews(views);
        deref(views).Unload();
        views->Load();
        following = m_sinks.viewsSubscribed();
    });
    if (!following) {
        // The chosen organisation's views will not arrive; the tabs still standing are another
        // organisation's, and choosing one would show a view of this one under its caption.
        showOptionsOnly();
    }
}

void ViewTabs::showOptionsOnly() {
    trap("cmbOrganiseBy_Change", [&] {
        m_shown.setTabsBuilt(false);
        for (int32_t index : m_design.rwlvStockpile.indexes()) {
            if (index >= 2) {
                m_design.rwlvStockpile.Unload(index);
            }
        }
        m_design.rwlvStockpile[1].clearItems();
        while (m_design.TabStrip.tabCount() >= 2) {
            m_design.TabStrip.removeTab(2);
        }
        m_design.TabStrip.selectTab(1); // runs the tab change: the Options page
    });
}

} // namespace kv380
