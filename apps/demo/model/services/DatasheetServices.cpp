#include "model/services/DatasheetServices.h"

#include "model/services/OutsideServices.h"

namespace kv380::demo {

void DatasheetEditor::OpenObject(int32_t lObjectId) {
    m_services->showDatasheet(lObjectId);
}

void DatasheetEditorFactory::GetEditor(const std::shared_ptr<IKVWorkspace>& workspace,
                                       std::shared_ptr<HostObject>& editor) {
    editor = m_services->isOwnWorkspace(workspace) ? std::make_shared<DatasheetEditor>(m_services) : nullptr;
}

void DatasheetLauncher::ShowDatasheets(const std::shared_ptr<IKVWorkspace>& workspace, int32_t lObjectId,
                                       VariantArray&, VariantArray&) {
    m_services->requireOwnWorkspace(workspace);
    m_services->showDatasheet(lObjectId);
}

} // namespace kv380::demo
