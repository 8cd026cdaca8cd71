#pragma once

#include "platform/Export.h"

#include "platform/fs/File.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kv380::fs {

// A real directory, addressed by a path in system form ("\" separates folders, a Linux root may lead:
// "/srv/symbols\Blocks"). Every query reads the disk afresh. Listings are in byte-wise name order so that
// "first match wins" is the same on every machine.
//
// Entries whose name contains "\" cannot be written in system form and are never listed or found.
class KV380_API Folder {
public:
    // Opens a folder. A path that is not an existing directory (or a link to one) is error 76.
    static std::shared_ptr<Folder> open(std::string systemPath);

    // The path as it was opened (sub-folders: the parent's Path, "\" and the name).
    const std::string& Path() const { return m_path; }
    // The folder's own name: the last element of Path ("" for a root such as "/").
    std::string Name() const;

    // The plain file of that name in this folder (exact, case-sensitive name; regular files and links to
    // them). A missing file, a folder of that name or a name that is not a single element is error 53.
    std::shared_ptr<File> Files(const std::string& name) const;
    // All plain files of this folder, hidden ones included, in name order. Unreadable folder: 76 or 70.
    std::vector<std::shared_ptr<File>> Files() const;

    // The sub-folders in name order, hidden ones and links to folders included, except a folder that is
    // this folder or one it was reached through (so a walk down the tree always ends). Unreadable folder:
    // 76 or 70.
    std::vector<std::shared_ptr<Folder>> SubFolders() const;

private:
    // A directory's identity on disk (device and inode), to recognise the same folder under another path.
    struct Identity {
        unsigned long long device = 0;
        unsigned long long inode = 0;
        bool operator==(const Identity&) const = default;
    };
    // The identity of the directory at a native path (links followed), or nothing when it is not one.
    static std::optional<Identity> directoryIdentity(const std::string& native);

    Folder(std::string path, std::vector<Identity> lineage)
        : m_path(std::move(path)), m_lineage(std::move(lineage)) {}
    std::string childPath(const std::string& name) const;

    std::string m_path;
    // This folder's identity last, preceded by those of the folders it was reached through.
    std::vector<Identity> m_lineage;
};

} // namespace kv380::fs
