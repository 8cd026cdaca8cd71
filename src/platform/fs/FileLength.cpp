#include "platform/fs/FileLength.h"

#include "platform/fs/NativePath.h"

#include <filesystem>
#include <system_error>

namespace kv380::fs {

std::optional<std::uintmax_t> fileLength(std::string_view systemPath) {
    namespace stdfs = std::filesystem;
    // An embedded NUL would silently cut the path short at the system call.
    if (systemPath.empty() || systemPath.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    const stdfs::path native = toNativePath(systemPath);
    std::error_code ec;
    if (!stdfs::is_regular_file(stdfs::status(native, ec))) {
        return std::nullopt;
    }
    const std::uintmax_t length = stdfs::file_size(native, ec);
    if (ec) {
        return std::nullopt;
    }
    return length;
}

} // namespace kv380::fs
