#include "model/db/WorkspaceFile.h"

#include "model/db/DatabaseError.h"
#include "model/db/SqliteConnection.h"
#include "model/db/SqliteStatement.h"
#include "platform/AutomationError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <unistd.h>
#include <vector>

namespace kv380::demo {

namespace {

namespace stdfs = std::filesystem;

// The tables examples/plant.sql creates.
const std::set<std::string> kWorkspaceTables = {"meta",         "organisations", "views",          "objects",
                                                "view_objects", "diagrams",      "diagram_objects"};

std::string folderOf(const std::string& path) {
    const stdfs::path folder = stdfs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

[[noreturn]] void raiseFileError(const std::string& what) {
    throw AutomationError(err::InternalError, WorkspaceErrorSource, what + ": " + std::strerror(errno));
}

} // namespace

std::optional<std::string> workspaceFileFault(const std::string& path) {
    try {
        SqliteConnection db(path, SqliteConnection::Mode::ReadOnly);
        // Reads every page: a file cut short or damaged anywhere says so here, not at some later query.
        SqliteStatement check(db.handle(), "PRAGMA quick_check");
        if (check.step() && check.text(0) != "ok") {
            return check.text(0);
        }
        std::set<std::string> missing = kWorkspaceTables;
        SqliteStatement tables(db.handle(), "SELECT name FROM sqlite_master WHERE type = 'table'");
        while (tables.step()) {
            missing.erase(tables.text(0));
        }
        if (!missing.empty()) {
            return "it is a database, but it has no table " + *missing.begin();
        }
    } catch (const AutomationError& e) {
        // SQLite's reason ("file is not a database", "database disk image is malformed") ends the text.
        const std::string& text = e.description();
        const auto colon = text.rfind(": ");
        return colon == std::string::npos ? text : text.substr(colon + 2);
    }
    return std::nullopt;
}

std::optional<std::string> whyNotWritable(const std::string& path) {
    const std::string folder = folderOf(path);
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        return "its folder " + folder + " cannot be written: " + std::strerror(errno);
    }
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) {
        return std::string("the file cannot be written: ") + std::strerror(errno);
    }
    return std::nullopt;
}

std::string createTemporaryBeside(const std::string& path) {
    std::string pattern = path + ".partial-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        raiseFileError("cannot create a file beside " + path);
    }
    ::close(fd);
    return name.data();
}

bool publishUnlessPresent(const std::string& temporary, const std::string& path) {
    // A second name for the complete file appears in one step, and never over an existing one.
    if (::link(temporary.c_str(), path.c_str()) == 0) {
        ::unlink(temporary.c_str());
        return true;
    }
    const int linkError = errno;
    if (linkError == EEXIST) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (linkError == EPERM || linkError == EOPNOTSUPP || linkError == EXDEV || linkError == EMLINK) {
        // A file system without hard links: renameat2's no-replace is the same step.
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
            return true;
        }
        if (errno == EEXIST) {
            ::unlink(temporary.c_str());
            return false;
        }
    }
    const std::string reason = std::strerror(linkError);
    ::unlink(temporary.c_str());
    throw AutomationError(err::InternalError, WorkspaceErrorSource,
                          "cannot name the new workspace database " + path + ": " + reason);
}

} // namespace kv380::demo
