#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <memory>

namespace kv380 {

class IKVDocumentMap;
class IKVWorkspace;
class IKVWorkspaceModel;
class IKVEventSource;
class IKVSymbolStore;
class DrwApplication;

// The host's application service, reached from the drawing application (DrwApplication::DatabaseServer),
// never created by the component.
class KV380_API IKVDwgApp : public virtual HostObject {
public:
    // Finds the host's record of a drawing.
    virtual std::shared_ptr<IKVDocumentMap> DocumentMap() = 0;
    // The open workspace, as IKVWorkspace.
    virtual std::shared_ptr<IKVWorkspace> WorkSpace() = 0;
    // The open workspace's content.
    virtual std::shared_ptr<IKVWorkspaceModel> WorkspaceModel() = 0;
    // The source of workspace events (1 configured, 2 closed, 3 opened).
    virtual std::shared_ptr<IKVEventSource> WorkspaceEventSource() = 0;
    // The drawing application this service belongs to.
    virtual std::shared_ptr<kv380::DrwApplication> DrawingApplication() = 0;
    // Where the symbol files live.
    virtual std::shared_ptr<IKVSymbolStore> SymbolStore() = 0;
};

} // namespace kv380
