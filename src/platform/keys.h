#pragma once

// Keys as the windows expect them: Windows virtual-key codes for key down and key up, ASCII
// codes for the characters of key press.

class QKeyEvent;

namespace platform {

class KeyboardMap;

namespace vk {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18; // Alt
inline constexpr int Pause = 19;
inline constexpr int Capital = 20; // Caps Lock
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Prior = 33; // Page Up
inline constexpr int Next = 34;  // Page Down
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Snapshot = 44; // Print Screen
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48; // to 57
inline constexpr int A = 65;      // to 90
inline constexpr int LWin = 91;
inline constexpr int RWin = 92;
inline constexpr int Apps = 93;
inline constexpr int Numpad0 = 96; // to 105
inline constexpr int Multiply = 106;
inline constexpr int Add = 107;
inline constexpr int Separator = 108;
inline constexpr int Subtract = 109;
inline constexpr int Decimal = 110;
inline constexpr int Divide = 111;
inline constexpr int F1 = 112; // to 135
inline constexpr int F2 = 113;
inline constexpr int NumLock = 144;
inline constexpr int Scroll = 145;
// The punctuation keys of the main block, named after their place on a US keyboard.
inline constexpr int Oem1 = 186; // ;
inline constexpr int OemPlus = 187;
inline constexpr int OemComma = 188;
inline constexpr int OemMinus = 189;
inline constexpr int OemPeriod = 190;
inline constexpr int Oem2 = 191;    // /
inline constexpr int Oem3 = 192;    // `
inline constexpr int Oem4 = 219;    // [
inline constexpr int Oem5 = 220;    // backslash
inline constexpr int Oem6 = 221;    // ]
inline constexpr int Oem7 = 222;    // '
inline constexpr int Oem102 = 226;  // the extra key beside the left Shift
inline constexpr int Unknown = 255; // a key with no code of its own
// The digit key n (0 to 9), the numeric keypad's digit n, the letter key c ('A' to 'Z').
constexpr int Digit(int n) {
    return Digit0 + n;
}
constexpr int Numpad(int n) {
    return Numpad0 + n;
}
constexpr int Letter(char c) {
    return A + (c - 'A');
}
} // namespace vk

// Key down and key up of one stroke: the virtual-key code, the shift state (1 Shift,
// 2 Ctrl, 4 Alt) and whether the key down is an auto-repeat of a held key. A handler discards
// the key by setting keyCode to 0.
struct KeyArgs {
    int keyCode = 0;
    int shift = 0;
    bool repeat = false;
};

// The virtual-key code of the physical key of a stroke: from the keyboard's map when the
// event names its key (on X, the display's map), otherwise from Qt's key. Shift, Caps Lock
// and NumLock never change it.
int VirtualKey(const QKeyEvent& event);
int VirtualKey(const QKeyEvent& event, const KeyboardMap* map);
int ShiftState(const QKeyEvent& event);
// The ASCII character the key produces, or 0 when it produces none.
int AsciiCode(const QKeyEvent& event);

} // namespace platform
