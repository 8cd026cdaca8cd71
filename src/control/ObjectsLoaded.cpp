// The host has loaded the shown view's objects: make their symbol paths absolute and fill the list.
#include "control/ctlStockpile.h"

#include "platform/ui/Desktop.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/MsgBoxStyle.h"

namespace kv380 {

void ctlStockpile::m_oObjColEvents_LoadComplete() {
    // Every step runs, whatever the one before did, even when reporting a failure fails: the pointer, the
    // timer and the refresh flag must come back.
    constexpr std::string_view context = "m_oObjColEvents_LoadComplete";
    runEveryStep({
        [&] {
            trap(context, [&] {
                setMousePointer(ui::pointer::Hourglass);
                m_refresh.timerOff();
            });
        },
        [&] {
            trap(context, [&] {
                const int32_t organisationIndex = m_shown.SelectedOrganisation();
                const int32_t viewIndex = m_shown.SelectedView();
                const auto views = m_host.organisationViews(organisationIndex);
                if (viewIndex < 1 || viewIndex > deref(views).Count()) {
                    return;
                }
                const auto view = views->Item(viewIndex);
                std::string message;
                // A failure with nothing to tell (its report is out already) shows no empty box.
                if (!m_symbols.ConvertSymbolsToAbsolutePaths(deref(view), message) && !message.empty()) {
                    ui::currentDesktop().MsgBox(message, ui::msgbox::OKOnly + ui::msgbox::Exclamation,
                                                "Stockpile");
                }
                // The objects are listed all the same; those whose symbol could not be found have none now.
                m_symbols.DisplaySymbols(m_shown.tabPositionOf(viewIndex), *view);
            });
        },
        [&] {
            trap(context, [&] {
                m_refresh.timerOn();
                m_refresh.refreshEnded();
            });
        },
    });
}

} // namespace kv380
