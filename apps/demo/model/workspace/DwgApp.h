#pragma once

#include "host/IKVDwgApp.h"

#include <memory>

namespace kv380::demo {

class DrawingApplication;
class DocumentMap;
class SymbolStore;
class Workspace;

// The host's application service ("dbserver"): the way from the drawing application to the workspace, its
// events, its drawings' records and the symbols. It holds the drawing application, which holds it back
// only weakly.
class DwgApp : public IKVDwgApp {
public:
    struct Parts {
        std::shared_ptr<kv380::demo::DocumentMap> documentMap;
        std::shared_ptr<Workspace> workspace;
        std::shared_ptr<kv380::demo::DrawingApplication> application;
        std::shared_ptr<kv380::demo::SymbolStore> symbolStore;
    };

    explicit DwgApp(Parts parts) : m_parts(std::move(parts)) {}

    // The records of the drawings.
    std::shared_ptr<IKVDocumentMap> DocumentMap() override;
    // The workspace, as IKVWorkspace.
    std::shared_ptr<IKVWorkspace> WorkSpace() override;
    // The same workspace, as its content.
    std::shared_ptr<IKVWorkspaceModel> WorkspaceModel() override;
    // The workspace's events.
    std::shared_ptr<IKVEventSource> WorkspaceEventSource() override;
    // The drawing application.
    std::shared_ptr<kv380::DrwApplication> DrawingApplication() override;
    // The symbol store.
    std::shared_ptr<IKVSymbolStore> SymbolStore() override;

private:
    Parts m_parts;
};

} // namespace kv380::demo
