#include "platform/fs/DirectoryEntries.h"

#include "platform/fs/NativePath.h"

#include <algorithm>
#include <filesystem>

namespace kv380::fs {

std::vector<std::string> entryNames(const std::string& nativeDir, EntryKind kind, std::error_code& ec) {
    namespace stdfs = std::filesystem;
    ec.clear();
    std::vector<std::string> names;
    if (nativeDir.find('\0') != std::string::npos) {
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
        return names;
    }
    stdfs::directory_iterator it(nativeDir, ec);
    for (; !ec && it != stdfs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!isPlainEntryName(name)) {
            continue;
        }
        std::error_code statError;
        const stdfs::file_status status = it->status(statError);
        const bool wanted =
            kind == EntryKind::File ? stdfs::is_regular_file(status) : stdfs::is_directory(status);
        if (!statError && wanted) {
            names.push_back(std::move(name));
        }
    }
    if (ec) {
        names.clear();
        return names;
    }
    // std::string compares its characters as unsigned bytes: the same order on every machine and locale.
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace kv380::fs
