#include "platform/registry/HivePaths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace kv380::registry {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string homeFolder() {
    std::string home = environment("HOME");
    if (!home.empty()) {
        return home;
    }
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) {
        return entry->pw_dir;
    }
    return {};
}

// The base folder for user configuration, as the XDG base directory rules define it: a relative
// XDG_CONFIG_HOME is ignored.
std::string userConfigFolder() {
    const std::string xdg = environment("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') {
        return xdg;
    }
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

} // namespace

const char* hiveName(HiveId hive) {
    return hive == HiveId::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

std::string hivePath(HiveId hive) {
    if (hive == HiveId::CurrentUser) {
        if (std::string path = environment("KV380_HKCU_HIVE"); !path.empty()) {
            return path;
        }
        const std::string config = userConfigFolder();
        return config.empty() ? std::string() : config + "/kv380/registry/HKEY_CURRENT_USER.sqlite";
    }
    if (std::string path = environment("KV380_HKLM_HIVE"); !path.empty()) {
        return path;
    }
    return "/var/lib/kv380/registry/HKEY_LOCAL_MACHINE.sqlite";
}

} // namespace kv380::registry
