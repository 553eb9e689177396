#pragma once

// The exercise grid's follow-up to a resize, on the controls the exercise screen hands over:
// the ten lines from the minuend to the signs, and the panels at one corner.

#include <array>
#include <span>

namespace platform {
class Control;
}

// The tree of the exercise screen: its minuend box, the ten signs and the ten lines between.
struct Albero {
    const platform::Control* minuendo;
    std::array<const platform::Control*, 10> segni;
    std::array<platform::Control*, 10> linee;
};

// Recomputes the end points of the ten lines from the minuend box and the signs.
void PosizionaLinee(const Albero& albero);

// Moves every panel to the reference mark's corner: all the tops first, then all the lefts.
void AllineaRiquadri(const platform::Control& riferimento,
                     std::span<platform::Control* const> riquadri);
