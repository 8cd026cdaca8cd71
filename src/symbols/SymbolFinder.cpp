#include "symbols/SymbolFinder.h"

#include "symbols/FileSystemUtilities.h"

#include <utility>

namespace kv380 {

SymbolFinder SymbolFinder::walking(std::shared_ptr<fs::Folder> root) {
    return SymbolFinder(std::move(root), false);
}

SymbolFinder SymbolFinder::indexed(std::shared_ptr<fs::Folder> root) {
    return SymbolFinder(std::move(root), true);
}

bool SymbolFinder::fileExists(std::string_view path) {
    return m_useIndex ? m_files.regularFileExists(path) : FileExists(path);
}

std::shared_ptr<fs::File> SymbolFinder::find(const std::string& name) {
    if (!m_useIndex) {
        return FindFileInFolder(m_root, name);
    }
    if (!m_index) {
        m_index.emplace(m_root);
    }
    return m_index->find(name);
}

} // namespace kv380
