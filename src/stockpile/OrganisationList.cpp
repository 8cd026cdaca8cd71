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
    trap("cmbOrganiseBy_Change", [&] {
        const int32_t n = m_shown.SelectedOrganisation();
        const auto views = m_host.organisationViews(n);
        if (const auto previous = m_sinks.Views()) {
            previous->Unload();
        }
        m_sinks.setViews(views);
        deref(views).Unload();
        views->Load();
    });
}

} // namespace kv380
