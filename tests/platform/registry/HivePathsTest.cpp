#include "platform/registry/HivePaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace kv380::registry {
namespace {

// Sets (or, with nullptr, removes) one environment variable for a test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_saved = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { m_saved ? ::setenv(m_name, m_saved->c_str(), 1) : ::unsetenv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};

TEST(HivePaths, TheUserHiveLivesInTheXdgConfigFolder) {
    ScopedEnv hive("KV380_HKCU_HIVE", nullptr);
    ScopedEnv xdg("XDG_CONFIG_HOME", "/home/ann/.cfg");
    EXPECT_EQ(hivePath(HiveId::CurrentUser), "/home/ann/.cfg/kv380/registry/HKEY_CURRENT_USER.sqlite");
}

TEST(HivePaths, WithoutAUsableXdgConfigFolderTheUserHiveIsUnderDotConfigInTheHomeFolder) {
    ScopedEnv hive("KV380_HKCU_HIVE", nullptr);
    ScopedEnv home("HOME", "/home/ann");
    for (const char* xdg : {(const char*)nullptr, "", "relative/cfg"}) {
        ScopedEnv config("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(hivePath(HiveId::CurrentUser), "/home/ann/.config/kv380/registry/HKEY_CURRENT_USER.sqlite")
            << (xdg ? xdg : "(unset)");
    }
}

TEST(HivePaths, TheMachineHiveLivesInASystemFolder) {
    ScopedEnv hive("KV380_HKLM_HIVE", nullptr);
    EXPECT_EQ(hivePath(HiveId::LocalMachine), "/var/lib/kv380/registry/HKEY_LOCAL_MACHINE.sqlite");
}

TEST(HivePaths, EachHiveCanBePointedAtAFileOfItsOwn) {
    ScopedEnv user("KV380_HKCU_HIVE", "/tmp/u.sqlite");
    ScopedEnv machine("KV380_HKLM_HIVE", "/tmp/m.sqlite");
    ScopedEnv xdg("XDG_CONFIG_HOME", "/home/ann/.cfg");
    EXPECT_EQ(hivePath(HiveId::CurrentUser), "/tmp/u.sqlite");
    EXPECT_EQ(hivePath(HiveId::LocalMachine), "/tmp/m.sqlite");
    // An empty override counts as none.
    ScopedEnv empty("KV380_HKLM_HIVE", "");
    EXPECT_EQ(hivePath(HiveId::LocalMachine), "/var/lib/kv380/registry/HKEY_LOCAL_MACHINE.sqlite");
}

} // namespace
} // namespace kv380::registry
