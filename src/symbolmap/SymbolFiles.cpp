#include "symbolmap/SymbolFiles.h"

#include "platform/fs/FileListing.h"
#include "platform/fs/NameOrder.h"
#include "symbolmap/SymbolRows.h"

namespace kv380 {

std::vector<SymbolFileRow> symbolFileRows(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names = fs::listFiles(folder, pattern, fs::MatchCase::IgnoreCase);
    fs::sortNamesIgnoringCase(names);
    std::vector<SymbolFileRow> rows;
    rows.reserve(names.size());
    for (const std::string& name : names) {
        rows.push_back({folder + "\\" + name, folderSymbolText(name)});
    }
    return rows;
}

} // namespace kv380
