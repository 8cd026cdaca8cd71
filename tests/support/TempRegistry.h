#pragma once

#include "platform/registry/RegistryApi.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kv380::test {

// A value as the hive holds it: its type and its bytes (a REG_SZ's terminator included).
struct RawValue {
    registry::DWORD type = registry::REG_NONE;
    std::vector<registry::BYTE> data;

    // The bytes as text, without the one terminating NUL of a REG_SZ.
    std::string text() const;
};

// Points both registry hives at fresh files in a temporary folder for the lifetime of one test, and puts
// everything back afterwards: the environment, the hives (closed and reopened on next use) and the folder.
// The registry's problem lines are recorded instead of printed while it lasts.
class TempRegistry {
public:
    TempRegistry();
    ~TempRegistry();
    TempRegistry(const TempRegistry&) = delete;
    TempRegistry& operator=(const TempRegistry&) = delete;

    // The temporary folder, removed with everything in it at the end.
    const std::string& folder() const { return m_folder; }
    // The hive files (created on first use of the registry).
    const std::string& userHive() const { return m_userHive; }
    const std::string& machineHive() const { return m_machineHive; }

    // Points a hive at another file and closes the open hives, so the next call opens it.
    void pointUserHiveAt(const std::string& path);
    void pointMachineHiveAt(const std::string& path);

    // The registry's problem lines so far.
    const std::vector<std::string>& logLines() const { return *m_log; }

    // Records every registry call from now on, forgetting earlier ones. `inject` may fail a call, as the
    // registry's test hook does.
    void recordCalls(registry::RegistryCallHook inject = {});
    const std::vector<registry::RegistryCall>& calls() const { return *m_calls; }

    // Seeds values directly, creating the key path. setText stores the text and one NUL, as REG_SZ.
    void setText(registry::HKEY root, const std::string& key, const std::string& name,
                 const std::string& text);
    void setLong(registry::HKEY root, const std::string& key, const std::string& name, int32_t value);
    void setRaw(registry::HKEY root, const std::string& key, const std::string& name, registry::DWORD type,
                const std::vector<registry::BYTE>& data);

    // What is stored, or nothing when the key or the value is missing.
    std::optional<RawValue> value(registry::HKEY root, const std::string& key, const std::string& name) const;
    bool keyExists(registry::HKEY root, const std::string& key) const;

private:
    std::string m_folder;
    std::string m_userHive;
    std::string m_machineHive;
    std::optional<std::string> m_savedUser;
    std::optional<std::string> m_savedMachine;
    std::shared_ptr<std::vector<std::string>> m_log;
    std::shared_ptr<std::vector<registry::RegistryCall>> m_calls;
};

} // namespace kv380::test
