#pragma once

#include "platform/fs/File.h"
#include "platform/fs/Folder.h"
#include "symbols/SymbolNameIndex.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace kv380 {

// How a symbol file is found by name below the symbol root when its stored path leads nowhere. Both ways
// give the same answer: the first file of that name in a depth-first search of the root (own files first,
// then sub-folders in listing order). The one exception is a folder that may be searched but not listed,
// whose files only the walk finds (see SymbolNameIndex).
class SymbolFinder {
public:
    // Searches the tree afresh for every name: nothing is kept between lookups.
    static SymbolFinder walking(std::shared_ptr<fs::Folder> root);
    // Walks the tree once, at the first lookup, and answers every later name from that walk. Meant for one
    // conversion pass: files added or removed during its life are not seen.
    static SymbolFinder indexed(std::shared_ptr<fs::Folder> root);

    // The file found, or an empty reference. A folder whose sub-folders cannot be listed, met before the
    // name, raises that folder's error.
    std::shared_ptr<fs::File> find(const std::string& name);

private:
    SymbolFinder(std::shared_ptr<fs::Folder> root, bool useIndex)
        : m_root(std::move(root)), m_useIndex(useIndex) {}

    std::shared_ptr<fs::Folder> m_root;
    bool m_useIndex;
    // Built at the first lookup, so a pass in which every stored path resolves directly never walks.
    std::optional<SymbolNameIndex> m_index;
};

} // namespace kv380
