#pragma once

#include "host/DrwApplication.h"
#include "host/HostObjectModel.h"
#include "host/IKVDwgApp.h"
#include "host/ctlSymbolLibrary.h"
#include "settings/Settings.h"

#include <cstdint>
#include <memory>

namespace kv380 {

// The host objects the stock pile is attached to, and its preference object: what every part of the control
// reaches the host through. The control sets them (ApplicationObject, DialogBar) and releases them at
// teardown. Walking from the workspace to an organisation's views is done here, once; each step fails with
// the host's error, or 91 when a link in the chain is nothing.
class HostLinks {
public:
    // The open workspace; obtained when the application object is set.
    std::shared_ptr<IKVWorkspaceModel> m_oWorkspace;
    // The drawing application (the control's ApplicationObject).
    std::shared_ptr<DrwApplication> m_oApplication;
    // The host's dialog bar the control sits in.
    std::shared_ptr<DrwDialogBar> m_oDialogBar;

    // The preference object, created on first use wherever it is read.
    Settings& settings();

    // The workspace's organisations.
    std::shared_ptr<IKVOrganisations> organisations() const;
    // Organisation n (1-based).
    std::shared_ptr<IKVOrganisation> organisation(int32_t n) const;
    // Organisation n's views.
    std::shared_ptr<IKVViews> organisationViews(int32_t n) const;

    // The host's application service: the application's "dbserver" used as IKVDwgApp. A failure is reported
    // with the context "ctlStockpile::DwgApp" and gives nothing.
    std::shared_ptr<IKVDwgApp> DwgApp() const;
    // The same without the report, for the procedures whose failures reach their caller: 91 without an
    // application, 13 when its "dbserver" is something else.
    std::shared_ptr<IKVDwgApp> reachDwgApp() const;
    // The "Symbol Library" bar's control, reached afresh through the application.
    std::shared_ptr<ctlSymbolLibrary> symbolLibrary() const;

    // Lets go of every host object and of the preference object.
    void release();

private:
    std::unique_ptr<Settings> m_oSettings;
};

} // namespace kv380
