#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace kv380::test {

// A fresh directory under the system's temporary folder, removed with everything in it afterwards.
// Relative names use "/" to build the tree; sys() gives the system form ("\"-separated below the root)
// that the code under test is handed.
class TempTree {
public:
    TempTree() {
        static std::atomic<unsigned> counter{0};
        std::random_device random;
        m_root = std::filesystem::temp_directory_path() /
                 ("kv380-fs-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                  std::to_string(random()));
        std::filesystem::create_directories(m_root);
    }
    ~TempTree() {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The root in native form, which is also a valid system form.
    std::string root() const { return m_root.string(); }

    // The system form of a path below the root: root, "\" and the relative path with "\" separators.
    std::string sys(std::string_view relative = {}) const {
        std::string path = root();
        if (!relative.empty()) {
            path += '\\';
            for (char c : relative) {
                path += c == '/' ? '\\' : c;
            }
        }
        return path;
    }

    void folder(std::string_view relative) const { std::filesystem::create_directories(m_root / relative); }

    void file(std::string_view relative, std::string_view contents = {}) const {
        const std::filesystem::path path = m_root / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary);
        out << contents;
        ASSERT_TRUE(out.good()) << path;
    }

    // A symbolic link at `relative` pointing to `target` (taken as it stands, relative to the link's folder).
    void link(std::string_view target, std::string_view relative) const {
        std::filesystem::create_symlink(target, m_root / relative);
    }

    void remove(std::string_view relative) const { std::filesystem::remove_all(m_root / relative); }

private:
    std::filesystem::path m_root;
};

} // namespace kv380::test
