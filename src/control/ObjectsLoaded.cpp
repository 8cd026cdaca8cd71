// The host has loaded the shown view's objects: make their symbol paths absolute and fill the list.
#include "control/ctlStockpile.h"

#include "platform/ui/Desktop.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/MsgBoxStyle.h"
#include "stockpile/Paging.h"

namespace kv380 {

void ctlStockpile::m_oObjColEvents_LoadComplete() {
    // Every step runs, whatever the one before did: the pointer and the timer must come back.
    constexpr std::string_view context = "m_oObjColEvents_LoadComplete";
    trap(context, [&] {
        setMousePointer(ui::pointer::Hourglass);
        tmrRefreshMePlease.setEnabled(false);
    });
    trap(context, [&] {
        const int32_t organisationIndex = SelectedOrganisation();
        const int32_t viewIndex = SelectedView();
        const auto views = deref(deref(deref(m_oWorkspace).Organisations()).Item(organisationIndex)).Views();
        if (viewIndex < 1 || viewIndex > deref(views).Count()) {
            return;
        }
        const auto view = views->Item(viewIndex);
        std::string message;
        if (!ConvertSymbolsToAbsolutePaths(deref(view), message)) {
            ui::currentDesktop().MsgBox(message, ui::msgbox::OKOnly + ui::msgbox::Exclamation, "Stockpile");
        }
        // The objects are listed all the same; those whose symbol could not be found have none now.
        DisplaySymbols(tabPositionOfView(viewIndex, m_iCurrentPage), *view);
    });
    trap(context, [&] {
        tmrRefreshMePlease.setEnabled(true);
        m_bRefreshing = false;
        setMousePointer(ui::pointer::Default);
    });
}

} // namespace kv380
