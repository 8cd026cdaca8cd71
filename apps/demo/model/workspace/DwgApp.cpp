#include "model/workspace/DwgApp.h"

#include "model/drawing/DrawingApplication.h"
#include "model/workspace/DocumentMap.h"
#include "model/workspace/SymbolStore.h"
#include "model/workspace/Workspace.h"

namespace kv380::demo {

std::shared_ptr<IKVDocumentMap> DwgApp::DocumentMap() {
    return m_parts.documentMap;
}

std::shared_ptr<IKVWorkspace> DwgApp::WorkSpace() {
    return m_parts.workspace;
}

std::shared_ptr<IKVWorkspaceModel> DwgApp::WorkspaceModel() {
    return m_parts.workspace;
}

std::shared_ptr<IKVEventSource> DwgApp::WorkspaceEventSource() {
    return m_parts.workspace->events();
}

std::shared_ptr<kv380::DrwApplication> DwgApp::DrawingApplication() {
    return m_parts.application;
}

std::shared_ptr<IKVSymbolStore> DwgApp::SymbolStore() {
    return m_parts.symbolStore;
}

} // namespace kv380::demo
