// The Datasheets command: the workspace's own datasheet editor or the datasheet launcher, as the user chose.
#include "menu/frmPopUpMenu.h"

#include "host/ErrorReporter.h"
#include "host/Guarded.h"
#include "menu/MenuTexts.h"
#include "platform/convert/Convert.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MsgBoxStyle.h"
#include "settings/RegistryTools.h"

namespace kv380 {

namespace {

void tellUser(std::string_view text) {
    ui::currentDesktop().MsgBox(std::string(text), ui::msgbox::OKOnly + ui::msgbox::Information,
                                std::string(menutext::StockpileTitle));
}

} // namespace

bool frmPopUpMenu::UsesWorkspaceDatasheetEditor() {
    RegistryTools::HKEY root = registry::HKEY_CURRENT_USER;
    std::string key(menutext::DatasheetEditorKey);
    std::string name(menutext::DatasheetEditorValue);
    int32_t type = -1;
    return RegistryTools::GetRegLongValue(root, key, type, name) && type == 0;
}

std::shared_ptr<IKVDatasheetEditor> frmPopUpMenu::GetDatasheetEditorForWorkspace() {
    std::optional<AutomationError> caught;
    try {
        const auto factory = createDatasheetEditorFactory();
        std::shared_ptr<HostObject> editor;
        factory->GetEditor(m_oWorkSpace, editor);
        // A factory without an editor to give is no failure: the user is told the editor cannot start.
        return editor ? as<IKVDatasheetEditor>(editor) : nullptr;
    } catch (const AutomationError& e) {
        caught = e;
    } catch (const std::exception& e) {
        caught = toAutomationError(e);
    }
    sharedErrorReporter().Report("KVStockpile", caught->description(), "", 0, caught->number(),
                                 "frmPopUpMenu::GetDatasheetEditorForWorkspace",
                                 ErrorReporter::ExclamationStyle, 0, 0);
    return nullptr;
}

void frmPopUpMenu::mnuDatasheets_Click() {
    guarded("mnuDatasheets_Click", [&] {
        std::shared_ptr<IKVPresentedObject> item;
        if (!singleItem(item)) {
            return;
        }
        if (!item) {
            tellUser(menutext::NoDatasheets);
            return;
        }
        if (UsesWorkspaceDatasheetEditor()) {
            const auto editor = GetDatasheetEditorForWorkspace();
            if (!editor) {
                tellUser(menutext::NoDatasheetEditor);
                return;
            }
            editor->setVisible(true);
            editor->Activate();
            editor->OpenObject(convert::toLong(item->ObjectId()));
            return;
        }
        const auto launcher = createDatasheetLauncher();
        const auto workspace = deref(m_oDwgApp).WorkSpace();
        const std::string id = item->ObjectId();
        VariantArray unused1;
        VariantArray unused2;
        launcher->ShowDatasheets(workspace, convert::toLong(id), unused1, unused2);
    });
}

} // namespace kv380
