#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace kv380::fs {

// Answers "is there a regular file at this path?" for many paths in one pass, reading each folder once
// instead of asking the system about every path. The answers are fileLength's (a regular file or a link to
// one; never a folder, a broken link or a device; names compared exactly), taken as each folder stood
// when the pass first asked about it: a file created in a folder after that is not seen, and a file
// removed after that is still reported, until a new cache (the next pass) reads the folder again.
//
// Where a listing cannot give fileLength's answer, the path is asked for directly, every time:
// - a folder that may be searched but not read (no read permission) cannot be listed;
// - in a folder whose names are not told apart by case (a case-insensitive file system or folder), a name
//   missing from the listing may still be found under another case.
// A folder that does not exist (or is not a folder) has no files for the rest of the pass.
class FileExistenceCache {
public:
    // Whether a regular file is at the system-form path ("\" or "/" separate folders).
    bool regularFileExists(std::string_view systemPath);

    // How many folders were listed and how many paths were asked about directly, so far.
    std::size_t foldersListed() const { return m_foldersListed; }
    std::size_t directChecks() const { return m_directChecks; }

private:
    struct TransparentHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    using NameSet = std::unordered_set<std::string, TransparentHash, std::equal_to<>>;

    struct Listing {
        enum class Kind {
            Listed,     // `files` holds every regular file of the folder
            Missing,    // no such folder: nothing in it exists
            Unlistable, // every path in it is asked about directly
        };
        Kind kind{Kind::Unlistable};
        // Listed: whether names differ by case here, so that a name not listed is surely absent.
        bool exactNames{false};
        NameSet files;
    };

    const Listing& listingOf(std::string_view systemFolder);
    static Listing readFolder(const std::string& nativeFolder);
    bool askDirectly(std::string_view systemPath);

    std::unordered_map<std::string, Listing, TransparentHash, std::equal_to<>> m_folders;
    // Folders asked about recently (keys of m_folders), found by a cheap mark of their path, so that paths
    // spread over a few folders skip hashing the folder's whole path.
    struct Recent {
        const std::string* folder{nullptr};
        const Listing* listing{nullptr};
    };
    static std::size_t recentSlot(std::string_view systemFolder);
    std::array<Recent, 64> m_recent{};
    std::size_t m_foldersListed{0};
    std::size_t m_directChecks{0};
};

} // namespace kv380::fs
