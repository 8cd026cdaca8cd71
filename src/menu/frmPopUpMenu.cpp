#include "menu/frmPopUpMenu.h"

#include "host/DrwApplication.h"
#include "host/Guarded.h"
#include "menu/MenuTexts.h"
#include "platform/convert/Convert.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MsgBoxStyle.h"
#include "settings/CharSetUtils.h"
#include "symbolmap/frmSymbolMap.h"

#include <vector>

namespace kv380 {

frmPopUpMenu::frmPopUpMenu()
    : ui::Form("frmPopUpMenu"), mnuStockPile(addMenu("mnuStockPile", "Stock Pile")),
      mnuSymbolMap(addMenu("mnuSymbolMap", "Symbol Map...", &mnuStockPile)),
      mnuFindOnDwg(addMenu("mnuFindOnDwg", "Find on Drawings...", &mnuStockPile)),
      mnuDatasheets(addMenu("mnuDatasheets", "Datasheets...", &mnuStockPile)),
      mnuSeparator(addMenu("mnuSeparator", "-", &mnuStockPile)),
      mnuDelete(addMenu("mnuDelete", "&Delete from WorkSpace", &mnuStockPile)),
      mnuBackground(addMenu("mnuBackground", "Background")),
      mnuLargeIcon(addMenu("mnuLargeIcon", "Large Icons", &mnuBackground)),
      mnuSmallIcon(addMenu("mnuSmallIcon", "Small Icons", &mnuBackground)),
      mnuSort(addMenu("mnuSort", "Sort", &mnuBackground)),
      mnuRefresh(addMenu("mnuRefresh", "Refresh", &mnuBackground)),
      mnuAutoRefresh(addMenu("mnuAutoRefresh", "AutoRefresh", &mnuBackground)),
      mnuGotoOptions(addMenu("mnuGotoOptions", "Goto Options", &mnuBackground)) {
    setCaption("PopUpMenu");
    // The roots only carry the pop-ups; the form has no menu bar.
    mnuStockPile.setVisible(false);
    mnuBackground.setVisible(false);

    Load = [this] { Form_Load(); };
    mnuSymbolMap.Click = [this] { mnuSymbolMap_Click(); };
    mnuFindOnDwg.Click = [this] { mnuFindOnDwg_Click(); };
    mnuDatasheets.Click = [this] { mnuDatasheets_Click(); };
    mnuDelete.Click = [this] { mnuDelete_Click(); };
    mnuLargeIcon.Click = [this] { mnuLargeIcon_Click(); };
    mnuSmallIcon.Click = [this] { mnuSmallIcon_Click(); };
    mnuSort.Click = [this] { mnuSort_Click(); };
    mnuRefresh.Click = [this] { mnuRefresh_Click(); };
    mnuAutoRefresh.Click = [this] { mnuAutoRefresh_Click(); };
    mnuGotoOptions.Click = [this] { mnuGotoOptions_Click(); };

    initialize();
    load();
}

frmPopUpMenu::~frmPopUpMenu() {
    terminate();
}

void frmPopUpMenu::Form_Load() {
    AdjustCharset(Controls());
}

bool frmPopUpMenu::singleItem(std::shared_ptr<IKVPresentedObject>& item) const {
    if (!m_colSelection || m_colSelection->Count() != 1) {
        return false;
    }
    const auto object = m_colSelection->Item(1);
    item = object ? as<IKVPresentedObject>(object) : nullptr;
    return true;
}

void frmPopUpMenu::mnuFindOnDwg_Click() {
    guarded("mnuFindOnDwg_Click", [&] {
        std::shared_ptr<IKVPresentedObject> item;
        if (!singleItem(item) || !item) {
            return;
        }
        const std::string type = item->ObjectType();
        const std::string id = item->ObjectId();
        const std::string key = item->ObjectKey();
        const std::string command = menutext::findOnDrawingsText(type, id, key);
        // The command finds what the status bar names: the text goes first.
        deref(deref(m_oDwgApp).DrawingApplication()).setStatusBar(command);
        deref(m_oDwgApp->DrawingApplication()).RunCommand(menutext::FindOnDrawingsCommand);
    });
}

void frmPopUpMenu::mnuSymbolMap_Click() {
    guarded("mnuSymbolMap_Click", [&] {
        std::shared_ptr<IKVPresentedObject> item;
        if (!singleItem(item) || !item) {
            return;
        }
        const std::string type = item->ObjectType();
        const std::string symbol = item->Symbol();
        if (!m_oStockPile) {
            raise(err::ObjectNotSet);
        }
        const std::string diagramClass = m_oStockPile->GetDiagramClass();
        // The dialog lives for this one command: gone when the command ends, confirmed or not.
        frmSymbolMap dialog;
        dialog.setStockPile(m_oStockPile);
        dialog.Initialise(m_oDwgApp, m_sServerId, diagramClass, symbol, type);
        dialog.Show(ui::Form::Modal, this);
        if (dialog.bOKHit()) {
            dialog.Save();
        }
    });
}

void frmPopUpMenu::mnuDelete_Click() {
    guarded("frmPopupMenu::mnuDeleteClick()", [&] {
        if (!m_colSelection || m_colSelection->Count() == 0) {
            return;
        }
        const int answer = ui::currentDesktop().MsgBox(std::string(menutext::DeleteQuestion),
                                                       ui::msgbox::YesNo + ui::msgbox::Question,
                                                       std::string(menutext::DeleteTitle));
        if (answer != ui::msgbox::Yes) {
            return;
        }
        const auto deleter = createObjectDeleter();
        // Every identifier is read before anything is deleted: one that is not a number stops the command
        // with nothing deleted.
        std::vector<int32_t> ids(static_cast<std::size_t>(m_colSelection->Count()));
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const auto object = as<IKVWorkspaceObject>(m_colSelection->Item(static_cast<int32_t>(i) + 1));
            ids[i] = convert::toLong(object->ObjectId());
        }
        deleter->DeleteObjects(m_oWorkSpace, ids);
    });
}

void frmPopUpMenu::mnuLargeIcon_Click() {
    mnuLargeIcon.setChecked(true);
    mnuSmallIcon.setChecked(false);
}

void frmPopUpMenu::mnuSmallIcon_Click() {
    mnuSmallIcon.setChecked(true);
    mnuLargeIcon.setChecked(false);
}

void frmPopUpMenu::mnuSort_Click() {
    mnuSort.setChecked(!mnuSort.Checked());
}

void frmPopUpMenu::mnuRefresh_Click() {
    mnuRefresh.setChecked(!mnuRefresh.Checked());
}

void frmPopUpMenu::mnuAutoRefresh_Click() {
    mnuAutoRefresh.setChecked(!mnuAutoRefresh.Checked());
}

void frmPopUpMenu::mnuGotoOptions_Click() {
    mnuGotoOptions.setChecked(!mnuGotoOptions.Checked());
}

} // namespace kv380
