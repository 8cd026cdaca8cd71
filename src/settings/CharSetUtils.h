#pragma once

#include "platform/ui/ControlCollection.h"

#include <cstdint>

namespace kv380 {

inline constexpr int32_t kJapaneseLCID = 1041;
inline constexpr int kShiftJisCharset = 128;

// Makes the texts of a form's or user control's controls display on a Japanese system: when the system
// default locale (read through the desktop) is Japanese, every control of the collection that has a font
// gets the Shift-JIS character set; on any other system nothing changes. Controls without a font, and any
// control that refuses the change, are passed over silently.
void AdjustCharset(const ui::ControlCollection& controls);

} // namespace kv380
