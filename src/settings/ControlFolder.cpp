#include "settings/ControlFolder.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>
#include <utility>

namespace kv380 {

namespace {

std::optional<std::string>& overrideSlot() {
    static std::optional<std::string> folder;
    return folder;
}

std::string folderOf(const std::string& file) {
    const auto slash = file.find_last_of('/');
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 0 ? std::string("/") : file.substr(0, slash);
}

std::string executablePath() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

// The shared library that holds this function, or empty when it is the executable itself (whose name
// the loader reports only as it was typed on the command line).
std::string loadedLibraryPath() {
    Dl_info info{};
    link_map* map = nullptr;
    if (::dladdr1(reinterpret_cast<const void*>(&loadedLibraryPath), &info, reinterpret_cast<void**>(&map),
                  RTLD_DL_LINKMAP) == 0 ||
        !map || !map->l_name || map->l_name[0] != '/') {
        return {};
    }
    return map->l_name;
}

} // namespace

std::string ControlFolder() {
    if (overrideSlot()) {
        return *overrideSlot();
    }
    std::string file = loadedLibraryPath();
    if (file.empty()) {
        file = executablePath();
    }
    return folderOf(file);
}

void setControlFolderForTests(std::optional<std::string> folder) {
    overrideSlot() = std::move(folder);
}

} // namespace kv380
