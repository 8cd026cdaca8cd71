#include "platform/registry/HandleTable.h"

#include "platform/registry/Hive.h"

#include <utility>

namespace kv380::registry {

HKEY HandleTable::add(OpenKey key) {
    while (m_keys.count(m_next) != 0) {
        m_next = m_next >= Last ? First : m_next + 4;
    }
    const HKEY handle = m_next;
    m_next = m_next >= Last ? First : m_next + 4;
    m_keys.emplace(handle, std::move(key));
    return handle;
}

std::optional<OpenKey> HandleTable::resolve(HKEY handle) const {
    if (handle == HKEY_CURRENT_USER) {
        return OpenKey{HiveId::CurrentUser, Hive::RootKey, {}, KEY_ALL_ACCESS};
    }
    if (handle == HKEY_LOCAL_MACHINE) {
        return OpenKey{HiveId::LocalMachine, Hive::RootKey, {}, KEY_ALL_ACCESS};
    }
    const auto found = m_keys.find(handle);
    if (found == m_keys.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool HandleTable::remove(HKEY handle) {
    return m_keys.erase(handle) != 0;
}

} // namespace kv380::registry
