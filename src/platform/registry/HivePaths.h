#pragma once

#include <string>

namespace kv380::registry {

enum class HiveId { CurrentUser, LocalMachine };

// "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE": how log lines name a hive.
const char* hiveName(HiveId hive);

// The file of a hive, read from the environment at each call:
// - HKEY_CURRENT_USER: $KV380_HKCU_HIVE, else $XDG_CONFIG_HOME/kv380/registry/HKEY_CURRENT_USER.sqlite,
//   else ~/.config/kv380/registry/HKEY_CURRENT_USER.sqlite (XDG_CONFIG_HOME unset, empty or relative);
// - HKEY_LOCAL_MACHINE: $KV380_HKLM_HIVE, else /var/lib/kv380/registry/HKEY_LOCAL_MACHINE.sqlite.
// Empty when no home folder can be found for the user hive.
std::string hivePath(HiveId hive);

} // namespace kv380::registry
