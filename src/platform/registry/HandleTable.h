#pragma once

#include "platform/registry/HivePaths.h"
#include "platform/registry/RegistryApi.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace kv380::registry {

// What a key handle stands for.
struct OpenKey {
    HiveId hive;
    int64_t keyId;
    std::string path; // canonical, from the hive's root, in the case the opener gave
    DWORD access;
};

// The handles open in this process. Handles are small multiples of four, never 0, never -1 and never in
// the predefined roots' range; a closed handle is not handed out again until the numbers wrap around, so
// using it afterwards is an invalid handle, not someone else's key.
class HandleTable {
public:
    HKEY add(OpenKey key);
    // A predefined root (with every right) or an open handle; nothing for anything else.
    std::optional<OpenKey> resolve(HKEY handle) const;
    bool remove(HKEY handle);
    void clear() { m_keys.clear(); }

private:
    static constexpr HKEY First = 0x100;
    static constexpr HKEY Last = 0x7FFFFFFC;

    std::unordered_map<HKEY, OpenKey> m_keys;
    HKEY m_next{First};
};

} // namespace kv380::registry
