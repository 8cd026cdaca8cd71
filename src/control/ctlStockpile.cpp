#include "control/ctlStockpile.h"

#include "platform/convert/Convert.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/Pictures.h"
#include "settings/CharSetUtils.h"

namespace kv380 {

ctlStockpile::ctlStockpile()
    : ui::UserControl("ctlStockpile"), TabStrip(add<ui::TabStrip>("TabStrip")),
      fraOrganise(add<ui::Frame>("fraOrganise")),
      cmbOrganiseBy(add<ui::ComboBox>("cmbOrganiseBy", &fraOrganise)),
      Label4(add<ui::Label>("Label4", &fraOrganise)), tmrGenerateEvents(add<ui::Timer>("tmrGenerateEvents")),
      cmdRefresh(add<ui::CommandButton>("cmdRefresh")),
      tmrRefreshMePlease(add<ui::Timer>("tmrRefreshMePlease")), fraRWLView(add<ui::Frame>("fraRWLView")),
      rwlvStockpile(addArray<ui::RWListView>("rwlvStockpile", &fraRWLView)),
      fraFilter(add<ui::Frame>("fraFilter")), txtFilterBy(add<ui::TextBox>("txtFilterBy", &fraFilter)),
      Label2(add<ui::Label>("Label2", &fraFilter)), fraRefresh(add<ui::Frame>("fraRefresh")),
      txtRefreshRate(add<ui::TextBox>("txtRefreshRate", &fraRefresh)),
      UpDown1(add<ui::UpDown>("UpDown1", &fraRefresh)),
      chkAutoRefresh(add<ui::CheckBox>("chkAutoRefresh", &fraRefresh)),
      Label1(add<ui::Label>("Label1", &fraRefresh)), fraPage(add<ui::Frame>("fraPage")),
      txtPageNo(add<ui::TextBox>("txtPageNo", &fraPage)), UpDown2(add<ui::UpDown>("UpDown2", &fraPage)),
      Label3(add<ui::Label>("Label3", &fraPage)), lbTotal(add<ui::Label>("lbTotal", &fraPage)),
      cmdCatchEnterKey(add<ui::CommandButton>("cmdCatchEnterKey")) {
    applyDesign();
    wireEvents();
    initialize();
}

ctlStockpile::~ctlStockpile() {
    terminate();
    // The timers must not tick into a control that is going away.
    tmrRefreshMePlease.Tick = nullptr;
    tmrGenerateEvents.Tick = nullptr;
}

void ctlStockpile::applyDesign() {
    Move(0, 0, 8895, 4275);
    TabStrip.Move(0, 0, 8895, 4275);
    TabStrip.addTab("      Options");

    fraOrganise.Move(120, 120, 5085, 320);
    Label4.Move(120, 60, 1215, 255);
    Label4.setCaption("Organise By");
    cmbOrganiseBy.Move(1440, 0, 3615, 315);

    tmrGenerateEvents.setInterval(200);
    tmrGenerateEvents.setEnabled(true);

    cmdRefresh.Move(0, 3960, 320, 320);
    cmdRefresh.setStyle(ui::CommandButton::Graphical);
    cmdRefresh.setPicture(ui::picture::Refresh);
    cmdRefresh.setToolTipText("Refresh Stockpile");

    tmrRefreshMePlease.setEnabled(false);
    tmrRefreshMePlease.setInterval(20000);

    fraRWLView.Move(120, 1080, 2655, 2295);
    rwlvStockpile[1].Move(240, 360, 255, 255);
    rwlvStockpile[1].setToolTipText("Select an object");

    fraFilter.Move(120, 480, 3765, 320);
    Label2.Move(120, 60, 1215, 255);
    Label2.setCaption("Filter By");
    txtFilterBy.Move(1440, 0, 2250, 315);

    fraRefresh.Move(3960, 720, 3405, 320);
    chkAutoRefresh.Move(0, 60, 1455, 195);
    chkAutoRefresh.setCaption("Auto Refresh?");
    txtRefreshRate.Move(1920, 0, 320, 315);
    UpDown1.Move(2280, 0, 240, 315);
    Label1.Move(2640, 60, 975, 255);
    Label1.setCaption("Seconds");

    fraPage.Move(7440, 720, 2235, 435);
    Label3.Move(200, 60, 395, 255);
    Label3.setCaption("Page");
    txtPageNo.Move(700, 0, 300, 315);
    UpDown2.Move(1000, 0, 240, 315);
    lbTotal.Move(1300, 60, 900, 255);
    lbTotal.setCaption("of # pages");

    for (ui::UpDown* spinner : {&UpDown1, &UpDown2}) {
        spinner->setMin(0);
        spinner->setMax(60);
        spinner->setIncrement(1);
    }
    UpDown1.setBuddyControl(&txtRefreshRate);
    UpDown2.setBuddyControl(&txtPageNo);

    // Enter anywhere in the control presses this button, which does nothing: the host never sees the key.
    // It lies outside the visible area.
    cmdCatchEnterKey.setCaption("Catch Enter Key");
    cmdCatchEnterKey.Move(-2400, 0, 1200, 315);
    cmdCatchEnterKey.setDefault(true);

    // Only the Options tab's frames show until a view tab is chosen.
    fraRWLView.setVisible(false);
    fraPage.setVisible(false);
}

std::function<void()> ctlStockpile::boundary(std::string_view handler, void (ctlStockpile::*procedure)()) {
    return [this, handler, procedure] { trap(handler, [&] { (this->*procedure)(); }); };
}

void ctlStockpile::wireEvents() {
    Initialize = boundary("UserControl_Initialize", &ctlStockpile::UserControl_Initialize);
    Terminate = boundary("UserControl_Terminate", &ctlStockpile::UserControl_Terminate);
    Resize = boundary("UserControl_Resize", &ctlStockpile::UserControl_Resize);
    Hide = boundary("UserControl_Hide", &ctlStockpile::UserControl_Hide);

    cmbOrganiseBy.Click = boundary("cmbOrganiseBy_Change", &ctlStockpile::cmbOrganiseBy_Change);
    TabStrip.Click = boundary("TabStrip_Click", &ctlStockpile::TabStrip_Click);
    txtPageNo.Change = boundary("txtPageNo_Change", &ctlStockpile::txtPageNo_Change);
    txtRefreshRate.Change = boundary("txtRefreshRate_Change", &ctlStockpile::txtRefreshRate_Change);
    chkAutoRefresh.Click = boundary("chkAutoRefresh_Click", &ctlStockpile::chkAutoRefresh_Click);
    cmdRefresh.Click = boundary("cmdRefresh_Click", &ctlStockpile::cmdRefresh_Click);
    tmrRefreshMePlease.Tick = boundary("tmrRefreshMePlease_Timer", &ctlStockpile::tmrRefreshMePlease_Timer);
    tmrGenerateEvents.Tick = boundary("tmrGenerateEvents_Timer", &ctlStockpile::tmrGenerateEvents_Timer);

    // Every list element, the designed one and those loaded per view, shares these handlers.
    rwlvStockpile.setWiring([this](ui::RWListView& list, int index) {
        list.OLEStartDrag = [this, index] { rwlvStockpile_OLEStartDrag(index); };
        list.OLECompleteDrag = [this, index](int) { rwlvStockpile_OLECompleteDrag(index); };
    });
}

void ctlStockpile::UserControl_Initialize() {
    AdjustCharset(Controls());
    trap("UserControl_Initialize", [&] {
        m_bDragging = false;
        m_oWorkSpaceEvents = std::make_unique<WorkspaceEvent>();
        m_oWorkSpaceEvents->OnWorkSpaceOpen =
            boundary("m_oWorkSpaceEvents_OnWorkSpaceOpen", &ctlStockpile::m_oWorkSpaceEvents_OnWorkSpaceOpen);
        m_oWorkSpaceEvents->OnWorkSpaceConfigure =
            boundary("m_oWorkSpaceEvents_OnWorkSpaceConfigure",
                     &ctlStockpile::m_oWorkSpaceEvents_OnWorkSpaceConfigure);
        m_oWorkSpaceEvents->OnWorkSpaceClose = boundary("m_oWorkSpaceEvents_OnWorkSpaceClose",
                                                        &ctlStockpile::m_oWorkSpaceEvents_OnWorkSpaceClose);

        // These assignments run the check box's and the rate box's handlers, as a user's edit would.
        const int32_t rate = settings().RefreshRate();
        if (rate < 1) {
            chkAutoRefresh.setValue(ui::CheckBox::Unchecked);
            txtRefreshRate.setText("0");
        } else {
            txtRefreshRate.setText(std::to_string(rate));
            chkAutoRefresh.setValue(ui::CheckBox::Checked);
        }
        m_lRefreshRate = convert::toLong(txtRefreshRate.Text());

        m_oOrgEvents = std::make_unique<COrganisationsEvent>();
        m_oOrgEvents->LoadComplete =
            boundary("m_oOrgEvents_LoadComplete", &ctlStockpile::m_oOrgEvents_LoadComplete);
        m_oViewsEvents = std::make_unique<CViewsEvent>();
        m_oViewsEvents->LoadComplete =
            boundary("m_oViewsEvents_LoadComplete", &ctlStockpile::m_oViewsEvents_LoadComplete);
        m_oObjColEvents = std::make_unique<CPresentedObjectColEvent>();
        m_oObjColEvents->LoadComplete =
            boundary("m_oObjColEvents_LoadComplete", &ctlStockpile::m_oObjColEvents_LoadComplete);

        m_oDialogBar.reset();
        m_oSymbolLibraryList.reset();
        m_dictSymbolMaps.clear();
        m_ViewSortFlags.clear();
        m_ViewSmallIcons.clear();
        m_iPageCount = 1;
        m_iCurrentPage = 1;
    });
}

void ctlStockpile::UserControl_Terminate() {
    // Every step runs, whatever the one before did: a host that has already gone must not keep the
    // control from letting go of the rest.
    trap("", [&] { tmrRefreshMePlease.setEnabled(false); });
    trap("", [&] {
        m_oWorkspace.reset();
        m_oSettings.reset();
        m_oApplication.reset();
        m_oDialogBar.reset();
        m_dictSymbolMaps.clear();
        m_ViewSortFlags.clear();
        m_ViewSmallIcons.clear();
        m_colSelectedObjects.reset();
        m_colDragDropObjects.reset();
    });
    trap("", [&] {
        if (m_oOrgEvents) {
            m_oOrgEvents->setOrganisations(nullptr);
        }
        m_oOrgEvents.reset();
    });
    trap("", [&] {
        if (m_oViewsEvents) {
            m_oViewsEvents->setViews(nullptr);
        }
        m_oViewsEvents.reset();
    });
    trap("", [&] {
        if (m_oObjColEvents) {
            m_oObjColEvents->setPresentedObjects(nullptr);
        }
        m_oObjColEvents.reset();
    });
    trap("", [&] { m_oWorkSpaceEvents.reset(); });
}

void ctlStockpile::UserControl_Hide() {
    tmrRefreshMePlease.setEnabled(false);
}

void ctlStockpile::tmrGenerateEvents_Timer() {}

void ctlStockpile::ReportError(std::string_view context, const AutomationError& error) {
    reportError(error, context, ClassName);
}

bool ctlStockpile::HasNameProperty(int32_t index) const {
    return rwlvStockpile.exists(index);
}

Settings& ctlStockpile::settings() {
    if (!m_oSettings) {
        m_oSettings = std::make_unique<Settings>();
    }
    return *m_oSettings;
}

std::optional<bool> ctlStockpile::viewSortFlag(const std::string& viewKey) const {
    const auto found = m_ViewSortFlags.find(viewKey);
    if (found == m_ViewSortFlags.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace kv380
