#pragma once

// Keys as the windows expect them: Windows virtual-key codes for key down and key up, ASCII
// codes for the characters of key press.

class QKeyEvent;

namespace platform {

namespace vk {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18; // Alt
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Digit0 = 48;  // to 57
inline constexpr int A = 65;       // to 90
inline constexpr int Numpad0 = 96; // to 105
inline constexpr int Multiply = 106;
inline constexpr int F1 = 112; // to 135
inline constexpr int NumLock = 144;
inline constexpr int Unknown = 255; // a key with no code of its own
} // namespace vk

// Key down and key up of one stroke: the virtual-key code, the shift state (1 Shift,
// 2 Ctrl, 4 Alt) and whether the key down is an auto-repeat of a held key. A handler discards
// the key by setting keyCode to 0.
struct KeyArgs {
    int keyCode = 0;
    int shift = 0;
    bool repeat = false;
};

int VirtualKey(const QKeyEvent& event);
int ShiftState(const QKeyEvent& event);
// The ASCII character the key produces, or 0 when it produces none.
int AsciiCode(const QKeyEvent& event);

} // namespace platform
