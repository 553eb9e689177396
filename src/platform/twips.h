#pragma once

#include <cmath>

namespace platform {

// Positions and sizes are kept in twips, 1/1440 inch: 15 twips make one logical pixel.
inline constexpr double kTwipsPerPixel = 15.0;

// Rounded to the nearest pixel, halves away from zero.
inline int TwipsToPixels(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    return static_cast<int>(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}
inline constexpr double PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

} // namespace platform
