#include "support/TempRegistry.h"

#include "platform/registry/RegistryLog.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <utility>

namespace kv380::test {

using namespace registry;

namespace {

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

std::string makeTemporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/kv380-registry-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary folder for the registry hives");
    }
    return pattern;
}

} // namespace

std::string RawValue::text() const {
    std::string bytes(data.begin(), data.end());
    if (type == REG_SZ && !bytes.empty() && bytes.back() == '\0') {
        bytes.pop_back();
    }
    return bytes;
}

TempRegistry::TempRegistry()
    : m_folder(makeTemporaryFolder()), m_userHive(m_folder + "/HKEY_CURRENT_USER.sqlite"),
      m_machineHive(m_folder + "/HKEY_LOCAL_MACHINE.sqlite"), m_savedUser(environment("KV380_HKCU_HIVE")),
      m_savedMachine(environment("KV380_HKLM_HIVE")), m_log(std::make_shared<std::vector<std::string>>()),
      m_calls(std::make_shared<std::vector<RegistryCall>>()) {
    setLogSink([log = m_log](const std::string& line) { log->push_back(line); });
    ::setenv("KV380_HKCU_HIVE", m_userHive.c_str(), 1);
    ::setenv("KV380_HKLM_HIVE", m_machineHive.c_str(), 1);
    resetForTests();
}

TempRegistry::~TempRegistry() {
    setCallHookForTests(nullptr);
    resetForTests();
    restore("KV380_HKCU_HIVE", m_savedUser);
    restore("KV380_HKLM_HIVE", m_savedMachine);
    setLogSink(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

void TempRegistry::pointUserHiveAt(const std::string& path) {
    ::setenv("KV380_HKCU_HIVE", path.c_str(), 1);
    resetForTests();
}

void TempRegistry::pointMachineHiveAt(const std::string& path) {
    ::setenv("KV380_HKLM_HIVE", path.c_str(), 1);
    resetForTests();
}

void TempRegistry::recordCalls(RegistryCallHook inject) {
    m_calls->clear();
    setCallHookForTests([calls = m_calls, inject = std::move(inject)](const RegistryCall& call) {
        calls->push_back(call);
        return inject ? inject(call) : ERROR_SUCCESS;
    });
}

void TempRegistry::setText(HKEY root, const std::string& key, const std::string& name,
                           const std::string& text) {
    std::vector<BYTE> data(text.begin(), text.end());
    data.push_back(0);
    setRaw(root, key, name, REG_SZ, data);
}

void TempRegistry::setLong(HKEY root, const std::string& key, const std::string& name, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    setRaw(root, key, name, REG_DWORD, {BYTE(bits), BYTE(bits >> 8), BYTE(bits >> 16), BYTE(bits >> 24)});
}

void TempRegistry::setRaw(HKEY root, const std::string& key, const std::string& name, DWORD type,
                          const std::vector<BYTE>& data) {
    HKEY opened = 0;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create registry key " + key);
    }
    const LONG status =
        RegSetValueExA(opened, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write registry value " + name);
    }
}

std::optional<RawValue> TempRegistry::value(HKEY root, const std::string& key,
                                            const std::string& name) const {
    HKEY opened = 0;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue value;
    DWORD size = 0;
    LONG status = RegQueryValueExA(opened, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.data.resize(size);
        status = RegQueryValueExA(opened, name.c_str(), nullptr, &value.type, value.data.data(), &size);
    }
    RegCloseKey(opened);
    return status == ERROR_SUCCESS ? std::optional<RawValue>(value) : std::nullopt;
}

bool TempRegistry::keyExists(HKEY root, const std::string& key) const {
    HKEY opened = 0;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

} // namespace kv380::test
