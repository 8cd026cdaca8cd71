// The folder tree of the current target and the two symbol lists.
#include "symbolmap/frmSymbolMap.h"

#include "platform/ui/PictureNames.h"
#include "symbolmap/FolderTree.h"
#include "symbolmap/SymbolFiles.h"
#include "symbolmap/SymbolRows.h"

#include <string_view>

namespace kv380 {

namespace {

// Holds a control's notifications while it is refilled, so a renderer hears of the fill once.
struct Batch {
    explicit Batch(ui::Control& c) : control(c) { control.beginUpdate(); }
    ~Batch() { control.endUpdate(); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    ui::Control& control;
};

} // namespace

void frmSymbolMap::BuildFolderTree(const std::string& sTargetClass) {
    if (!m_oDrawingTemplates) {
        return;
    }
    const std::vector<FolderNode> nodes = folderTreeNodes(*m_oDrawingTemplates, sTargetClass, m_sSymbolRoot);
    const Batch treeBatch(TreeView1);
    const Batch listBatch(RWListView2);
    TreeView1.clearNodes();
    RWListView2.clearItems();
    for (const FolderNode& node : nodes) {
        TreeView1.addNode(node.parentKey, node.key, node.text, ui::picture::FolderClosed,
                          ui::picture::FolderOpen);
    }
}

void frmSymbolMap::ShowChosenSymbols(const std::string& sTargetClass) {
    std::string_view map;
    for (std::size_t i = 0; i < m_asTargets.size(); ++i) {
        if (m_asTargets[i] == sTargetClass) {
            map = m_asTargetMaps[i];
            break;
        }
    }
    const Batch batch(RWListView1);
    RWListView1.clearItems();
    for (const std::string& entry : mapEntries(map)) {
        std::string key = symbolRowKey(m_sSymbolRoot, entry);
        std::string text = chosenSymbolText(key);
        RWListView1.addItem(std::move(key), std::move(text));
    }
}

void frmSymbolMap::TreeView1_NodeClick(const ui::TreeNode& node) {
    ListFolderSymbols(node);
}

void frmSymbolMap::ListFolderSymbols(const ui::TreeNode& node) {
    if (node.key == FolderTreeRootKey) {
        return; // the root stands for the template: the folder's symbols stay as they are
    }
    const std::string_view key = node.key;
    const std::size_t colon = key.find(':');
    const std::string relativePath(colon == std::string_view::npos ? std::string_view()
                                                                   : key.substr(colon + 1));
    ListSymbolFiles(symbolRowKey(m_sSymbolRoot, relativePath), "*.sym");
}

void frmSymbolMap::ListSymbolFiles(const std::string& sFolder, const std::string& sPattern) {
    const std::vector<SymbolFileRow> rows = symbolFileRows(sFolder, sPattern);
    const Batch batch(RWListView2);
    RWListView2.clearItems();
    for (const SymbolFileRow& row : rows) {
        RWListView2.addItem(row.key, row.text);
    }
}

void frmSymbolMap::RWListView1_MouseUp(int, int, float, float) {
    SelectFirstChosenRowIfNone();
}

void frmSymbolMap::RWListView1_KeyUp(int, int) {
    SelectFirstChosenRowIfNone();
}

void frmSymbolMap::SelectFirstChosenRowIfNone() {
    if (RWListView1.itemCount() > 0 && RWListView1.selectedCount() == 0) {
        RWListView1.setItemSelected(1, true);
    }
}

} // namespace kv380
