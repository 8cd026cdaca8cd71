#include "qt/SlotGuard.h"

#include <cstdio>

namespace kv380::qt {

void reportLastResort(std::string_view handler) noexcept {
    std::fprintf(stderr, "kv380: an error in %.*s could not be reported\n", static_cast<int>(handler.size()),
                 handler.data());
}

} // namespace kv380::qt
