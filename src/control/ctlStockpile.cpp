#include "control/ctlStockpile.h"

#include "settings/CharSetUtils.h"
#include "stockpile/AccessibleTexts.h"
#include "stockpile/EntryFeedback.h"

namespace kv380 {

ctlStockpile::ctlStockpile()
    : ui::UserControl("ctlStockpile"), StockpileDesign(static_cast<ui::UserControl&>(*this)) {
    describeForAccessibility(*this);
    wireEvents();
    initialize();
}

ctlStockpile::~ctlStockpile() {
    try {
        terminate();
    } catch (...) {
        // Only a failing error report gets here, after every step of the teardown has run; a destructor
        // cannot pass it on.
    }
    // The timers must not tick into a control that is going away.
    tmrRefreshMePlease.Tick = nullptr;
    tmrGenerateEvents.Tick = nullptr;
}

std::function<void()> ctlStockpile::boundary(std::string_view handler, std::function<void()> procedure) {
    return [handler, procedure = std::move(procedure)] { trap(handler, procedure); };
}

void ctlStockpile::wireEvents() {
    Initialize = boundary("UserControl_Initialize", [this] { UserControl_Initialize(); });
    Terminate = boundary("UserControl_Terminate", [this] { UserControl_Terminate(); });
    Resize = boundary("UserControl_Resize", [this] { m_layout.UserControl_Resize(); });
    Hide = boundary("UserControl_Hide", [this] { UserControl_Hide(); });

    cmbOrganiseBy.Click = boundary("cmbOrganiseBy_Change", [this] { m_tabs.cmbOrganiseBy_Change(); });
    TabStrip.Click = boundary("TabStrip_Click", [this] {
        m_tabs.TabStrip_Click();
        m_keys.tabShown(m_shown.tabPosition());
    });
    txtPageNo.Change = boundary("txtPageNo_Change", [this] { m_tabs.txtPageNo_Change(); });
    txtPageNo.EditFinished = boundary("txtPageNo_EditFinished", [this] { m_tabs.txtPageNo_EditFinished(); });
    // The filter is applied when a view is listed; meanwhile the box says whether the pattern is usable.
    txtFilterBy.Change = boundary("txtFilterBy_Change",
                                  [this] { txtFilterBy.setErrorMark(filterProblem(txtFilterBy.Text())); });
    KeyDown = [this](int& keyCode, int shift, ui::Control* focused) {
        trap("UserControl_KeyDown", [&] { m_keys.UserControl_KeyDown(keyCode, shift, focused); });
    };
    txtRefreshRate.Change = boundary("txtRefreshRate_Change", [this] { m_refresh.txtRefreshRate_Change(); });
    chkAutoRefresh.Click = boundary("chkAutoRefresh_Click", [this] { m_refresh.chkAutoRefresh_Click(); });
    cmdRefresh.Click = boundary("cmdRefresh_Click", [this] { m_refresh.cmdRefresh_Click(); });
    tmrRefreshMePlease.Tick =
        boundary("tmrRefreshMePlease_Timer", [this] { m_refresh.tmrRefreshMePlease_Timer(); });
    tmrGenerateEvents.Tick = boundary("tmrGenerateEvents_Timer", [this] { tmrGenerateEvents_Timer(); });

    // Every list element, the designed one and those loaded per view, shares these handlers.
    rwlvStockpile.setWiring([this](ui::RWListView& list, int index) {
        list.OLEStartDrag = [this, index] { m_selection.rwlvStockpile_OLEStartDrag(index); };
        list.OLECompleteDrag = [this, index](int) { m_selection.rwlvStockpile_OLECompleteDrag(index); };
        // Menus open as the button is released; a press that becomes a drag opens none.
        list.MouseUp = [this, index](int button, int shift, float x, float y) {
            trap("rwlvStockpile_MouseUp", [&] { m_mouse.rwlvStockpile_MouseUp(index, button, shift, x, y); });
        };
    });
}

void ctlStockpile::UserControl_Initialize() {
    AdjustCharset(Controls());
    trap("UserControl_Initialize", [&] {
        m_selection.setDragging(false);
        auto& workspaceEvents = m_sinks.m_oWorkSpaceEvents = std::make_unique<WorkspaceEvent>();
        workspaceEvents->OnWorkSpaceOpen =
            boundary("m_oWorkSpaceEvents_OnWorkSpaceOpen", [this] { m_oWorkSpaceEvents_OnWorkSpaceOpen(); });
        workspaceEvents->OnWorkSpaceConfigure = boundary(
            "m_oWorkSpaceEvents_OnWorkSpaceConfigure", [this] { m_oWorkSpaceEvents_OnWorkSpaceConfigure(); });
        workspaceEvents->OnWorkSpaceClose = boundary("m_oWorkSpaceEvents_OnWorkSpaceClose",
                                                     [this] { m_oWorkSpaceEvents_OnWorkSpaceClose(); });

        m_refresh.startUp();

        m_sinks.m_oOrgEvents = std::make_unique<COrganisationsEvent>();
        m_sinks.m_oOrgEvents->LoadComplete =
            boundary("m_oOrgEvents_LoadComplete", [this] { m_oOrgEvents_LoadComplete(); });
        m_sinks.m_oViewsEvents = std::make_unique<CViewsEvent>();
        m_sinks.m_oViewsEvents->LoadComplete =
            boundary("m_oViewsEvents_LoadComplete", [this] { m_tabs.m_oViewsEvents_LoadComplete(); });
        m_sinks.m_oObjColEvents = std::make_unique<CPresentedObjectColEvent>();
        m_sinks.m_oObjColEvents->LoadComplete =
            boundary("m_oObjColEvents_LoadComplete", [this] { m_oObjColEvents_LoadComplete(); });

        m_host.m_oDialogBar.reset();
        m_symbols.releaseSymbolLibraryList();
        m_symbols.clearSymbolMaps();
        m_shown.clearViewChoices();
        m_shown.setPageCount(1);
        m_shown.setCurrentPage(1);
    });
}

void ctlStockpile::UserControl_Terminate() {
    // Every step runs, whatever the one before did, even when reporting a failure fails: a host that has
    // already gone must not keep the control from letting go of the rest.
    runEveryStep({
        [&] { trap("", [&] { m_refresh.timerOff(); }); },
        [&] {
            trap("", [&] {
                m_host.release();
                m_symbols.clearSymbolMaps();
                m_shown.clearViewChoices();
                m_selection.release();
            });
        },
        [&] {
            trap("", [&] {
                if (m_sinks.m_oOrgEvents) {
                    m_sinks.m_oOrgEvents->setOrganisations(nullptr);
                }
                m_sinks.m_oOrgEvents.reset();
            });
        },
        [&] {
            trap("", [&] {
                if (m_sinks.m_oViewsEvents) {
                    m_sinks.m_oViewsEvents->setViews(nullptr);
                }
                m_sinks.m_oViewsEvents.reset();
            });
        },
        [&] {
            trap("", [&] {
                if (m_sinks.m_oObjColEvents) {
                    m_sinks.m_oObjColEvents->setPresentedObjects(nullptr);
                }
                m_sinks.m_oObjColEvents.reset();
            });
        },
        [&] { trap("", [&] { m_sinks.m_oWorkSpaceEvents.reset(); }); },
    });
}

void ctlStockpile::UserControl_Hide() {
    m_refresh.timerOff();
}

void ctlStockpile::tmrGenerateEvents_Timer() {}

} // namespace kv380
