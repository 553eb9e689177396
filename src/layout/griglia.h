#pragma once

// The exercise screen's own follow-up to a resize: the ten lines from the minuend to the signs,
// and the four panels at one corner.

namespace platform {
class Form;
}

// Recomputes the end points of Line2(0..9) from Label1 and lblSegno(0..9).
void PosizionaLinee(platform::Form& finestra);

// Moves fraAiuto, fraTastierino, fraAvviso and fraIntervento to lblRiferimento's corner.
void AllineaRiquadri(platform::Form& finestra);
