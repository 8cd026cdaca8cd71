#pragma once

#include "control/COrganisationsEvent.h"
#include "control/CPresentedObjectColEvent.h"
#include "control/CViewsEvent.h"
#include "control/WorkspaceEvent.h"
#include "host/DrawingApplication.h"
#include "host/Guarded.h"
#include "host/HostObjectModel.h"
#include "host/IKVDwgApp.h"
#include "host/IKVSymbolInfo.h"
#include "host/ObjectCollection.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UpDown.h"
#include "platform/ui/UserControl.h"
#include "settings/Settings.h"
#include "symbols/SymbolFinder.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace pugi {
class xml_document;
}

namespace kv380 {

// The stock pile: the panel a drawing application docks in a bar. It lists the workspace's organisations,
// one tab per view (254 to a page) and, under each view tab, the view's objects that have a drawing symbol,
// and keeps that list current. The control is its own user control: a renderer draws it, a host sets
// ApplicationObject and DialogBar and calls its public operations.
//
// Every entry from outside (a control's event, a timer tick, a host event through a sink) is trapped at the
// edge: whatever escapes a handler is reported with the handler's name and goes no further.
class ctlStockpile : public ui::UserControl {
public:
    // The class name, which is also the source of the control's error reports.
    static constexpr std::string_view ClassName = "projStockpile.ctlStockpile";

    // Creates the child controls as designed and runs the start-up.
    ctlStockpile();
    // Runs the teardown, which releases every host object.
    ~ctlStockpile() override;

    // --- The public interface, in slot order. ---

    // Any object the host wants to park here; the control itself never reads or writes it.
    std::shared_ptr<HostObject> m_DRWObjectSelected;
    // Stores the dialog bar's visibility as the StockpileVisible preference.
    void SaveVisibility();
    // Shows or hides the dialog bar as the StockpileVisible preference says.
    void RestoreVisibility();
    // The drawing application the control is attached to.
    std::shared_ptr<DrwApplication> ApplicationObject();
    // Attaches the control to a drawing application: its workspace and its workspace events.
    void setApplicationObject(std::shared_ptr<DrwApplication> application);
    // Reloads the shown view's objects from the host.
    void RefreshSymbols();
    // The objects being dragged out of the list: the selection while a drag lasts, else an empty collection.
    std::shared_ptr<ObjectCollection> DragDropObject();
    // The presented objects selected in the shown view's list, read afresh.
    std::shared_ptr<ObjectCollection> SelectedObjects();
    // The host's pixel sizing call; x and y (pixels) are raised to 240 x 100 and written back.
    void ResizeLayout(int32_t& x, int32_t& y);
    // The host's dialog bar the control sits in.
    std::shared_ptr<DrwDialogBar> DialogBar();
    void setDialogBar(std::shared_ptr<DrwDialogBar> bar);
    // The diagram class of the view shown: "PFD" for "All Objects", "Sim" for "All UO Objects", else the
    // view's own class; "" without a view.
    std::string GetDiagramClass();
    // The symbols chosen for an object when a diagram of one class is converted into another: relative
    // symbol paths joined by ";", the first the default; "" when none were chosen.
    std::string GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                             const std::string& sTarget);
    // Replaces the symbols chosen for that conversion (an empty text is kept as such).
    void SetSymbolMap(const std::string& sID, const std::string& sDiagramClass, const std::string& sTarget,
                      const std::string& sPath);
    // Whether the view shown converts into the target class, as the Symbol Library says; false when it
    // cannot say. bSimConversion is set by the Symbol Library.
    bool IsDiagramConversion(const std::string& sTargetClass, bool& bSimConversion);
    // The host made a drawing active: in the "By Plot Area" organisation the shown view follows it.
    void DocumentActivated(const std::string& sDiagramClass, const std::string& sDiagramID);

    // --- Child controls (the design-time form), created in this order: the tab strip first, so the
    // frames and the refresh button lie over it. ---
    ui::TabStrip& TabStrip;
    ui::Frame& fraOrganise;
    ui::ComboBox& cmbOrganiseBy;
    ui::Label& Label4;
    ui::Timer& tmrGenerateEvents;
    ui::CommandButton& cmdRefresh;
    ui::Timer& tmrRefreshMePlease;
    ui::Frame& fraRWLView;
    ui::ControlArray<ui::RWListView>& rwlvStockpile;
    ui::Frame& fraFilter;
    ui::TextBox& txtFilterBy;
    ui::Label& Label2;
    ui::Frame& fraRefresh;
    ui::TextBox& txtRefreshRate;
    ui::UpDown& UpDown1;
    ui::CheckBox& chkAutoRefresh;
    ui::Label& Label1;
    ui::Frame& fraPage;
    ui::TextBox& txtPageNo;
    ui::UpDown& UpDown2;
    ui::Label& Label3;
    ui::Label& lbTotal;
    ui::CommandButton& cmdCatchEnterKey;

