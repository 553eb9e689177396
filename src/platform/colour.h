#pragma once

#include <QtGlobal>

namespace platform::colour {

// A colour value as the designs store it: &H00BBGGRR for a fixed colour, or one of the
// system colours below (high bit set), which follow the desktop's palette.
using Value = quint32;

inline constexpr Value Rgb(int red, int green, int blue) {
    return static_cast<Value>(red) | (static_cast<Value>(green) << 8) |
           (static_cast<Value>(blue) << 16);
}

inline constexpr Value ButtonFace = 0x8000000FU;
inline constexpr Value WindowBackground = 0x80000005U;
inline constexpr Value WindowText = 0x80000008U;
inline constexpr Value ButtonText = 0x80000012U;

inline constexpr bool IsSystem(Value v) {
    return (v & 0x80000000U) != 0;
}

} // namespace platform::colour
