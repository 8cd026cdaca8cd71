#include "model/services/OutsideServices.h"

#include "model/db/DatabaseError.h"
#include "model/drawing/SymbolInfo.h"
#include "model/services/DatasheetServices.h"
#include "model/services/ObjectDeleter.h"
#include "model/workspace/Workspace.h"
#include "platform/AutomationError.h"

namespace kv380::demo {

std::shared_ptr<OutsideServices> OutsideServices::create(std::shared_ptr<HostContext> context,
                                                         std::shared_ptr<Workspace> workspace) {
    return std::shared_ptr<OutsideServices>(new OutsideServices(std::move(context), std::move(workspace)));
}

OutsideClassFactories OutsideServices::factories() {
    const std::weak_ptr<OutsideServices> weak = weak_from_this();
    OutsideClassFactories factories;
    factories.datasheetEditorFactory = [weak]() -> std::shared_ptr<KVDatasheetEditorFactory> {
        auto services = weak.lock();
        return services ? std::make_shared<DatasheetEditorFactory>(services) : nullptr;
    };
    factories.datasheetLauncher = [weak]() -> std::shared_ptr<KVDatasheetLauncher> {
        auto services = weak.lock();
        return services ? std::make_shared<DatasheetLauncher>(services) : nullptr;
    };
    factories.objectDeleter = [weak]() -> std::shared_ptr<KVObjectDeleter> {
        auto services = weak.lock();
        return services ? std::make_shared<ObjectDeleter>(services) : nullptr;
    };
    factories.symbolInfo = [weak]() -> std::shared_ptr<IKVSymbolInfo> {
        return weak.lock() ? std::make_shared<SymbolInfo>() : nullptr;
    };
    return factories;
}

void OutsideServices::showDatasheet(int64_t objectId) {
    m_shown.push_back(datasheetOf(m_context->database(), objectId));
    if (onShowDatasheet) {
        onShowDatasheet(m_shown.back());
    }
}

void OutsideServices::deleteObjects(const std::vector<int64_t>& objectIds) {
    m_context->database().deleteObjects(objectIds);
    if (onDeleted) {
        onDeleted(objectIds);
    }
}

bool OutsideServices::isOwnWorkspace(const std::shared_ptr<IKVWorkspace>& workspace) const {
    return workspace && workspace == std::static_pointer_cast<IKVWorkspace>(m_workspace);
}

void OutsideServices::requireOwnWorkspace(const std::shared_ptr<IKVWorkspace>& workspace) const {
    if (!isOwnWorkspace(workspace)) {
        throw AutomationError(err::InvalidProcedureCall, WorkspaceErrorSource,
                              "The workspace given is not the demo host's workspace");
    }
}

} // namespace kv380::demo
