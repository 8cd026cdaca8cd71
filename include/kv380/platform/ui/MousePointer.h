#pragma once

namespace kv380::ui {

// Mouse pointer codes of the forms runtime (control, form and screen pointers share them).
namespace pointer {
inline constexpr int Default = 0;
inline constexpr int Arrow = 1;
inline constexpr int Cross = 2;
inline constexpr int IBeam = 3;
inline constexpr int SizeNESW = 6;
inline constexpr int SizeNS = 7;
inline constexpr int SizeNWSE = 8;
inline constexpr int SizeWE = 9;
inline constexpr int UpArrow = 10;
inline constexpr int Hourglass = 11;
inline constexpr int NoDrop = 12;
inline constexpr int ArrowHourglass = 13;
inline constexpr int ArrowQuestion = 14;
inline constexpr int SizeAll = 15;
inline constexpr int Custom = 99;

// Codes 0 to 15 and 99; anything else is an invalid property value.
constexpr bool isValid(int code) {
    return (code >= Default && code <= SizeAll) || code == Custom;
}
} // namespace pointer

} // namespace kv380::ui
