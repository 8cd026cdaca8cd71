#pragma once

#include "platform/AutomationError.h"

#include <cstdint>

namespace kv380::test {

// The runtime error number a call throws, 0 when it throws none.
template <class Call> int32_t errorNumberOf(Call&& call) {
    try {
        call();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

} // namespace kv380::test
