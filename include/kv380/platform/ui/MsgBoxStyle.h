#pragma once

#include "platform/Export.h"

#include <vector>

namespace kv380::ui {

// Message box style codes and answers of the forms runtime. A style adds one button set, one icon and one
// default-button choice: 36 is Yes/No with the question icon.
namespace msgbox {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;

inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int DefaultButton1 = 0;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;

// Answers.
inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;

// The answers the style's buttons give, in button order; an unknown button set throws 5.
KV380_API std::vector<int> answersOf(int style);
// The answer of the style's default button (the first button when the default names a missing one).
KV380_API int defaultAnswer(int style);
// The icon part of the style: 0, 16, 32, 48 or 64.
constexpr int iconOf(int style) {
    return style & 0x70;
}
} // namespace msgbox

} // namespace kv380::ui
