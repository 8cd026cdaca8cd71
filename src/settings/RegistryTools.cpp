#include "settings/RegistryTools.h"

#include <exception>
#include <vector>

namespace kv380::RegistryTools {

using namespace registry;

namespace {

// Closes a key handle when the operation ends, however it ends.
class KeyCloser {
public:
    explicit KeyCloser(const HKEY& key) : m_key(key) {}
    ~KeyCloser() { RegCloseKey(m_key); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    const HKEY& m_key;
};

void toBytes(int32_t value, BYTE (&bytes)[4]) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<BYTE>(bits >> (8 * i));
    }
}

int32_t fromBytes(const BYTE (&bytes)[4]) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= uint32_t{bytes[i]} << (8 * i);
    }
    return static_cast<int32_t>(bits);
}

// Both writers: create or open the key, probe the value with a 4-byte buffer, and write only when the probe
// allows it. One transaction holds the three steps together, so no other process's write slips in between
// the probe and the write it decides.
int32_t probeAndWrite(HKEY hKeyRoot, const std::string& strSubKey, const std::string& strValueName,
                      DWORD type, const BYTE* data, DWORD size, bool overwriteLonger) {
    WriteTransaction transaction(hKeyRoot);
    if (const LONG begun = transaction.status(); begun != ERROR_SUCCESS) {
        return begun; // another process holds the hive (or it failed): nothing is written
    }
    HKEY key = 0; // stays 0 when the create fails: the probe then reports an invalid handle
    KeyCloser closer(key);
    DWORD disposition = 0;
    RegCreateKeyExA(hKeyRoot, strSubKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, WriterAccess, nullptr,
                    &key, &disposition);
    BYTE probe[4] = {0, 0, 0, 0};
    DWORD probeType = type;
    DWORD probeSize = sizeof probe;
    LONG status = RegQueryValueExA(key, strValueName.c_str(), nullptr, &probeType, probe, &probeSize);
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ||
        (overwriteLonger && status == ERROR_MORE_DATA)) {
        status = RegSetValueExA(key, strValueName.c_str(), 0, type, data, size);
    }
    const LONG committed = transaction.commit();
    return status == ERROR_SUCCESS ? committed : status;
}

} // namespace

void CloseRegKey(HKEY hKey) {
    RegCloseKey(hKey);
}

HKEY OpenRegKey(HKEY hKey, const std::string& strSubKey, int32_t lOptions, int32_t lAccess) {
    HKEY key = 0;
    const LONG status = RegOpenKeyExA(hKey, strSubKey.c_str(), static_cast<DWORD>(lOptions),
                                      static_cast<DWORD>(lAccess), &key);
    return status == ERROR_SUCCESS ? key : InvalidKey;
}

bool QueryRegLongValue(HKEY hKey, const std::string& strValueName, int32_t& lValue) {
    if (hKey == InvalidKey) {
        return false;
    }
    // The caller's value is the buffer; it is copied in and out so that a read that fails (a short text, say)
    // leaves it as it was.
    BYTE buffer[4];
    toBytes(lValue, buffer);
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    const LONG status = RegQueryValueExA(hKey, strValueName.c_str(), nullptr, &type, buffer, &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD) {
        return false;
    }
    lValue = fromBytes(buffer);
    return true;
}

bool GetRegLongValue(HKEY& hKeyRoot, std::string& strSubKey, int32_t& lValue, std::string& strValueName) {
    try {
        // Opening the key and reading its value see one state of the hive, under one lock.
        ReadTransaction reading(hKeyRoot);
        HKEY key = 0;
        if (RegOpenKeyExA(hKeyRoot, strSubKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
            return false;
        }
        KeyCloser closer(key);
        return QueryRegLongValue(key, strValueName, lValue);
    } catch (const std::exception&) {
        return false;
    }
}

bool QueryRegStringValue(HKEY hKey, const std::string& strSubKey, std::string& strValue,
                         const std::string& strValueName) {
    try {
        ReadTransaction reading(hKey);
        HKEY key = 0;
        if (RegOpenKeyExA(hKey, strSubKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
            return false;
        }
        KeyCloser closer(key);
        std::string buffer(StringBufferSize, ' ');
        DWORD type = REG_NONE;
        DWORD size = StringBufferSize;
        const LONG status = RegQueryValueExA(key, strValueName.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer.data()), &size);
        // The size counts the terminator; data of no bytes at all has none to drop and is not a text.
        if (status != ERROR_SUCCESS || size == 0) {
            strValue.clear();
            return false;
        }
        strValue = buffer.substr(0, size - 1);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

int32_t SetRegLongValue(HKEY hKeyRoot, const std::string& strSubKey, const std::string& strValueName,
                        int32_t lValue) {
    BYTE data[4];
    toBytes(lValue, data);
    return probeAndWrite(hKeyRoot, strSubKey, strValueName, REG_DWORD, data, sizeof data, false);
}

int32_t SetRegStringValue(HKEY hKeyRoot, const std::string& strSubKey, const std::string& strValueName,
                          const std::string& strValue) {
    std::vector<BYTE> data(strValue.begin(), strValue.end());
    data.push_back(0);
    return probeAndWrite(hKeyRoot, strSubKey, strValueName, REG_SZ, data.data(),
                         static_cast<DWORD>(data.size()), true);
}

} // namespace kv380::RegistryTools
