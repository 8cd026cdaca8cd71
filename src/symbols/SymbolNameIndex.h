#pragma once

#include "platform/AutomationError.h"
#include "platform/fs/Folder.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

namespace kv380 {

// Which file FindFileInFolder(root, name) would return, for every name, from one walk of the tree instead
// of one walk per name. The answer is taken when the index is built: files added or removed afterwards are
// not seen until it is built again. A folder that may be searched but not listed (execute permission
// without read) hides its files from the index, though a lookup by name would find them.
class SymbolNameIndex {
public:
    // Walks the tree below the root (an empty reference gives an empty index). Errors are kept, not thrown:
    // see find().
    explicit SymbolNameIndex(const std::shared_ptr<fs::Folder>& root);

    // The file that a depth-first search of the root finds first, or an empty reference. Where that search
    // would have stopped with an error before finding the name (a folder whose sub-folders cannot be
    // listed), this throws the same error.
    std::shared_ptr<fs::File> find(const std::string& name) const;

    // How many distinct names the index holds.
    size_t size() const { return m_first.size(); }

private:
    // Returns false when the walk has to stop.
    bool add(const fs::Folder& folder);

    std::unordered_map<std::string, std::shared_ptr<fs::File>> m_first;
    // The error at which the walk stopped: names not met before it would have raised it.
    std::optional<AutomationError> m_stoppedBy;
};

} // namespace kv380
