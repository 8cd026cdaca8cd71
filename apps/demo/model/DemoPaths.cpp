#include "model/DemoPaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef KV380_DEMO_EXAMPLES_DIR
#error "KV380_DEMO_EXAMPLES_DIR names the examples folder of the source tree"
#endif

namespace kv380::demo {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

} // namespace

std::string defaultExamplesFolder() {
    const std::string overridden = environment("KV380_DEMO_EXAMPLES");
    return overridden.empty() ? std::string(KV380_DEMO_EXAMPLES_DIR) : overridden;
}

std::string defaultDataFolder() {
    if (std::string folder = environment("KV380_DEMO_DATA"); !folder.empty()) {
        return folder;
    }
    if (std::string xdg = environment("XDG_DATA_HOME"); !xdg.empty()) {
        return (std::filesystem::path(xdg) / "kv380" / "demo").string();
    }
    return (std::filesystem::path(environment("HOME")) / ".local" / "share" / "kv380" / "demo").string();
}

std::string symbolRootOf(const std::string& folder) {
    std::error_code ec;
    std::filesystem::path root = std::filesystem::weakly_canonical(std::filesystem::absolute(folder, ec), ec);
    std::string text = root.string();
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

} // namespace kv380::demo
