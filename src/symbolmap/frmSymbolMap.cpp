// The dialog's life: wiring, Initialise, loading, switching tabs, closing and saving.
#include "symbolmap/frmSymbolMap.h"

#include "symbols/XmlText.h"

#include "host/Guarded.h"
#include "host/IKVSymbolStore.h"
#include "host/ctlSymbolLibrary.h"
#include "platform/AutomationError.h"
#include "settings/CharSetUtils.h"
#include "symbolmap/SymbolRows.h"
#include "symbols/SymbolMapText.h"

#include <pugixml.hpp>

#include <utility>

namespace kv380 {

frmSymbolMap::frmSymbolMap() : ui::Form("frmSymbolMap"), SymbolMapDesign(static_cast<ui::Form&>(*this)) {
    wireEvents();
}

frmSymbolMap::~frmSymbolMap() {
    // Released with the dialog: the templates document and the host drawing application.
    m_oDrawingTemplates.reset();
    m_oDwgApp.reset();
}

template <class... Args>
std::function<void(Args...)> frmSymbolMap::userAction(std::string_view handler,
                                                      void (frmSymbolMap::*procedure)(Args...)) {
    std::string context("frmSymbolMap::");
    context.append(handler);
    return [this, context = std::move(context), procedure](Args... args) {
        guarded(context, [&] { (this->*procedure)(std::forward<Args>(args)...); });
    };
}

void frmSymbolMap::wireEvents() {
    // Loading fails to the caller of the show; everything else is the user's doing.
    Load = [this] { Form_Load(); };
    QueryUnload = [this](int& cancel, int unloadMode) { Form_QueryUnload(cancel, unloadMode); };
    Resize = userAction("Form_Resize", &frmSymbolMap::Form_Resize);
    TabStrip1.Click = userAction("TabStrip1_Click", &frmSymbolMap::TabStrip1_Click);
    TreeView1.NodeClick = userAction("TreeView1_NodeClick", &frmSymbolMap::TreeView1_NodeClick);
    TreeView1.DragOver = userAction("TreeView1_DragOver", &frmSymbolMap::TreeView1_DragOver);
    RWListView2.DblClick = userAction("RWListView2_DblClick", &frmSymbolMap::RWListView2_DblClick);
    RWListView2.DragOver = userAction("RWListView2_DragOver", &frmSymbolMap::RWListView2_DragOver);
    RWListView1.DblClick = userAction("RWListView1_DblClick", &frmSymbolMap::RWListView1_DblClick);
    RWListView1.MouseUp = userAction("RWListView1_MouseUp", &frmSymbolMap::RWListView1_MouseUp);
    RWListView1.KeyUp = userAction("RWListView1_KeyUp", &frmSymbolMap::RWListView1_KeyUp);
    RWListView1.DragOver = userAction("RWListView1_DragOver", &frmSymbolMap::RWListView1_DragOver);
    Command1.Click = userAction("Command1_Click", &frmSymbolMap::Command1_Click);
    cmdOK.Click = userAction("cmdOK_Click", &frmSymbolMap::cmdOK_Click);
    cmdCancel.Click = userAction("cmdCancel_Click", &frmSymbolMap::cmdCancel_Click);
}

void frmSymbolMap::setStockPile(StockPileSymbolMap* stockPile) {
    m_oStockPile = stockPile;
}

StockPileSymbolMap& frmSymbolMap::stockPile() const {
    if (m_oStockPile == nullptr) {
        raise(err::ObjectNotSet);
    }
    return *m_oStockPile;
}

void frmSymbolMap::Initialise(const std::shared_ptr<IKVDwgApp>& oDwgApp, const std::string& sServerID,
                              const std::string& sDiagramClass, const std::string& sSymbolName,
                              const std::string& sType) {
    m_oDwgApp = oDwgApp;
    m_sServerID = sServerID;
    m_sDiagramClass = sDiagramClass;
    m_sType = sType;
    m_added.clear();
    m_bOKHit = false;

    m_sSymbolRoot = deref(deref(m_oDwgApp).SymbolStore()).RootPath();
    // A network path's leading "\\" survives; doubled separators after it do not.
    const std::string symbolName = normaliseSymbolPath(sSymbolName);
    const std::string relativeSymbol = relativeToSymbolRoot(symbolName, m_sSymbolRoot);

    const std::shared_ptr<ctlSymbolLibrary> library =
        symbolLibraryControl(deref(deref(m_oDwgApp).DrawingApplication()));
    m_sTargets = library->GetTemplateConversionTargets(m_sDiagramClass);
    m_asTargets.clear();
    m_asTargetMaps.clear();
    if (!m_sTargets.empty()) {
        m_asTargets = semicolonSeparated(m_sTargets);
        m_asTargetMaps.resize(m_asTargets.size());
        for (std::size_t i = 0; i < m_asTargets.size(); ++i) {
            std::string map = stockPile().GetSymbolMap(m_sServerID, m_sDiagramClass, m_asTargets[i]);
            if (map.empty()) {
                map = library->GetSymbolMap(m_sDiagramClass, m_asTargets[i], relativeSymbol, false);
            }
            m_asTargetMaps[i] = std::move(map);
        }
    }
    m_oDrawingTemplates = documentFromText(library->DrawingTemplates());
}

void frmSymbolMap::Form_Load() {
    AdjustCharset(Controls());
    setCaption("Select Symbol for Diagram Conversion from " + m_sDiagramClass);

    TabStrip1.beginUpdate();
    TabStrip1.clearTabs();
    for (const std::string& target : m_asTargets) {
        TabStrip1.addTab(target);
    }
    TabStrip1.endUpdate();

    // A class that converts into nothing has no first target: the dialog cannot open.
    if (m_asTargets.empty()) {
        raise(err::SubscriptOutOfRange);
    }
    m_sCurrentTarget = m_asTargets.front();
    BuildFolderTree(m_sCurrentTarget);
    ShowChosenSymbols(m_sCurrentTarget);
}

void frmSymbolMap::TabStrip1_Click() {
    const int selected = TabStrip1.selectedTab();
    if (selected == 0) {
        return;
    }
    const std::string caption = TabStrip1.tab(selected).caption;
    if (caption == m_sCurrentTarget) {
        return;
    }
    StoreChosenSymbols();
    m_sCurrentTarget = caption;
    BuildFolderTree(m_sCurrentTarget);
    ShowChosenSymbols(m_sCurrentTarget);
}

void frmSymbolMap::StoreChosenSymbols() {
    std::vector<ChosenRow> rows;
    rows.reserve(static_cast<std::size_t>(RWListView1.itemCount()));
    for (int i = 1; i <= RWListView1.itemCount(); ++i) {
        const ui::ListItem& item = RWListView1.item(i);
        rows.push_back({item.key, item.selected});
    }
    std::string map = mapOfChosenRows(rows, m_sSymbolRoot);
    for (std::size_t i = 0; i < m_asTargets.size(); ++i) {
        if (m_asTargets[i] == m_sCurrentTarget) {
            m_asTargetMaps[i] = std::move(map);
            return;
        }
    }
}

void frmSymbolMap::cmdOK_Click() {
    m_bOKHit = true;
    Hide();
}

void frmSymbolMap::cmdCancel_Click() {
    Hide();
}

void frmSymbolMap::RWListView1_DblClick() {
    cmdOK_Click();
}

void frmSymbolMap::Form_QueryUnload(int& cancel, int) {
    guarded("frmSymbolMap::Form_QueryUnload", [&] {
        // Closing is never refused: the close box leaves bOKHit as it was, and nothing is saved.
        cancel = 0;
    });
}

void frmSymbolMap::Save() {
    StoreChosenSymbols();
    for (std::size_t i = 0; i < m_asTargets.size(); ++i) {
        if (m_asTargetMaps[i].empty()) {
            continue;
        }
        stockPile().SetSymbolMap(m_sServerID, m_sDiagramClass, m_asTargets[i], m_asTargetMaps[i]);
    }
}

void frmSymbolMap::AddSymbol(const std::string& strSymbol, int32_t lFlag) {
    m_added.AddSymbol(strSymbol, lFlag);
}

int32_t frmSymbolMap::NumberOfSymbols() {
    for (int i = 1; i <= RWListView1.itemCount(); ++i) {
        const ui::ListItem& item = RWListView1.item(i);
        m_added.MarkSymbol(item.key, item.selected);
    }
    return m_added.count();
}

int32_t frmSymbolMap::GetSymbol(int32_t lIndex, std::string& strSymbolName) {
    return m_added.GetSymbol(lIndex, strSymbolName);
}

} // namespace kv380
