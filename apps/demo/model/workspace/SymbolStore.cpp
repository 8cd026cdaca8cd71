#include "model/workspace/SymbolStore.h"

#include "platform/fs/Folder.h"

namespace kv380::demo {

std::shared_ptr<fs::Folder> SymbolStore::RootFolder() {
    return fs::Folder::open(m_root);
}

} // namespace kv380::demo
