#include "platform/hosting/ClassRegistry.h"

#include "platform/registry/RegistryApi.h"

#include <vector>

namespace kv380::hosting {

namespace {

using namespace kv380::registry;

constexpr const char* ClassesKey = "Software\\Classes";

// An open key, closed when it goes.
class Key {
public:
    Key() = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() {
        if (m_handle != 0) {
            RegCloseKey(m_handle);
        }
    }
    HKEY* out() { return &m_handle; }
    HKEY get() const { return m_handle; }

private:
    HKEY m_handle{0};
};

std::optional<std::string> defaultValue(HKEY root, const std::string& path) {
    Key key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), "", nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) {
        return std::nullopt;
    }
    std::vector<BYTE> data(size);
    if (RegQueryValueExA(key.get(), "", nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string text(data.begin(), data.begin() + size);
    while (!text.empty() && text.back() == '\0') {
        text.pop_back(); // stored with its terminator, as text values are
    }
    return text;
}

LONG setDefaultValue(HKEY root, const std::string& path, const std::string& text) {
    Key key;
    if (const LONG status = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                            KEY_ALL_ACCESS, nullptr, key.out(), nullptr);
        status != ERROR_SUCCESS) {
        return status;
    }
    return RegSetValueExA(key.get(), "", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

// The default value goes when it still holds `expected`; then the key goes when nothing is left in it.
// Missing keys and values are nothing to remove.
bool removeDefaultValue(HKEY root, const std::string& path, const std::string& expected) {
    const auto current = defaultValue(root, path);
    if (!current) {
        return true;
    }
    if (*current != expected) {
        return true; // someone else's registration now: not ours to remove
    }
    {
        Key key;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE, key.out()) != ERROR_SUCCESS ||
            RegDeleteValueA(key.get(), "") != ERROR_SUCCESS) {
            return false;
        }
    }
    return true;
}

// Removes the key when it holds neither values nor sub-keys.
bool removeKeyIfEmpty(HKEY root, const std::string& path) {
    DWORD subKeys = 0;
    DWORD values = 0;
    {
        Key key;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS) {
            return true; // not there
        }
        if (RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                             nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            return false;
        }
    }
    if (subKeys != 0 || values != 0) {
        return true;
    }
    const LONG status = RegDeleteKeyA(root, path.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::string classKey(const std::string& name) {
    return std::string(ClassesKey) + "\\" + name;
}

std::string clsidKey(const Guid& clsid) {
    return std::string(ClassesKey) + "\\CLSID\\" + clsid.text();
}

bool writable(HKEY root) {
    Key key;
    return RegCreateKeyExA(root, ClassesKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                           key.out(), nullptr) == ERROR_SUCCESS;
}

} // namespace

HRESULT registerClass(const ClassRegistration& registration, RegistrationHive* where) {
    const HKEY root = writable(HKEY_LOCAL_MACHINE) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    const std::string clsid = registration.clsid.text();
    const std::string clsidPath = clsidKey(registration.clsid);
    const bool written =
        setDefaultValue(root, classKey(registration.className) + "\\CLSID", clsid) == ERROR_SUCCESS &&
        setDefaultValue(root, clsidPath, registration.className) == ERROR_SUCCESS &&
        setDefaultValue(root, clsidPath + "\\ProgID", registration.className) == ERROR_SUCCESS &&
        setDefaultValue(root, clsidPath + "\\InprocServer32", registration.libraryPath) == ERROR_SUCCESS;
    if (where) {
        *where = root == HKEY_LOCAL_MACHINE ? RegistrationHive::Machine : RegistrationHive::User;
    }
    return written ? S_OK : SELFREG_E_CLASS;
}

HRESULT unregisterClass(const ClassRegistration& registration) {
    const std::string clsid = registration.clsid.text();
    const std::string clsidPath = clsidKey(registration.clsid);
    const std::string namePath = classKey(registration.className);
    bool removed = true;
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        // The class registered to another library is that library's registration, names and all.
        const auto library = defaultValue(root, clsidPath + "\\InprocServer32");
        if (library && *library != registration.libraryPath) {
            continue;
        }
        // Deepest first, so that a key is empty when its turn comes.
        removed =
            removeDefaultValue(root, clsidPath + "\\InprocServer32", registration.libraryPath) && removed;
        removed = removeKeyIfEmpty(root, clsidPath + "\\InprocServer32") && removed;
        removed = removeDefaultValue(root, clsidPath + "\\ProgID", registration.className) && removed;
        removed = removeKeyIfEmpty(root, clsidPath + "\\ProgID") && removed;
        removed = removeDefaultValue(root, clsidPath, registration.className) && removed;
        removed = removeKeyIfEmpty(root, clsidPath) && removed;
        removed = removeDefaultValue(root, namePath + "\\CLSID", clsid) && removed;
        removed = removeKeyIfEmpty(root, namePath + "\\CLSID") && removed;
        removed = removeKeyIfEmpty(root, namePath) && removed;
    }
    return removed ? S_OK : SELFREG_E_CLASS;
}

std::optional<ClassRegistration> lookupClass(const std::string& className) {
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        const auto clsidText = defaultValue(root, classKey(className) + "\\CLSID");
        if (!clsidText) {
            continue;
        }
        const auto clsid = Guid::parse(*clsidText);
        if (!clsid) {
            continue;
        }
        // The identifier's library, in the same hive first, then in the other (a per-user name for a class
        // the machine knows).
        for (const HKEY libraryRoot :
             {root, root == HKEY_CURRENT_USER ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER}) {
            if (const auto path = defaultValue(libraryRoot, clsidKey(*clsid) + "\\InprocServer32")) {
                return ClassRegistration{className, *clsid, *path};
            }
        }
    }
    return std::nullopt;
}

} // namespace kv380::hosting
