#include "window/SymbolMapCommand.h"

#include "control/ctlStockpile.h"
#include "host/HostObjectModel.h"
#include "host/IKVDwgApp.h"
#include "symbolmap/frmSymbolMap.h"

namespace kv380::demo {

std::string runSymbolMapCommand(ctlStockpile& control, const std::shared_ptr<IKVDwgApp>& dwgApp) {
    const std::shared_ptr<ObjectCollection> selected = control.SelectedObjects();
    if (!selected || selected->Count() != 1) {
        return "Select one object in the stock pile to map its symbols";
    }
    const auto object = as<IKVPresentedObject>(selected->Item(1));
    frmSymbolMap dialog;
    dialog.setStockPile(&control);
    dialog.Initialise(dwgApp, object->ObjectId(), control.GetDiagramClass(), object->Symbol(),
                      object->ObjectType());
    dialog.Show(ui::Form::Modal, &control);
    if (!dialog.bOKHit()) {
        return "Symbol map of " + object->ObjectKey() + " left as it was";
    }
    dialog.Save();
    return "Symbol map of " + object->ObjectKey() + " saved";
}

} // namespace kv380::demo
