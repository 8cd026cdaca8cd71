#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <string>
#include <string_view>

// The original runtime's conversions, in one place so every caller converts the same way.
namespace kv380::convert {

// Text to a 32-bit number: surrounding blanks allowed, optional sign, digits with an optional decimal
// part (rounded half to even), independent of the locale. Not a number: 13. Out of range: 6.
KV380_API int32_t toLong(std::string_view text);

// Whether toLong's grammar accepts the text (whatever its magnitude).
KV380_API bool isNumeric(std::string_view text);

// "True"/"False" in any letter case, or numeric text (non-zero is true). Anything else: 13.
KV380_API bool toBoolean(std::string_view text);

// The text the original wrote for a Boolean: "True" or "False".
KV380_API std::string booleanText(bool value);

// Rounds half to even in the precision of the argument (float for layout arithmetic).
KV380_API float roundHalfEven(float value);
KV380_API double roundHalfEven(double value);

// Rounds half to even and converts to 32 bits; out of range (or not finite): 6.
KV380_API int32_t roundToLong(double value);

// Removes leading and trailing spaces (only the space character, as the original's trim did).
KV380_API std::string trimSpaces(std::string_view text);

} // namespace kv380::convert
