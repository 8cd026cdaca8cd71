#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <memory>
#include <string>

namespace kv380::fs {
class Folder;
}

namespace kv380 {

// Where the symbol files live. Symbol paths are in the system's own form ("\" separates folders); the root
// folder's Path equals RootPath exactly, so paths below it can be made relative by cutting its length.
class KV380_API IKVSymbolStore : public virtual HostObject {
public:
    // The symbol root, without a trailing separator.
    virtual std::string RootPath() = 0;
    // The symbol root as a folder object, to search the symbol tree.
    virtual std::shared_ptr<fs::Folder> RootFolder() = 0;
};

} // namespace kv380
