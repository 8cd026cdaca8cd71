#include "stockpile/HostLinks.h"

#include "host/Guarded.h"

namespace kv380 {

Settings& HostLinks::settings() {
    if (!m_oSettings) {
        m_oSettings = std::make_unique<Settings>();
    }
    return *m_oSettings;
}

std::shared_ptr<IKVOrganisations> HostLinks::organisations() const {
    return deref(m_oWorkspace).Organisations();
}

std::shared_ptr<IKVOrganisation> HostLinks::organisation(int32_t n) const {
    return deref(organisations()).Item(n);
}

std::shared_ptr<IKVViews> HostLinks::organisationViews(int32_t n) const {
    return deref(organisation(n)).Views();
}

std::shared_ptr<IKVDwgApp> HostLinks::DwgApp() const {
    std::shared_ptr<IKVDwgApp> result;
    guarded("ctlStockpile::DwgApp", [&] { result = reachDwgApp(); });
    return result;
}

std::shared_ptr<IKVDwgApp> HostLinks::reachDwgApp() const {
    return as<IKVDwgApp>(deref(m_oApplication).DatabaseServer());
}

std::shared_ptr<ctlSymbolLibrary> HostLinks::symbolLibrary() const {
    return symbolLibraryControl(deref(m_oApplication));
}

void HostLinks::release() {
    m_oWorkspace.reset();
    m_oSettings.reset();
    m_oApplication.reset();
    m_oDialogBar.reset();
}

} // namespace kv380
