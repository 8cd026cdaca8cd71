#pragma once

#include "platform/Export.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv380::hosting {

// A class or interface identifier: 128 bits, written "{00000000-0000-0000-0000-000000000000}" (hex digits in
// either case on input, upper case on output), the way the registry stores it.
struct KV380_API Guid {
    uint32_t data1{};
    uint16_t data2{};
    uint16_t data3{};
    std::array<uint8_t, 8> data4{};

    friend bool operator==(const Guid&, const Guid&) = default;

    std::string text() const;
    // Nothing for text that is not exactly a braced identifier.
    static std::optional<Guid> parse(std::string_view text);
};

} // namespace kv380::hosting
