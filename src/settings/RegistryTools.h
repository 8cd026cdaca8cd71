#pragma once

#include "platform/registry/RegistryApi.h"

#include <cstdint>
#include <string>

// The control's door to the registry: open, create, read, write and close keys by text path and value name.
// Only this module knows handles, value types and buffer sizes. Text is UTF-8 and passes through as bytes.
namespace kv380::RegistryTools {

using registry::HKEY;

// The handle that stands for no key: what OpenRegKey returns when it fails.
inline constexpr HKEY InvalidKey = 0xFFFFFFFFu;

// The access the writers create or open keys with: query and set value, create and enumerate sub-keys,
// notify, create link.
inline constexpr int32_t WriterAccess = 0x3F;

// Text reads use a buffer of this many bytes, terminator included: 254 characters is the longest readable.
inline constexpr uint32_t StringBufferSize = 255;

// Closes a key; the status is ignored.
void CloseRegKey(HKEY hKey);

// Opens a key with the caller's options and access mask: the handle, or InvalidKey on any failure.
HKEY OpenRegKey(HKEY hKey, const std::string& strSubKey, int32_t lOptions, int32_t lAccess);

// Reads a REG_DWORD from an open key. False (and no platform call) for InvalidKey, false when the value is
// missing, larger than 4 bytes or of another type; lValue is then left as it was.
bool QueryRegLongValue(HKEY hKey, const std::string& strValueName, int32_t& lValue);

// Opens the sub-key for query and reads a REG_DWORD from it, as QueryRegLongValue.
bool GetRegLongValue(HKEY& hKeyRoot, std::string& strSubKey, int32_t& lValue, std::string& strValueName);

// Reads a value of up to 254 bytes as text (its type is not examined) from a sub-key ("" for the key
// itself). An unopenable key leaves strValue as it was; a value that is missing, too long or has no data
// makes it empty. True when the text was read.
bool QueryRegStringValue(HKEY hKey, const std::string& strSubKey, std::string& strValue,
                         const std::string& strValueName);

// Writes a REG_DWORD, creating the key path as needed, unless a value of more than 4 bytes is stored under
// the name. The registry status: 0 written, 234 a longer value left in place, else the failure, for example
// 170 when another process held the hive past the busy timeout (nothing is written then).
int32_t SetRegLongValue(HKEY hKeyRoot, const std::string& strSubKey, const std::string& strValueName,
                        int32_t lValue);

// Writes a REG_SZ (the text and one NUL byte) over whatever is stored, creating the key path as needed.
// The registry status: 0 written.
int32_t SetRegStringValue(HKEY hKeyRoot, const std::string& strSubKey, const std::string& strValueName,
                          const std::string& strValue);

} // namespace kv380::RegistryTools
