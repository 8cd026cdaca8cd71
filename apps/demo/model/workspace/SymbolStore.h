#pragma once

#include "host/IKVSymbolStore.h"

#include <memory>
#include <string>

namespace kv380::demo {

// The symbol store over a real folder (examples/symbols), named in system form without a trailing
// separator; the root folder's Path is exactly RootPath.
class SymbolStore : public IKVSymbolStore {
public:
    explicit SymbolStore(std::string root) : m_root(std::move(root)) {}

    // The symbol root.
    std::string RootPath() override { return m_root; }
    // The symbol root as a folder, read afresh on each call; a root that is gone is error 76.
    std::shared_ptr<fs::Folder> RootFolder() override;

private:
    std::string m_root;
};

} // namespace kv380::demo
