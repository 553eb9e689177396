#pragma once

#include <cmath>

namespace platform {

// Positions and sizes are kept in twips, 1/1440 inch: 15 twips make one logical pixel.
inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline constexpr double PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

} // namespace platform
