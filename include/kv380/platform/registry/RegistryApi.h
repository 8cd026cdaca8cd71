#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The registry entry points the component was written against, with their arguments and status codes, over
// one SQLite file per hive (see Hive.h). Key paths and value names compare without regard to ASCII case;
// other bytes compare as they are. Text is passed through as bytes (UTF-8 on this platform).
namespace kv380::registry {

using HKEY = uint32_t; // a 32-bit key handle; the two roots are predefined values
using LONG = int32_t;  // a status code: 0 or a system error number
using DWORD = uint32_t;
using BYTE = uint8_t;

inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

// Value types. Others are stored as given but the component writes only these two.
inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

// Access rights of a key handle.
inline constexpr DWORD KEY_QUERY_VALUE = 0x0001;
inline constexpr DWORD KEY_SET_VALUE = 0x0002;
inline constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr DWORD KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr DWORD KEY_NOTIFY = 0x0010;
inline constexpr DWORD KEY_CREATE_LINK = 0x0020;
inline constexpr DWORD KEY_READ = 0x20019;
inline constexpr DWORD KEY_WRITE = 0x20006;
inline constexpr DWORD KEY_ALL_ACCESS = 0xF003F;
// Rights that change a hive; a hive that cannot be written refuses handles asking for any of them.
inline constexpr DWORD KEY_WRITE_RIGHTS = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK |
                                          0x10000 /*DELETE*/ | 0x40000 /*WRITE_DAC*/ |
                                          0x80000 /*WRITE_OWNER*/;

inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Status codes.
inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_OUTOFMEMORY = 14;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_DISK_FULL = 112;
inline constexpr LONG ERROR_BUSY = 170; // the hive stayed locked by another process past the busy timeout
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_REGISTRY_CORRUPT = 1015;
inline constexpr LONG ERROR_REGISTRY_IO_FAILED = 1016;
inline constexpr LONG ERROR_KEY_DELETED = 1018;

// Opens an existing key below hKey. An empty or null sub-key opens a new handle to hKey's own key.
// 2 when a key on the path is missing, 5 when write rights are asked of a hive that cannot be written.
KV380_API LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey, DWORD ulOptions, DWORD samDesired,
                             HKEY* phkResult);

// Opens a key below hKey, creating every missing key on the path. lpdwDisposition (optional) tells which.
KV380_API LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, DWORD Reserved, const char* lpClass,
                               DWORD dwOptions, DWORD samDesired, const void* lpSecurityAttributes,
                               HKEY* phkResult, DWORD* lpdwDisposition);

// Reads a value. With lpData null only the type and size are reported. When the data does not fit
// *lpcbData bytes: 234, the needed size in *lpcbData, the buffer untouched. A missing value: 2.
KV380_API LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType,
                                BYTE* lpData, DWORD* lpcbData);

// Writes a value of the given type; the data is stored as the cbData bytes given.
KV380_API LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD Reserved, DWORD dwType,
                              const BYTE* lpData, DWORD cbData);

// What a key holds: the number of its direct sub-keys and of its values. The other outputs of the Windows
// entry point (class, longest names, security, time) are not kept and read as 0; each output may be null.
KV380_API LONG RegQueryInfoKeyA(HKEY hKey, char* lpClass, DWORD* lpcchClass, DWORD* lpReserved,
                                DWORD* lpcSubKeys, DWORD* lpcbMaxSubKeyLen, DWORD* lpcbMaxClassLen,
                                DWORD* lpcValues, DWORD* lpcbMaxValueNameLen, DWORD* lpcbMaxValueLen,
                                DWORD* lpcbSecurityDescriptor, void* lpftLastWriteTime);
// Removes a value of an open key (opened with KEY_SET_VALUE): 2 when there is no such value.
KV380_API LONG RegDeleteValueA(HKEY hKey, const char* lpValueName);
// Removes a key below hKey with its values; the key must have no sub-keys (5 otherwise, and for a root).
// 2 when there is no such key. Handles still open on it then fail with 1018.
KV380_API LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey);
// Closes a handle. Closing a predefined root succeeds and does nothing; an unknown handle is 6.
KV380_API LONG RegCloseKey(HKEY hKey);

// Makes the registry calls of its lifetime that write to hKey's hive one transaction, so that reading a value
// and the write it decides are atomic against other processes sharing the hive. Calls that would start a
// transaction of their own join this one instead. Not committed when it ends: rolled back.
class KV380_API WriteTransaction {
public:
    explicit WriteTransaction(HKEY hKey);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    // Whether the transaction could begin: 0, or why not, for example 170 when another process held the
    // hive past the busy timeout. Calls made after a failed begin would each run on their own, so a caller
    // that needs them together stops here. A handle that is not a key, or a hive that cannot be written,
    // begins nothing and answers 0: the calls inside then fail with their own statuses.
    LONG status() const;

    // Commits. 0, or the status of the failed begin or commit (the transaction is then rolled back).
    LONG commit();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Makes the registry calls of its lifetime that read hKey's hive one read transaction: they see one state
// of the hive and take its lock once. Other processes' writes committed before it began are seen. Only
// reads belong inside; a write ends it. Nothing to do inside a WriteTransaction, which reads the same way.
class KV380_API ReadTransaction {
public:
    explicit ReadTransaction(HKEY hKey);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// One entry-point call as a test hook sees it, before it runs.
struct KV380_API RegistryCall {
    const char*
        entryPoint; // "RegOpenKeyExA", "RegCreateKeyExA", "RegQueryValueExA", "RegSetValueExA", "RegCloseKey"
    HKEY key;       // the handle passed in
    std::string name; // the sub-key (open, create) or the value name (query, set)
    DWORD access;     // samDesired (open, create)
    DWORD type;       // dwType (set)
    DWORD size;       // *lpcbData on entry (query), cbData (set)
};

// Test hook: sees every call before it runs and may fail it with a status of its own (or throw). Returning 0
// lets the call go on. Empty: no hook.
using RegistryCallHook = std::function<LONG(const RegistryCall& call)>;
KV380_API void setCallHookForTests(RegistryCallHook hook);

// Closes both hives and every open handle. The next call opens the hives afresh, reading the environment
// again (KV380_HKCU_HIVE, KV380_HKLM_HIVE, XDG_CONFIG_HOME, HOME), so a test can point them at its own files.
KV380_API void resetForTests();

} // namespace kv380::registry