    // --- State a host or test may inspect. ---
    int32_t currentPage() const { return m_iCurrentPage; }
    int32_t pageCount() const { return m_iPageCount; }
    int32_t refreshRate() const { return m_lRefreshRate; }
    bool tabsBuilt() const { return m_bTabsBuilt; }
    bool refreshing() const { return m_bRefreshing; }
    bool hasSymbolLibraryList() const { return m_oSymbolLibraryList != nullptr; }
    bool dragging() const { return m_bDragging; }
    // Reads a symbol file's behaviour by placing it on a scratch drawing; nothing when that fails.
    std::shared_ptr<IKVSymbolInfo> GetSymbolBehaviour(const std::string& strSymbolPath);
    // The per-view sort flag for a view key; nothing when the view was never shown.
    std::optional<bool> viewSortFlag(const std::string& viewKey) const;

private:
    // The design-time settings of the children, and the connection of their events to the handlers.
    void applyDesign();
    void wireEvents();
    // Wraps a handler for an entry from outside: what escapes it is reported under the handler's name.
    std::function<void()> boundary(std::string_view handler, void (ctlStockpile::*procedure)());

    // Lifecycle and host wiring.
    void UserControl_Initialize();
    void UserControl_Terminate();
    void UserControl_Hide();
    void m_oWorkSpaceEvents_OnWorkSpaceOpen();
    void m_oWorkSpaceEvents_OnWorkSpaceConfigure();
    void m_oWorkSpaceEvents_OnWorkSpaceClose();
    void m_oOrgEvents_LoadComplete();
    void tmrGenerateEvents_Timer();
    // The control's route to the common error report.
    void ReportError(std::string_view context, const AutomationError& error);
    // A procedure that traps and reports through ReportError with its context text.
    template <class Body> bool trap(std::string_view context, Body&& body) {
        return guarded(context, ClassName, static_cast<Body&&>(body));
    }
    bool HasNameProperty(int32_t index) const;
    Settings& settings();

    // Organisations, tabs and the filter.
    bool PopulateStockpileControl();
    void cmbOrganiseBy_Change();
    void DisplayTabs();
    void TabStrip_Click();
    int32_t SelectedOrganisation();
    int32_t SelectedView();
    std::string SelectedViewKey();
    bool InFilter(const std::string& name);

    // Paging.
    void m_oViewsEvents_LoadComplete();
    void txtPageNo_Change();

    // Refresh.
    void cmdRefresh_Click();
    void tmrRefreshMePlease_Timer();
    void chkAutoRefresh_Click();
    void txtRefreshRate_Change();

    // Selection and dragging out.
    void DeSelect(int32_t index);
    bool SelectedObjects_Clear();
    bool SelectedObjects_Refresh();
    ObjectCollection& selectionCollection();
    void rwlvStockpile_OLEStartDrag(int32_t index);
    void rwlvStockpile_OLECompleteDrag(int32_t index);

    // Layout.
    void UserControl_Resize();
    void ResizerwlvStockpile(int32_t index);
    int32_t GetMyHeight();

    // Symbols.
    std::shared_ptr<IKVDwgApp> DwgApp();
    void m_oObjColEvents_LoadComplete();
    bool ConvertSymbolsToAbsolutePaths(IKVView& view, std::string& strMessage);
    bool ConvertSymbolPath(IKVPresentedObject& object, SymbolFinder& finder,
                           const std::string& strRootDirectory, std::string& strMessage);
    void DisplaySymbols(int32_t tabPosition, IKVView& view);
    void EnsureMapSymbolFirst(IKVPresentedObject& object, const std::string& sourceClass,
                              const std::string& targetClass);

    // Members, in declaration order of the original.
    std::shared_ptr<IKVWorkspaceModel> m_oWorkspace;
    std::unique_ptr<Settings> m_oSettings;
    std::shared_ptr<DrwApplication> m_oApplication;
    bool m_bTabsBuilt{false};
    int32_t m_iPreviousTab{0};
    std::shared_ptr<DrwDialogBar> m_oDialogBar;
    int32_t m_lRefreshRate{0};
    std::shared_ptr<ObjectCollection> m_colSelectedObjects;
    std::shared_ptr<ObjectCollection> m_colDragDropObjects;
    std::shared_ptr<pugi::xml_document> m_oSymbolLibraryList;
    std::map<std::string, std::string> m_dictSymbolMaps;
    std::map<std::string, bool> m_ViewSortFlags;
    std::set<std::string> m_ViewSmallIcons;
    bool m_bDragging{false};
    int32_t m_iCurrentPage{1};
    int32_t m_iPageCount{1};
    bool m_bRefreshing{false};
    std::unique_ptr<COrganisationsEvent> m_oOrgEvents;
    std::unique_ptr<CViewsEvent> m_oViewsEvents;
    std::unique_ptr<CPresentedObjectColEvent> m_oObjColEvents;
    std::unique_ptr<WorkspaceEvent> m_oWorkSpaceEvents;
};

} // namespace kv380
