#pragma once

#include "platform/fs/File.h"
#include "platform/fs/FileExistenceCache.h"
#include "platform/fs/Folder.h"
#include "symbols/SymbolNameIndex.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kv380 {

// How a conversion pass looks at the disk: whether a file is at a stored path, and which file a name leads
// to below the symbol root when the stored path leads nowhere. Both ways give the same answers: a regular
// file (or a link to one) at the path, with its exact name; the first file of that name in a depth-first
// search of the root (own files first, then sub-folders in listing order). The one exception is a folder
// that may be searched but not listed, whose files only the walk finds by name (see SymbolNameIndex); the
// test of a path still finds them, asking for such a path directly.
class SymbolFinder {
public:
    // Asks the disk afresh for every path and searches the tree afresh for every name: nothing is kept.
    static SymbolFinder walking(std::shared_ptr<fs::Folder> root);
    // Meant for one conversion pass, which takes the disk as it finds it: each folder is listed once, when
    // the pass first asks about a path in it, and the tree is walked once, at the first lookup by name;
    // later questions are answered from those. Files added or removed during the pass's life are not seen.
    static SymbolFinder indexed(std::shared_ptr<fs::Folder> root);

    // Whether a regular file is at the system-form path (FileExists, for this pass).
    bool fileExists(std::string_view path);

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
    fs::FileExistenceCache m_files;
};

} // namespace kv380
