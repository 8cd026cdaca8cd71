#pragma once

#include "control/StockpileSinks.h"
#include "host/DrwApplication.h"
#include "host/IKVSymbolInfo.h"
#include "host/ObjectCollection.h"
#include "platform/ui/UserControl.h"
#include "stockpile/ControlLayout.h"
#include "stockpile/HostLinks.h"
#include "stockpile/ListMouse.h"
#include "stockpile/ListSelection.h"
#include "stockpile/RefreshChain.h"
#include "stockpile/ReportError.h"
#include "stockpile/ShownView.h"
#include "stockpile/StockpileDesign.h"
#include "stockpile/StockpileKeyboard.h"
#include "stockpile/ViewTabs.h"
#include "symbols/ObjectSymbols.h"
#include "symbols/StockPileSymbolMap.h"
#include "symbols/SymbolSide.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kv380 {

// The stock pile: the panel a drawing application docks in a bar. It lists the workspace's organisations,
// one tab per view (254 to a page) and, under each view tab, the view's objects that have a drawing symbol,
// and keeps that list current. The control is its own user control: a renderer draws it, a host sets
// ApplicationObject and DialogBar and calls its public operations.
//
// This class is the front: the public operations (each a forward to the collaborator that holds the
// procedure), the child controls of its design, the host wiring, the lifecycle, and the boundary that traps
// every entry from outside (a control's event, a timer tick, a host event through a sink): whatever escapes
// a handler is reported with the handler's name and goes no further. The state and the procedures live in
// the collaborators below, each in the folder of its subsystem.
class ctlStockpile : public ui::UserControl, public StockpileDesign, public StockPileSymbolMap {
public:
    // The class name, which is also the source of the control's error reports.
    static constexpr std::string_view ClassName = StockpileClassName;

