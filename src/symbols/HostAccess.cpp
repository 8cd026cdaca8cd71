// The host services the symbol code reaches through the application object, and the view reload.
#include "control/ctlStockpile.h"

#include "host/HostDocuments.h"
#include "platform/convert/Convert.h"
#include "platform/ui/MousePointer.h"

namespace kv380 {

std::shared_ptr<IKVDwgApp> ctlStockpile::DwgApp() {
    std::shared_ptr<IKVDwgApp> result;
    guarded("ctlStockpile::DwgApp", [&] { result = as<IKVDwgApp>(deref(m_oApplication).DatabaseServer()); });
    return result;
}

void ctlStockpile::RefreshSymbols() {
    // Failures before the reload starts reach the caller.
    const auto dwgApp = DwgApp();
    const bool ready = deref(deref(dwgApp).WorkSpace()).Status() == 3 && m_bTabsBuilt;
    if (ready && SelectedOrganisation() >= 1 && SelectedView() >= 1) {
        guarded("ctlStockpile::RefreshSymbols", [&] {
            tmrRefreshMePlease.setEnabled(false);
            const auto views =
                deref(deref(deref(m_oWorkspace).Organisations()).Item(SelectedOrganisation())).Views();
            if (deref(views).Count() >= 1) {
                const int32_t viewIndex = SelectedView();
                const auto view = views->Item(viewIndex);
                if (const auto document = deref(dwgApp->DrawingApplication()).ActiveDocument()) {
                    const auto hostDocument = deref(dwgApp->DocumentMap()).FindDocument(document);
                    if (hostDocument && !hostDocument->DiagramID().empty()) {
                        deref(view).setDiagramID(convert::toLong(hostDocument->DiagramID()));
                    }
                }
                const auto objects = deref(view).PresentedObjects();
                deref(m_oObjColEvents).setPresentedObjects(objects);
                deref(objects).Load(viewIndex);
            }
        });
        tmrRefreshMePlease.setEnabled(true);
    }
    setMousePointer(ui::pointer::Default);
}

} // namespace kv380
