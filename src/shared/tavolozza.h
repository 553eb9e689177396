#pragma once

// The program's colours, named once: the window designs and the code that changes a colour
// both take them from here.

#include "platform/colour.h"

namespace tavolozza {

using platform::colour::Rgb;
using platform::colour::Value;

inline constexpr Value Pesca = Rgb(255, 224, 192);        // the screens' background
inline constexpr Value ColoreFuoco = Rgb(255, 192, 128);  // the button with the focus; "OK"
inline constexpr Value ColoreRiposo = Rgb(255, 224, 192); // every other command button
inline constexpr Value ColoreCella = Rgb(255, 235, 168);  // an answer cell
inline constexpr Value GialloErrore = Rgb(255, 255, 0);   // the cell of a wrong answer

} // namespace tavolozza
