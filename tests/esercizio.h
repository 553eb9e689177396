#pragma once

// What several tests do on the exercise screen: read which panel is in front and the current
// row's right answer, type on the keypad, answer rows until a given exercise.

#include "exercise/frmoperativo.h"

#include <QString>

// The panel in front of the four: the one the window draws last.
QString RiquadroDavanti(FrmOperativo& frm);

// The right answer of the current row, as it is typed.
QString RispostaAttesa(const StatoCondiviso& stato, const FrmOperativo& frm);

// Presses keypad buttons: the digits, and 'C' for "Cancella".
void Digita(FrmOperativo& frm, QStringView tasti);

// Answers rows right, through the keypad's buttons, until the running exercise number reaches
// `numero`; "Nuova Tabella" when a table ends on the way.
void RispondiFinoA(FrmOperativo& frm, const StatoCondiviso& stato, int numero);
