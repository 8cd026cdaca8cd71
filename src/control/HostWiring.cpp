// How the control attaches to its host: the application object, the dialog bar, the workspace events.
#include "control/ctlStockpile.h"

#include "host/IKVEventSource.h"

namespace kv380 {

std::shared_ptr<DrwApplication> ctlStockpile::ApplicationObject() {
    return m_host.m_oApplication;
}

void ctlStockpile::setApplicationObject(std::shared_ptr<DrwApplication> application) {
    trap("Set ApplicationObject", [&] {
        m_host.m_oApplication = std::move(application);
        std::shared_ptr<IKVDwgApp> dwgApp;
        if (m_host.m_oApplication) {
            dwgApp = as<IKVDwgApp>(m_host.m_oApplication->DatabaseServer());
            deref(m_sinks.m_oWorkSpaceEvents).setWorkSpaceEvents(dwgApp->WorkspaceEventSource());
        }
        // Without an application there is no database server to ask: that failure is reported, and the
        // workspace held so far stays.
        m_host.m_oWorkspace = deref(dwgApp).WorkspaceModel();
    });
}

void ctlStockpile::SaveVisibility() {
    m_host.settings().setStockpileVisible(deref(m_host.m_oDialogBar).Visible());
}

void ctlStockpile::RestoreVisibility() {
    deref(m_host.m_oDialogBar).setVisible(m_host.settings().StockpileVisible());
}

void ctlStockpile::m_oWorkSpaceEvents_OnWorkSpaceOpen() {
    // A workspace that could not be read when the application was attached (reported then) is read now:
    // otherwise every workspace opened later would fail the same way.
    if (!m_host.m_oWorkspace && m_host.m_oApplication) {
        m_host.m_oWorkspace = deref(as<IKVDwgApp>(m_host.m_oApplication->DatabaseServer())).WorkspaceModel();
    }
    const auto organisations = m_host.organisations();
    deref(m_sinks.m_oOrgEvents).setOrganisations(organisations);
    deref(organisations).Load();
    m_symbols.fetchSymbolLibraryList();
}

void ctlStockpile::m_oWorkSpaceEvents_OnWorkSpaceConfigure() {}

void ctlStockpile::m_oWorkSpaceEvents_OnWorkSpaceClose() {
    trap("m_oWorkSpaceEvents_OnWorkSpaceClose", [&] {
        fraOrganise.setVisible(true);
        fraFilter.setVisible(true);
        fraRefresh.setVisible(true);
        fraRWLView.setVisible(false);
        fraPage.setVisible(false);
        cmbOrganiseBy.Clear();
        while (TabStrip.tabCount() >= 2) {
            TabStrip.removeTab(2);
        }
    });
    // The closed workspace's collections are let go of, so that the next organisation chosen does not
    // unload views of a workspace that no longer exists. Each sink reports its own failures.
    deref(m_sinks.m_oOrgEvents).setOrganisations(nullptr);
    deref(m_sinks.m_oViewsEvents).setViews(nullptr);
    deref(m_sinks.m_oObjColEvents).setPresentedObjects(nullptr);
}

void ctlStockpile::m_oOrgEvents_LoadComplete() {
    m_tabs.PopulateStockpileControl();
}

} // namespace kv380
