#pragma once

// The map of keys to actions, one table per button array: the keys each array accepts (every
// other key is discarded) and what each does. Key codes are Windows virtual-key codes.

#include "input/pulsantiera.h"

// The exercise screen's keypad by index: "0" to "9" are 0 to 9, then these.
namespace tastierino {
inline constexpr int Cancella = 10;
inline constexpr int Invio = 11;
inline constexpr int NuovaTabella = 12;
inline constexpr int Esco = 13;
inline constexpr int Pulsanti = 14; // buttons in all
} // namespace tastierino

namespace ingresso {

// The value of the keypad's own action for its key C; the digits' values are 0 to 9.
inline constexpr int kTastoC = 10;

Schieramento SchieramentoTastierino(); // frmOperativo Option1: "0".."9", "Cancella", "Invio"...
Schieramento SchieramentoAiuto();      // frmOperativo Option3: "SI", "NO"
Schieramento SchieramentoAvviso();     // frmOperativo optAvviso: "Stampa", "Ricomincia"
Schieramento SchieramentoTabelle();    // FrmInizio Option1: "10".."20"
Schieramento SchieramentoComandi();    // FrmInizio Option2: "Vai", "Ripristina", "Esci"

} // namespace ingresso
