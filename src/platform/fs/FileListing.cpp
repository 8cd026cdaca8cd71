#include "platform/fs/FileListing.h"

#include "platform/fs/DirectoryEntries.h"
#include "platform/fs/NativePath.h"

#include <system_error>

namespace kv380::fs {

std::vector<std::string> listFiles(std::string_view folderSystemPath, std::string_view pattern,
                                   MatchCase matchCase) {
    std::error_code ec;
    std::vector<std::string> names = entryNames(toNativePath(folderSystemPath), EntryKind::File, ec);
    std::erase_if(names, [&](const std::string& name) {
        return name.front() == '.' || !matchesFilePattern(name, pattern, matchCase);
    });
    return names;
}

} // namespace kv380::fs
