// The Add command: a symbol of the folder's list joins the chosen symbols.
#include "symbolmap/frmSymbolMap.h"

#include "platform/AutomationError.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MsgBoxStyle.h"
#include "symbolmap/SymbolRows.h"
#include "symbols/SymbolBehaviour.h"

namespace kv380 {

namespace {

// The behaviour code of a symbol that expands into an object of another class.
constexpr int32_t ExpansionBehaviour = 11;

} // namespace

std::shared_ptr<IKVSymbolInfo> frmSymbolMap::GetSymbolBehaviour(const std::string& strSymbolPath) {
    return kv380::GetSymbolBehaviour([this] { return deref(m_oDwgApp).DrawingApplication(); }, strSymbolPath);
}

void frmSymbolMap::Command1_Click() {
    AddChosenSymbol();
}

void frmSymbolMap::RWListView2_DblClick() {
    AddChosenSymbol();
}

void frmSymbolMap::AddChosenSymbol() {
    int selected = 0;
    for (int i = 1; i <= RWListView2.itemCount() && selected == 0; ++i) {
        selected = RWListView2.item(i).selected ? i : 0;
    }
    if (selected == 0) {
        return;
    }
    const std::string path = RWListView2.item(selected).key;
    if (!ConfirmSymbolClass(path)) {
        return;
    }
    RWListView1.addItem(path, chosenSymbolText(path));
    AddSymbol(path, AddedSymbols::Added);
    if (RWListView1.itemCount() == 1) {
        RWListView1.setItemSelected(1, true);
    }
}

bool frmSymbolMap::ConfirmSymbolClass(const std::string& strSymbol) {
    const std::shared_ptr<IKVSymbolInfo> info = GetSymbolBehaviour(strSymbol);
    if (!info) {
        // The drawing application could not read the symbol, and said so: without its class the symbol
        // is not added.
        return false;
    }
    if (info->Behaviour() != ExpansionBehaviour) {
        return true;
    }
    const std::string expansionClass = info->ExpansionTargetClass();
    if (expansionClass == m_sType) {
        return true;
    }
    const std::string prompt = "Expansion target class (" + expansionClass +
                               ") is different from the Object class (" + m_sType +
                               ")\r\nDo you want to add ?";
    return ui::currentDesktop().MsgBox(prompt, ui::msgbox::OKCancel, "Warning") == ui::msgbox::OK;
}

} // namespace kv380
