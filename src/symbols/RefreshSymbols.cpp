// Reloading the shown view's objects from the host.
#include "symbols/SymbolSide.h"

#include "host/HostDocuments.h"
#include "platform/convert/Convert.h"
#include "platform/ui/MousePointer.h"
#include "stockpile/ReportError.h"

namespace kv380 {

void SymbolSide::RefreshSymbols() {
    // Failures before the reload starts reach the caller: without the database server that is 91.
    reloadShownView(m_host.DwgApp());
}

bool SymbolSide::RefreshSymbolsForTabChange() {
    const auto dwgApp = m_host.DwgApp();
    bool requested = false;
    // Without the database server DwgApp has reported why; saying it again would be a second report of
    // one fault.
    const bool completed = dwgApp && trap("TabStrip_Click", [&] { requested = reloadShownView(dwgApp); });
    if (!completed) {
        m_design.owner.setMousePointer(ui::pointer::Default);
    }
    return requested;
}

bool SymbolSide::reloadShownView(const std::shared_ptr<IKVDwgApp>& dwgApp) {
    bool requested = false;
    const bool ready = deref(deref(dwgApp).WorkSpace()).Status() == 3 && m_shown.tabsBuilt();
    if (ready && m_shown.SelectedOrganisation() >= 1 && m_shown.SelectedView() >= 1) {
        guarded("ctlStockpile::RefreshSymbols", [&] {
            m_refresh.timerOff();
            const auto views = m_shown.selectedViews();
            if (deref(views).Count() >= 1) {
                const int32_t viewIndex = m_shown.SelectedView();
                const auto view = views->Item(viewIndex);
                if (const auto document = deref(dwgApp->DrawingApplication()).ActiveDocument()) {
                    const auto hostDocument = deref(dwgApp->DocumentMap()).FindDocument(document);
                    if (hostDocument && !hostDocument->DiagramID().empty()) {
                        deref(view).setDiagramID(convert::toLong(hostDocument->DiagramID()));
                    }
                }
                const auto objects = deref(view).PresentedObjects();
                m_sinks.setPresentedObjects(objects);
                deref(objects).Load(viewIndex);
                // A refused subscription has been reported by the sink: this load's completion will not come.
                requested = m_sinks.objectsSubscribed();
            }
        });
        m_refresh.timerOn();
    }
    m_design.owner.setMousePointer(ui::pointer::Default);
    return requested;
}

} // namespace kv380
