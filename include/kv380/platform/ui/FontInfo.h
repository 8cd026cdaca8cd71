#pragma once

#include "platform/Export.h"

#include <string>

namespace kv380::ui {

// A control's font. The character set is the Windows code (0 ANSI, 128 Shift-JIS...): a renderer picks a
// face that covers it; the model only keeps the number.
struct KV380_API FontInfo {
    std::string name{"MS Sans Serif"};
    float size{8.25F}; // points
    bool bold{false};
    int charset{0};

    bool operator==(const FontInfo&) const = default;
};

} // namespace kv380::ui
