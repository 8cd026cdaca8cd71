#include "platform/fs/Folder.h"

#include "platform/AutomationError.h"
#include "platform/fs/DirectoryEntries.h"
#include "platform/fs/FsError.h"
#include "platform/fs/NativePath.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace kv380::fs {
namespace {

namespace stdfs = std::filesystem;

std::vector<std::string> entryNamesOrRaise(const std::string& nativeDir, EntryKind kind) {
    std::error_code ec;
    std::vector<std::string> names = entryNames(nativeDir, kind, ec);
    if (ec) {
        raiseFolderError(ec);
    }
    return names;
}

} // namespace

std::optional<Folder::Identity> Folder::directoryIdentity(const std::string& native) {
    struct stat st {};
    if (native.find('\0') != std::string::npos || ::stat(native.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return std::nullopt;
    }
    return Folder::Identity{static_cast<unsigned long long>(st.st_dev),
                            static_cast<unsigned long long>(st.st_ino)};
}

std::shared_ptr<Folder> Folder::open(std::string systemPath) {
    const std::optional<Identity> id = directoryIdentity(toNativePath(systemPath));
    if (!id) {
        raisePathNotFound();
    }
    return std::shared_ptr<Folder>(new Folder(std::move(systemPath), {*id}));
}

std::string Folder::Name() const {
    std::string_view path = m_path;
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) {
        path.remove_suffix(1);
    }
    const size_t last = path.find_last_of("\\/");
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string Folder::childPath(const std::string& name) const {
    // A folder opened with a trailing separator ("/srv/symbols\", "/") does not get a second one.
    if (!m_path.empty() && (m_path.back() == '\\' || m_path.back() == '/')) {
        return m_path + name;
    }
    return m_path + "\\" + name;
}

std::shared_ptr<File> Folder::Files(const std::string& name) const {
    if (isPlainEntryName(name)) {
        std::error_code ec;
        if (stdfs::is_regular_file(stdfs::status(toNativePath(childPath(name)), ec))) {
            return std::make_shared<File>(childPath(name), name);
        }
    }
    raise(err::FileNotFound);
}

std::vector<std::shared_ptr<File>> Folder::Files() const {
    std::vector<std::shared_ptr<File>> files;
    for (std::string& name : entryNamesOrRaise(toNativePath(m_path), EntryKind::File)) {
        std::string path = childPath(name);
        files.push_back(std::make_shared<File>(std::move(path), std::move(name)));
    }
    return files;
}

std::vector<std::shared_ptr<Folder>> Folder::SubFolders() const {
    std::vector<std::shared_ptr<Folder>> folders;
    for (const std::string& name : entryNamesOrRaise(toNativePath(m_path), EntryKind::Directory)) {
        std::string path = childPath(name);
        const std::optional<Identity> id = directoryIdentity(toNativePath(path));
        if (!id || std::find(m_lineage.begin(), m_lineage.end(), *id) != m_lineage.end()) {
            continue; // gone meanwhile, or a way back up the tree
        }
        std::vector<Identity> lineage = m_lineage;
        lineage.push_back(*id);
        folders.push_back(std::shared_ptr<Folder>(new Folder(std::move(path), std::move(lineage))));
    }
    return folders;
}

} // namespace kv380::fs
