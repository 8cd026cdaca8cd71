#include "platform/fs/FileExistenceCache.h"

#include "platform/fs/FileLength.h"
#include "platform/fs/NativePath.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

namespace kv380::fs {

namespace {

// Closes a directory stream on every way out.
struct DirStream {
    explicit DirStream(DIR* d) : dir(d) {}
    ~DirStream() {
        if (dir != nullptr) {
            ::closedir(dir);
        }
    }
    DirStream(const DirStream&) = delete;
    DirStream& operator=(const DirStream&) = delete;
    DIR* dir;
};

// The name with every ASCII letter in the other case.
std::string otherCase(std::string_view name) {
    std::string flipped(name);
    for (char& c : flipped) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return flipped;
}

// Whether a name missing from the listing is surely absent: the folder is empty, or tells names apart by
// case (one of its names, asked for in the other case, is not found). Without a name to try (no entry has an
// ASCII letter) that cannot be shown.
bool namesAreExact(int dirFd, const std::vector<std::string>& entries) {
    if (entries.empty()) {
        return true;
    }
    const std::unordered_set<std::string_view> present(entries.begin(), entries.end());
    for (const std::string& name : entries) {
        const std::string flipped = otherCase(name);
        if (flipped == name || present.count(flipped) != 0) {
            continue;
        }
        struct stat st {};
        if (::fstatat(dirFd, flipped.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            return false; // found under the other case
        }
        return errno == ENOENT;
    }
    return false;
}

} // namespace

bool FileExistenceCache::regularFileExists(std::string_view systemPath) {
    if (systemPath.empty() || systemPath.find('\0') != std::string_view::npos) {
        return false;
    }
    // The last separator, found by hand: find_last_of searches its set once per character.
    std::size_t cut = systemPath.size();
    while (cut > 0 && systemPath[cut - 1] != '\\' && systemPath[cut - 1] != '/') {
        --cut;
    }
    cut = cut == 0 ? std::string_view::npos : cut - 1;
    // No separator: a name in the current folder. A separator first: a name in the root folder.
    const std::string_view folder =
        cut == std::string_view::npos ? std::string_view{} : systemPath.substr(0, cut == 0 ? 1 : cut);
    const std::string_view name = cut == std::string_view::npos ? systemPath : systemPath.substr(cut + 1);
    if (name.empty()) {
        return false; // a path ending in a separator names a folder
    }
    const Listing& listing = listingOf(folder);
    switch (listing.kind) {
    case Listing::Kind::Missing:
        return false;
    case Listing::Kind::Unlistable:
        return askDirectly(systemPath);
    case Listing::Kind::Listed:
        break;
    }
    if (listing.files.find(name) != listing.files.end()) {
        return true;
    }
    return listing.exactNames ? false : askDirectly(systemPath);
}

std::size_t FileExistenceCache::recentSlot(std::string_view systemFolder) {
    // Sibling folders differ most often in their length and their last characters.
    std::size_t mark = systemFolder.size() * 7;
    for (std::size_t i = systemFolder.size(), last = systemFolder.size() > 3 ? systemFolder.size() - 3 : 0;
         i > last; --i) {
        mark = mark * 31 + static_cast<unsigned char>(systemFolder[i - 1]);
    }
    return mark % std::tuple_size_v<decltype(m_recent)>;
}

const FileExistenceCache::Listing& FileExistenceCache::listingOf(std::string_view systemFolder) {
    Recent& recent = m_recent[recentSlot(systemFolder)];
    if (recent.folder != nullptr && systemFolder == *recent.folder) {
        return *recent.listing;
    }
    auto found = m_folders.find(systemFolder);
    if (found == m_folders.end()) {
        const std::string native = systemFolder.empty() ? std::string(".") : toNativePath(systemFolder);
        found = m_folders.emplace(std::string(systemFolder), readFolder(native)).first;
        ++m_foldersListed;
    }
    recent = Recent{&found->first, &found->second};
    return found->second;
}

FileExistenceCache::Listing FileExistenceCache::readFolder(const std::string& nativeFolder) {
    Listing listing;
    const DirStream stream(::opendir(nativeFolder.c_str()));
    if (stream.dir == nullptr) {
        // Whatever a missing folder holds is missing too; any other failure (no read permission) may still
        // let a path inside be reached, so those are asked for directly.
        listing.kind =
            errno == ENOENT || errno == ENOTDIR ? Listing::Kind::Missing : Listing::Kind::Unlistable;
        return listing;
    }
    const int dirFd = ::dirfd(stream.dir);
    std::vector<std::string> entries;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(stream.dir);
        if (entry == nullptr) {
            if (errno != 0) {
                listing.kind = Listing::Kind::Unlistable; // a listing cut short proves nothing missing
                return listing;
            }
            break;
        }
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            // A link counts as what it leads to; some file systems do not say what an entry is.
            struct stat st {};
            regular = ::fstatat(dirFd, entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
        }
        if (regular) {
            listing.files.emplace(name);
        }
        entries.emplace_back(name);
    }
    listing.kind = Listing::Kind::Listed;
    listing.exactNames = namesAreExact(dirFd, entries);
    return listing;
}

bool FileExistenceCache::askDirectly(std::string_view systemPath) {
    ++m_directChecks;
    return fileLength(systemPath).has_value();
}

} // namespace kv380::fs
