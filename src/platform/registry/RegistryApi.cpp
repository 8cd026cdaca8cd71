#include "platform/registry/RegistryApi.h"

#include "platform/registry/HandleTable.h"
#include "platform/registry/Hive.h"
#include "platform/registry/KeyPath.h"

#include <cstring>
#include <mutex>
#include <utility>

namespace kv380::registry {

namespace {

struct Registry {
    // Recursive, so that a WriteTransaction can hold it while the calls inside it take it again.
    std::recursive_mutex mutex;
    std::unique_ptr<Hive> hives[2];
    HandleTable handles;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

// A hive is opened on first use, so the environment is read then, not at start-up.
Hive& hiveOf(HiveId id) {
    auto& slot = registry().hives[id == HiveId::CurrentUser ? 0 : 1];
    if (!slot) {
        // The machine hive is mostly read by users who cannot write it; a rollback journal lets them read
        // without creating WAL's index files in its folder.
        slot = std::make_unique<Hive>(
            id, hivePath(id), id == HiveId::CurrentUser ? Hive::Journal::Wal : Hive::Journal::Rollback);
    }
    return *slot;
}

std::string subKeyPath(const char* subKey) {
    return joinKeyPath(splitKeyPath(subKey ? subKey : ""));
}

RegistryCallHook& hookSlot() {
    static RegistryCallHook hook;
    return hook;
}

// What the test hook decides for a call: 0 to let it run.
LONG hooked(const char* entryPoint, HKEY key, const char* name, DWORD access = 0, DWORD type = 0,
            DWORD size = 0) {
    if (!hookSlot()) {
        return ERROR_SUCCESS;
    }
    return hookSlot()(RegistryCall{entryPoint, key, name ? name : "", access, type, size});
}

// The open key behind a handle that was opened with `right`: 6 for a handle that is not open, 5 for one
// opened without that right.
LONG keyAllowing(HKEY hKey, DWORD right, std::optional<OpenKey>& key) {
    key = registry().handles.resolve(hKey);
    if (!key) {
        return ERROR_INVALID_HANDLE;
    }
    return (key->access & right) == 0 ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

} // namespace

LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey, DWORD, DWORD samDesired, HKEY* phkResult) {
    std::lock_guard lock(registry().mutex);
    if (const LONG forced = hooked("RegOpenKeyExA", hKey, lpSubKey, samDesired)) {
        return forced;
    }
    if (!phkResult) {
        return ERROR_INVALID_PARAMETER;
    }
    const auto parent = registry().handles.resolve(hKey);
    if (!parent) {
        return ERROR_INVALID_HANDLE;
    }
    Hive& hive = hiveOf(parent->hive);
    const std::string path = appendKeyPath(parent->path, subKeyPath(lpSubKey));
    int64_t keyId = 0;
    if (const LONG status = hive.findKey(path, keyId); status != ERROR_SUCCESS) {
        return status;
    }
    if ((samDesired & KEY_WRITE_RIGHTS) != 0 && !hive.writable()) {
        return ERROR_ACCESS_DENIED;
    }
    *phkResult = registry().handles.add({parent->hive, keyId, path, samDesired});
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, DWORD, const char*, DWORD, DWORD samDesired,
                     const void*, HKEY* phkResult, DWORD* lpdwDisposition) {
    std::lock_guard lock(registry().mutex);
    if (const LONG forced = hooked("RegCreateKeyExA", hKey, lpSubKey, samDesired)) {
        return forced;
    }
    if (!phkResult) {
        return ERROR_INVALID_PARAMETER;
    }
    const auto parent = registry().handles.resolve(hKey);
    if (!parent) {
        return ERROR_INVALID_HANDLE;
    }
    Hive& hive = hiveOf(parent->hive);
    const std::string path = appendKeyPath(parent->path, subKeyPath(lpSubKey));
    int64_t keyId = 0;
    bool created = false;
    LONG status = hive.findKey(path, keyId);
    if (status == ERROR_FILE_NOT_FOUND) {
        if ((parent->access & KEY_CREATE_SUB_KEY) == 0) {
            return ERROR_ACCESS_DENIED;
        }
        status = hive.createKey(splitKeyPath(path), keyId, created);
    }
    if (status != ERROR_SUCCESS) {
        return status;
    }
    if ((samDesired & KEY_WRITE_RIGHTS) != 0 && !hive.writable()) {
        return ERROR_ACCESS_DENIED;
    }
    *phkResult = registry().handles.add({parent->hive, keyId, path, samDesired});
    if (lpdwDisposition) {
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType, BYTE* lpData,
                      DWORD* lpcbData) {
    std::lock_guard lock(registry().mutex);
    if (const LONG forced = hooked("RegQueryValueExA", hKey, lpValueName, 0, 0, lpcbData ? *lpcbData : 0)) {
        return forced;
    }
    if (lpReserved || (lpData && !lpcbData)) {
        return ERROR_INVALID_PARAMETER;
    }
    std::optional<OpenKey> key;
    if (const LONG refused = keyAllowing(hKey, KEY_QUERY_VALUE, key)) {
        return refused;
    }
    StoredValue value;
    if (const LONG status = hiveOf(key->hive).readValue(key->keyId, lpValueName ? lpValueName : "", value);
        status != ERROR_SUCCESS) {
        return status;
    }
    if (lpType) {
        *lpType = value.type;
    }
    const auto size = static_cast<DWORD>(value.data.size());
    if (lpData) {
        if (*lpcbData < size) {
            *lpcbData = size;
            return ERROR_MORE_DATA; // the caller's buffer is left as it was
        }
        if (size != 0) {
            std::memcpy(lpData, value.data.data(), size);
        }
    }
    if (lpcbData) {
        *lpcbData = size;
    }
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                    DWORD cbData) {
    std::lock_guard lock(registry().mutex);
    if (const LONG forced = hooked("RegSetValueExA", hKey, lpValueName, 0, dwType, cbData)) {
        return forced;
    }
    std::optional<OpenKey> key;
    if (const LONG refused = keyAllowing(hKey, KEY_SET_VALUE, key)) {
        return refused;
    }
    if (!lpData && cbData != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    return hiveOf(key->hive).writeValue(key->keyId, lpValueName ? lpValueName : "", dwType, lpData, cbData);
}

LONG RegQueryInfoKeyA(HKEY hKey, char* lpClass, DWORD* lpcchClass, DWORD*, DWORD* lpcSubKeys,
                      DWORD* lpcbMaxSubKeyLen, DWORD* lpcbMaxClassLen, DWORD* lpcValues,
                      DWORD* lpcbMaxValueNameLen, DWORD* lpcbMaxValueLen, DWORD* lpcbSecurityDescriptor,
                      void* lpftLastWriteTime) {
    std::lock_guard lock(registry().mutex);
    if (const LONG forced = hooked("RegQueryInfoKeyA", hKey, nullptr)) {
        return forced;
    }
    std::optional<OpenKey> key;
    if (const LONG refused = keyAllowing(hKey, KEY_QUERY_VALUE, key)) {
        return refused;
    }
    DWORD subKeys = 0;
    DWORD values = 0;
    if (const LONG status = hiveOf(key->hive).countContents(key->keyId, key->path, subKeys, values);
        status != ERROR_SUCCESS) {
        return status;
    }
    for (DWORD* unkept : {lpcchClass, lpcbMaxSubKeyLen, lpcbMaxClassLen, lpcbMaxValueNameLen, lpcbMaxValueLen,
                          lpcbSecurityDescriptor}) {
        if (unkept) {
            *unkept = 0;
        }
    }
    (void)lpClass; // no class text is kept: *lpcchClass says it is empty
    (void)lpftLastWriteTime;
    if (lpcSubKeys) {
        *lpcSubKeys = subKeys;
    }
    if (lpcValues) {
        *lpcValues = values;
    }
    return ERROR_SUCCESS;
}

LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) {
    std::lock_guard lock(registry().mutex);
    if (const LONG forced = hooked("RegDeleteValueA", hKey, lpValueName)) {
        return forced;
    }
    std::optional<OpenKey> key;
    if (const LONG refused = keyAllowing(hKey, KEY_SET_VALUE, key)) {
        return refused;
    }
    return hiveOf(key->hive).deleteValue(key->keyId, lpValueName ? lpValueName : "");
}

LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey) {
    std::lock_guard lock(registry().mutex);
    if (const LONG forced = hooked("RegDeleteKeyA", hKey, lpSubKey)) {
        return forced;
    }
    const auto parent = registry().handles.resolve(hKey);
    if (!parent) {
        return ERROR_INVALID_HANDLE;
    }
    const std::string subKey = subKeyPath(lpSubKey);
    if (subKey.empty()) {
        return ERROR_INVALID_PARAMETER; // a key deletes its sub-keys, not itself
    }
    return hiveOf(parent->hive).deleteKey(appendKeyPath(parent->path, subKey));
}

LONG RegCloseKey(HKEY hKey) {
    std::lock_guard lock(registry().mutex);
    if (const LONG forced = hooked("RegCloseKey", hKey, nullptr)) {
        return forced;
    }
    if (hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE) {
        return ERROR_SUCCESS;
    }
    return registry().handles.remove(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

struct WriteTransaction::State {
    std::unique_lock<std::recursive_mutex> lock{registry().mutex};
    Hive* hive{nullptr};
    bool active{false};
    LONG status{ERROR_SUCCESS};
};

WriteTransaction::WriteTransaction(HKEY hKey) : m_state(std::make_unique<State>()) {
    if (const auto key = registry().handles.resolve(hKey)) {
        m_state->hive = &hiveOf(key->hive);
        if (m_state->hive->writable()) {
            m_state->status = m_state->hive->beginWrite();
            m_state->active = m_state->status == ERROR_SUCCESS;
        }
    }
}

WriteTransaction::~WriteTransaction() {
    if (m_state->active) {
        m_state->hive->endWrite(false);
    }
}

LONG WriteTransaction::status() const {
    return m_state->status;
}

LONG WriteTransaction::commit() {
    if (!m_state->active) {
        return m_state->status;
    }
    m_state->active = false;
    return m_state->hive->endWrite(true);
}

struct ReadTransaction::State {
    std::unique_lock<std::recursive_mutex> lock{registry().mutex};
    Hive* hive{nullptr};
};

ReadTransaction::ReadTransaction(HKEY hKey) : m_state(std::make_unique<State>()) {
    if (const auto key = registry().handles.resolve(hKey)) {
        Hive& hive = hiveOf(key->hive);
        m_state->hive = hive.beginRead() ? &hive : nullptr;
    }
}

ReadTransaction::~ReadTransaction() {
    if (m_state->hive) {
        m_state->hive->endRead();
    }
}

void setCallHookForTests(RegistryCallHook hook) {
    std::lock_guard lock(registry().mutex);
    hookSlot() = std::move(hook);
}

void resetForTests() {
    std::lock_guard lock(registry().mutex);
    registry().handles.clear();
    registry().hives[0].reset();
    registry().hives[1].reset();
}

} // namespace kv380::registry
