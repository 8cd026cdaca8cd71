#pragma once

#include "host/HostObjectModel.h"
#include "host/HostServices.h"
#include "host/IKVDwgApp.h"
#include "host/ObjectCollection.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "symbols/StockPileSymbolMap.h"

#include <memory>
#include <string>

namespace kv380 {

// The invisible form that carries the stock pile's two context menus and the object commands behind them.
// The stock pile creates one per menu, fills its inputs, pops up one menu, reads the marks back and unloads
// it.
//
// The object commands (Symbol Map, Find on Drawings, Datasheets, Delete from WorkSpace) do their work here,
// against the host; each traps and reports its own failures, so nothing reaches the stock pile. The
// background items only flip their check marks: the stock pile acts on them after the menu has closed.
class frmPopUpMenu : public ui::Form {
public:
    frmPopUpMenu();
    ~frmPopUpMenu() override;
    frmPopUpMenu(const frmPopUpMenu&) = delete;
    frmPopUpMenu& operator=(const frmPopUpMenu&) = delete;

    // The object menu (a hidden root).
    ui::Menu& mnuStockPile;
    ui::Menu& mnuSymbolMap;
    ui::Menu& mnuFindOnDwg;
    ui::Menu& mnuDatasheets;
    ui::Menu& mnuSeparator;
    ui::Menu& mnuDelete;
    // The background menu (a hidden root).
    ui::Menu& mnuBackground;
    ui::Menu& mnuLargeIcon;
    ui::Menu& mnuSmallIcon;
    ui::Menu& mnuSort;
    ui::Menu& mnuRefresh;
    ui::Menu& mnuAutoRefresh;
    ui::Menu& mnuGotoOptions;

    // --- The inputs, set by the stock pile before it shows a menu. ---

    // The objects selected in the list, in selection order.
    const std::shared_ptr<ObjectCollection>& Selection() const { return m_colSelection; }
    void setSelection(std::shared_ptr<ObjectCollection> selection) { m_colSelection = std::move(selection); }
    // The host workspace the list shows.
    const std::shared_ptr<IKVWorkspace>& WorkSpace() const { return m_oWorkSpace; }
    void setWorkSpace(std::shared_ptr<IKVWorkspace> workspace) { m_oWorkSpace = std::move(workspace); }
    // The host's application service (the input IKVDwgApp).
    const std::shared_ptr<IKVDwgApp>& DwgApp() const { return m_oDwgApp; }
    void setIKVDwgApp(std::shared_ptr<IKVDwgApp> dwgApp) { m_oDwgApp = std::move(dwgApp); }
    // The stock pile that shows the menu (the Symbol Map dialog reads and writes its symbol map).
    StockPileSymbolMap* StockPile() const { return m_oStockPile; }
    void setStockPile(StockPileSymbolMap* stockPile) { m_oStockPile = stockPile; }
    // The identifier of the one selected object, handed on to the Symbol Map dialog.
    void setServerId(const std::string& sID) { m_sServerId = sID; }

private:
    void Form_Load();

    void mnuSymbolMap_Click();
    void mnuFindOnDwg_Click();
    void mnuDatasheets_Click();
    void mnuDelete_Click();
    void mnuLargeIcon_Click();
    void mnuSmallIcon_Click();
    void mnuSort_Click();
    void mnuRefresh_Click();
    void mnuAutoRefresh_Click();
    void mnuGotoOptions_Click();

    // Whether the user chose the workspace's own datasheet editor ("Type" 0 in the registry).
    static bool UsesWorkspaceDatasheetEditor();
    // The workspace's datasheet editor; nothing when there is none or it cannot be had (reported).
    std::shared_ptr<IKVDatasheetEditor> GetDatasheetEditorForWorkspace();
    // The Symbol Map, Find on Drawings and Datasheets commands act on exactly one selected item: whether
    // there is one, and the item (nothing for an empty item).
    bool singleItem(std::shared_ptr<IKVPresentedObject>& item) const;

    std::shared_ptr<ObjectCollection> m_colSelection;
    std::shared_ptr<IKVWorkspace> m_oWorkSpace;
    std::shared_ptr<IKVDwgApp> m_oDwgApp;
    StockPileSymbolMap* m_oStockPile{nullptr};
    std::string m_sServerId;
};

} // namespace kv380
