#pragma once

#include "host/IKVDwgApp.h"
#include "host/IKVSymbolInfo.h"
#include "platform/ui/Form.h"
#include "platform/ui/TreeView.h"
#include "symbolmap/AddedSymbols.h"
#include "symbolmap/SymbolMapDesign.h"
#include "symbols/StockPileSymbolMap.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pugi {
class xml_document;
}

namespace kv380 {

// The Symbol Map dialog: for one workspace object, the symbols it is drawn with when a drawing of the
// active diagram class is converted into each of the classes that class converts into (one tab per
// target). On each tab the user browses the symbol folders of the target's drawing template, adds symbol
// files to the target's chosen symbols and selects the default one. Confirmed, the caller saves every
// target's choice into the stock pile's symbol map.
//
// The caller drives it: create it, setStockPile, Initialise, Show(Modal, owner) (it returns when the
// dialog is hidden or closed), read bOKHit, Save when it is true, release it. Initialise, the loading done
// by the first show and Save leave their failures to the caller. The user's own actions (switching tabs,
// browsing folders, adding, dragging the splitters, resizing) report theirs through the common error report
// under the handler's name, and the dialog stays open.
class frmSymbolMap : public ui::Form, public SymbolMapDesign {
public:
    frmSymbolMap();
    ~frmSymbolMap() override;

    // The stock pile whose symbol map the dialog reads and writes; set before Initialise.
    void setStockPile(StockPileSymbolMap* stockPile);
    // Reads the symbol root, the conversion targets of sDiagramClass, each target's map (the stock pile's,
    // else the Symbol Library's default for the object's symbol) and the drawing templates.
    void Initialise(const std::shared_ptr<IKVDwgApp>& oDwgApp, const std::string& sServerID,
                    const std::string& sDiagramClass, const std::string& sSymbolName,
                    const std::string& sType);
    // Whether the user confirmed (OK, Enter, or a double-click on the chosen symbols).
    bool bOKHit() const { return m_bOKHit; }
    // Writes every target's map that is not empty into the stock pile (the tab on screen counts).
    void Save();

    // The record of the symbols added while the dialog is open.
    void AddSymbol(const std::string& strSymbol, int32_t lFlag);
    // Marks each record entry whose row of the chosen symbols is selected, and returns the entry count.
    int32_t NumberOfSymbols();
    // An entry's flag word (see AddedSymbols), its path put into strSymbolName; -1 outside the record.
    int32_t GetSymbol(int32_t lIndex, std::string& strSymbolName);

    // --- State a caller or test may inspect. ---
    const std::string& symbolRoot() const { return m_sSymbolRoot; }
    const std::vector<std::string>& targets() const { return m_asTargets; }
    const std::vector<std::string>& targetMaps() const { return m_asTargetMaps; }
    const std::string& currentTarget() const { return m_sCurrentTarget; }
    int32_t symbolCapacity() const { return m_added.capacity(); }

    // Reads a symbol file's behaviour through the drawing application; nothing when that fails (reported).
    std::shared_ptr<IKVSymbolInfo> GetSymbolBehaviour(const std::string& strSymbolPath);

private:
    void wireEvents();
    // The stock pile set by setStockPile; 91 when none was.
    StockPileSymbolMap& stockPile() const;
    // Wraps the handler of a user's action: what escapes it is reported under the handler's name.
    template <class... Args>
    std::function<void(Args...)> userAction(std::string_view handler,
                                            void (frmSymbolMap::*procedure)(Args...));

    // Loading, tabs, closing.
    void Form_Load();
    void Form_QueryUnload(int& cancel, int unloadMode);
    void TabStrip1_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void RWListView1_DblClick();
    // The chosen symbols go into the current target's map.
    void StoreChosenSymbols();

    // The folder tree and the symbol lists.
    void BuildFolderTree(const std::string& sTargetClass);
    void ShowChosenSymbols(const std::string& sTargetClass);
    void TreeView1_NodeClick(const ui::TreeNode& node);
    void ListFolderSymbols(const ui::TreeNode& node);
    void ListSymbolFiles(const std::string& sFolder, const std::string& sPattern);
    // After any mouse or keyboard action on the chosen symbols: one row is always the default.
    void RWListView1_MouseUp(int button, int shift, float x, float y);
    void RWListView1_KeyUp(int keyCode, int shift);
    void SelectFirstChosenRowIfNone();

    // The Add command.
    void Command1_Click();
    void RWListView2_DblClick();
    void AddChosenSymbol();
    // Whether the symbol may be added: an expansion symbol into another class than the object's asks the
    // user first.
    bool ConfirmSymbolClass(const std::string& strSymbol);

    // Layout and splitters.
    void Form_Resize();
    void TreeView1_DragOver(ui::Control& source, float x, float y, int state);
    void RWListView2_DragOver(ui::Control& source, float x, float y, int state);
    void RWListView1_DragOver(ui::Control& source, float x, float y, int state);

    StockPileSymbolMap* m_oStockPile{nullptr};
    std::shared_ptr<IKVDwgApp> m_oDwgApp;
    std::string m_sServerID;
    std::string m_sDiagramClass;
    std::string m_sType;
    std::string m_sSymbolRoot;
    std::string m_sTargets;
    std::vector<std::string> m_asTargets;
    std::vector<std::string> m_asTargetMaps;
    std::string m_sCurrentTarget;
    std::shared_ptr<pugi::xml_document> m_oDrawingTemplates;
    AddedSymbols m_added;
    bool m_bOKHit{false};
};

} // namespace kv380