    // Creates the child controls as designed and runs the start-up.
    ctlStockpile();
    // Runs the teardown, which releases every host object. Nothing thrown in it leaves the destructor.
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
    void RefreshSymbols() { m_symbols.RefreshSymbols(); }
    // The objects being dragged out of the list: the selection while a drag lasts, else an empty collection.
    std::shared_ptr<ObjectCollection> DragDropObject() { return m_selection.DragDropObject(); }
    // The presented objects selected in the shown view's list, read afresh.
    std::shared_ptr<ObjectCollection> SelectedObjects() { return m_selection.SelectedObjects(); }
    // The host's pixel sizing call; x and y (pixels) are raised to 240 x 100 (at 96 dots per inch) and
    // written back.
    void ResizeLayout(int32_t& x, int32_t& y) { m_layout.ResizeLayout(x, y); }
    // The host's dialog bar the control sits in.
    std::shared_ptr<DrwDialogBar> DialogBar() { return m_host.m_oDialogBar; }
    void setDialogBar(std::shared_ptr<DrwDialogBar> bar) { m_host.m_oDialogBar = std::move(bar); }
    // The first object of the shown view whose identifier (or, with bSearchMapped, map reference) is
    // strObject; strSymbol receives its map symbol (bMappedSymbol) or its own symbol. Nothing when none
    // matches or the host fails.
    std::shared_ptr<IKVPresentedObject> GetObjectSymbol(const std::string& strObject, std::string& strSymbol,
                                                        bool bMappedSymbol, bool bSearchMapped = false) {
        return m_objects.GetObjectSymbol(strObject, strSymbol, bMappedSymbol, bSearchMapped);
    }
    // With one object selected that has a map symbol: true, and strSymbol receives it.
    bool GetSimObjectMapSymbol(std::string& strSymbol) { return m_objects.GetSimObjectMapSymbol(strSymbol); }
    // The map reference of the one selected object, else "".
    std::string GetSimObjectMapReference() { return m_objects.GetSimObjectMapReference(); }
    // The map reference of an object of the shown list, else "".
    std::string GetObjectMapReference(const std::string& strId) {
        return m_objects.GetObjectMapReference(strId);
    }
    // Writes the map reference of an object of the shown list.
    void SetObjectMapReference(const std::string& strId, const std::string& strMapReference) {
        m_objects.SetObjectMapReference(strId, strMapReference);
    }
    // A connection of the shown list described by its name and the names of its ends, leaving out the end
    // it is dropped onto; "" when it is not listed.
    std::string GetConnectionInfo(const std::string& strId, const std::string& strEndObject) {
        return m_objects.GetConnectionInfo(strId, strEndObject);
    }
    // The object's next alternative symbol after strOldSymbol for the active drawing, or "".
    std::string GetNextObjectSymbol(const std::string& strObject, const std::string& strOldSymbol) {
        return m_objects.GetNextObjectSymbol(strObject, strOldSymbol);
    }
    // The diagram class of the view shown: "PFD" for "All Objects", "Sim" for "All UO Objects", else the
    // view's own class; "" without a view.
    std::string GetDiagramClass() override { return m_symbols.GetDiagramClass(); }
    // The default symbol to place an object with on a drawing of class sTarget; with sServerID "" the one
    // dragged object, whose identifier sServerID then receives. "" when there is none or anything fails.
    std::string GetMappedSymbol(const std::string& sTarget, std::string& sServerID) {
        return m_objects.GetMappedSymbol(sTarget, sServerID);
    }
    // The symbols chosen for an object when a diagram of one class is converted into another: relative
    // symbol paths joined by ";", the first the default; "" when none were chosen.
    std::string GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                             const std::string& sTarget) override {
        return m_symbols.GetSymbolMap(sID, sDiagramClass, sTarget);
    }
    // Replaces the symbols chosen for that conversion (an empty text is kept as such).
    void SetSymbolMap(const std::string& sID, const std::string& sDiagramClass, const std::string& sTarget,
                      const std::string& sPath) override {
        m_symbols.SetSymbolMap(sID, sDiagramClass, sTarget, sPath);
    }
    // Whether the view shown converts into the target class, as the Symbol Library says; false when it
    // cannot say. bSimConversion is set by the Symbol Library.
    bool IsDiagramConversion(const std::string& sTargetClass, bool& bSimConversion) {
        return m_symbols.IsDiagramConversion(sTargetClass, bSimConversion);
    }
    // The host made a drawing active: in the "By Plot Area" organisation the shown view follows it.
    void DocumentActivated(const std::string& sDiagramClass, const std::string& sDiagramID) {
        m_symbols.DocumentActivated(sDiagramClass, sDiagramID);
    }

    // Not a slot: the host's hook for Enter on an object of the list (see _ctlStockpile).
    void setPlaceObjectHook(StockpileKeyboard::PlaceObjectHook hook) {
        m_keys.setPlaceObjectHook(std::move(hook));
    }

    // --- State a host or test may inspect. ---
    int32_t currentPage() const { return m_shown.currentPage(); }
    int32_t pageCount() const { return m_shown.pageCount(); }
    int32_t refreshRate() const { return m_refresh.refreshRate(); }
    bool tabsBuilt() const { return m_shown.tabsBuilt(); }
    bool refreshing() const { return m_refresh.refreshing(); }
    bool hasSymbolLibraryList() const { return m_symbols.hasSymbolLibraryList(); }
    bool dragging() const { return m_selection.dragging(); }
    // Reads a symbol file's behaviour by placing it on a scratch drawing; nothing when that fails.
    std::shared_ptr<IKVSymbolInfo> GetSymbolBehaviour(const std::string& strSymbolPath) {
        return m_symbols.GetSymbolBehaviour(strSymbolPath);
    }
    // The per-view sort flag for a view key; nothing when the view was never shown.
    std::optional<bool> viewSortFlag(const std::string& viewKey) const { return m_shown.sortFlag(viewKey); }

private:
    void wireEvents();
    // Wraps a handler for an entry from outside: what escapes it is reported under the handler's name.
    std::function<void()> boundary(std::string_view handler, std::function<void()> procedure);

    // Lifecycle and host wiring.
    void UserControl_Initialize();
    void UserControl_Terminate();
    void UserControl_Hide();
    void m_oWorkSpaceEvents_OnWorkSpaceOpen();
    void m_oWorkSpaceEvents_OnWorkSpaceConfigure();
    void m_oWorkSpaceEvents_OnWorkSpaceClose();
    void m_oOrgEvents_LoadComplete();
    void m_oObjColEvents_LoadComplete();
    void tmrGenerateEvents_Timer();

    // The collaborators, in the order they are built (each may use those above it).
    HostLinks m_host;
    StockpileSinks m_sinks;
    ShownView m_shown{*this, m_host};
    ListSelection m_selection{*this};
    RefreshChain m_refresh{*this, m_host, m_shown, m_sinks};
    ControlLayout m_layout{*this, m_host};
    SymbolSide m_symbols{*this, m_host, m_shown, m_selection, m_refresh, m_sinks};
    ViewTabs m_tabs{*this, m_host, m_shown, m_refresh, m_selection, m_layout, m_symbols, m_sinks};
    ObjectSymbols m_objects{*this, m_host, m_shown, m_selection, m_symbols};
    ListMouse m_mouse{*this, m_host, m_shown, m_selection, m_refresh, m_symbols, *this};
    StockpileKeyboard m_keys{*this, m_shown, m_selection, m_mouse};
};

} // namespace kv380
