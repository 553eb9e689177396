#pragma once

// Proportional layout: every control's position and size recorded once, at load, as fractions
// of the window's client area, and reapplied from those fractions on every resize. Fonts keep
// their size. Used by the start screen, the exercise screen and the print window.

#include <vector>

namespace platform {
class Form;
}

// The four single-precision ratios of one control.
struct Proporzione {
    float Larghezza = 0; // Width / ScaleWidth
    float Altezza = 0;   // Height / ScaleHeight
    float Alto = 0;      // Top / ScaleHeight
    float Sinistra = 0;  // Left / ScaleWidth
};

// One element per control, in the window's enumeration order.
using Proporzioni = std::vector<Proporzione>;

// Records the ratios of every control; a control without a position (timer, menu entry, line)
// keeps ratios of 0.
Proporzioni CatturaProporzioni(platform::Form& finestra);

// Moves every control but timers, menu entries and lines to its ratios of the current client
// area.
void ApplicaProporzioni(platform::Form& finestra, const Proporzioni& proporzioni);
