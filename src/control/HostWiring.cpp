// How the control attaches to its host: the application object, the dialog bar, the workspace events.
#include "control/ctlStockpile.h"

#include "host/IKVEventSource.h"
#include "host/ctlSymbolLibrary.h"

#include <pugixml.hpp>

namespace kv380 {

std::shared_ptr<DrwApplication> ctlStockpile::ApplicationObject() {
    return m_oApplication;
}

void ctlStockpile::setApplicationObject(std::shared_ptr<DrwApplication> application) {
    trap("Set ApplicationObject", [&] {
        m_oApplication = std::move(application);
        std::shared_ptr<IKVDwgApp> dwgApp;
        if (m_oApplication) {
            dwgApp = as<IKVDwgApp>(m_oApplication->DatabaseServer());
            deref(m_oWorkSpaceEvents).setWorkSpaceEvents(dwgApp->WorkspaceEventSource());
        }
        // Without an application there is no database server to ask: that failure is reported, and the
        // workspace held so far stays.
        m_oWorkspace = deref(dwgApp).WorkspaceModel();
    });
}

std::shared_ptr<DrwDialogBar> ctlStockpile::DialogBar() {
    return m_oDialogBar;
}

void ctlStockpile::setDialogBar(std::shared_ptr<DrwDialogBar> bar) {
    m_oDialogBar = std::move(bar);
}

void ctlStockpile::SaveVisibility() {
    settings().setStockpileVisible(deref(m_oDialogBar).Visible());
}

void ctlStockpile::RestoreVisibility() {
    deref(m_oDialogBar).setVisible(settings().StockpileVisible());
}

void ctlStockpile::m_oWorkSpaceEvents_OnWorkSpaceOpen() {
    const auto organisations = deref(m_oWorkspace).Organisations();
    deref(m_oOrgEvents).setOrganisations(organisations);
    deref(organisations).Load();
    if (!m_oSymbolLibraryList) {
        m_oSymbolLibraryList = symbolLibraryControl(deref(m_oApplication))->SymbolLibraryList();
    }
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
    deref(m_oOrgEvents).setOrganisations(nullptr);
    deref(m_oViewsEvents).setViews(nullptr);
    deref(m_oObjColEvents).setPresentedObjects(nullptr);
}

void ctlStockpile::m_oOrgEvents_LoadComplete() {
    PopulateStockpileControl();
}

} // namespace kv380
