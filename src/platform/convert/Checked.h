#pragma once

#include "platform/AutomationError.h"

#include <cstdint>

// Signed arithmetic that never wraps: a result outside 32 bits is the runtime's overflow (6).
namespace kv380::checked {

inline int32_t narrow(int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) {
        raise(err::Overflow);
    }
    return static_cast<int32_t>(value);
}
inline int32_t add(int32_t a, int32_t b) { return narrow(int64_t{a} + b); }
inline int32_t sub(int32_t a, int32_t b) { return narrow(int64_t{a} - b); }
inline int32_t mul(int32_t a, int32_t b) { return narrow(int64_t{a} * b); }

} // namespace kv380::checked
