#pragma once

// The runtime's key codes (the virtual-key numbers) and shift-state bits, as keyboard events carry them.
namespace kv380::ui::key {

inline constexpr int Return = 13;
inline constexpr int Escape = 27;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int Up = 38;
inline constexpr int Down = 40;
inline constexpr int F = 70;
inline constexpr int Apps = 93; // the menu key
inline constexpr int F10 = 121;

inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

} // namespace kv380::ui::key
