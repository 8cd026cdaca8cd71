#include "platform/registry/HiveFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv380::registry {

namespace {

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Renames without ever replacing an existing file.
bool renameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // A file system without RENAME_NOREPLACE: a hard link fails rather than replace, then drop the old name.
    if (::link(from.c_str(), to.c_str()) == 0) {
        return ::unlink(from.c_str()) == 0;
    }
    if (exists(to)) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

// mkdir -p; errno tells why it failed.
bool makeFolders(const std::string& folder, mode_t mode) {
    if (isFolder(folder)) {
        return true;
    }
    if (folder != "/" && folder != "." && !makeFolders(parentOf(folder), mode)) {
        return false;
    }
    if (::mkdir(folder.c_str(), mode) == 0) {
        return true;
    }
    if (errno == EEXIST) {
        if (isFolder(folder)) {
            return true; // made by someone else meanwhile
        }
        errno = ENOTDIR;
    }
    return false;
}

std::string timestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

bool mayWrite(const std::string& path, std::string& why) {
    // The effective ids and capabilities, which are what opening the file will meet.
    const std::string folder = parentOf(path);
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        why = "its folder " + folder + " cannot be written: " + std::strerror(errno);
        return false;
    }
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) {
        why = std::string("the file cannot be written: ") + std::strerror(errno);
        return false;
    }
    return true;
}

bool holdsData(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && st.st_size > 0;
}

bool inWalMode(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // Bytes 18 and 19 are the file format's write and read versions: 2 for WAL, 1 for a rollback journal.
    unsigned char versions[2]{};
    const ssize_t got = ::pread(fd, versions, sizeof versions, 18);
    ::close(fd);
    return got == 2 && versions[0] == 2;
}

std::string fileUri(const std::string& path) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || (c != '\0' && std::strchr("/-._~", c))) {
            uri += c;
        } else {
            uri += '%';
            uri += hex[byte >> 4];
            uri += hex[byte & 15];
        }
    }
    return uri;
}

bool ensureParentFolder(const std::string& filePath, mode_t mode, std::string& reason) {
    const std::string folder = parentOf(filePath);
    if (!makeFolders(folder, mode)) {
        reason = "cannot create folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

FileLook lookAtFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? FileLook::Missing : FileLook::Unreadable;
    }
    static constexpr char header[16] = "SQLite format 3"; // with its terminating NUL: 16 bytes
    char first[16]{};
    const ssize_t got = ::read(fd, first, sizeof first);
    ::close(fd);
    if (got < 0) {
        return FileLook::Unreadable;
    }
    if (got == 0) {
        return FileLook::Empty;
    }
    return got == 16 && std::memcmp(first, header, 16) == 0 ? FileLook::SqliteHeader : FileLook::NotSqlite;
}

std::optional<std::string> setAside(const std::string& path, std::string& reason) {
    const std::string base = path + ".broken-" + timestamp();
    for (int attempt = 1; attempt < 1000; ++attempt) {
        const std::string target = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        bool taken = false;
        for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
            taken = taken || exists(target + suffix);
        }
        if (taken) {
            continue;
        }
        if (!renameNoReplace(path, target)) {
            if (errno == EEXIST) {
                continue;
            }
            reason = "cannot move it aside to " + target + ": " + std::strerror(errno);
            return std::nullopt;
        }
        for (const char* suffix : {"-wal", "-shm", "-journal"}) {
            if (exists(path + suffix) && !renameNoReplace(path + suffix, target + suffix)) {
                // Left in place, it could be taken for part of a fresh hive there: do not start one.
                reason = "moved it aside to " + target + " but cannot move " + path + suffix + ": " +
                         std::strerror(errno);
                return std::nullopt;
            }
        }
        return target;
    }
    reason = "cannot find a free name beside it to move it aside";
    return std::nullopt;
}

} // namespace kv380::registry
