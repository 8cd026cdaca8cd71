#include "symbols/SymbolNameIndex.h"

#include <exception>
#include <vector>

namespace kv380 {

SymbolNameIndex::SymbolNameIndex(const std::shared_ptr<fs::Folder>& root) {
    if (root) {
        add(*root);
    }
}

bool SymbolNameIndex::add(const fs::Folder& folder) {
    // The same order as the search: this folder's own files before anything below it, so the first entry
    // kept for a name is the one the search would stop at.
    std::vector<std::shared_ptr<fs::File>> files;
    try {
        files = folder.Files();
    } catch (const AutomationError&) {
        // The search's lookups in such a folder fail, and it goes on below, as does this walk.
    } catch (const std::exception&) {
    }
    for (auto& file : files) {
        const std::string name = file->Name();
        m_first.try_emplace(name, std::move(file));
    }
    std::vector<std::shared_ptr<fs::Folder>> subFolders;
    try {
        subFolders = folder.SubFolders();
    } catch (const AutomationError& e) {
        m_stoppedBy = e;
        return false;
    }
    for (const auto& sub : subFolders) {
        if (!add(*sub)) {
            return false;
        }
    }
    return true;
}

std::shared_ptr<fs::File> SymbolNameIndex::find(const std::string& name) const {
    if (auto it = m_first.find(name); it != m_first.end()) {
        return it->second;
    }
    if (m_stoppedBy) {
        throw *m_stoppedBy;
    }
    return nullptr;
}

} // namespace kv380
