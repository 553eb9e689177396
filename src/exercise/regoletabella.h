#pragma once

// The arithmetic of a subtraction table, free of any window: the minuend sequence, the draw
// of the subtrahends, the expected answers and the start of each exercise line.

#include "platform/random.h"

#include <QString>
#include <array>
#include <cstdint>

namespace regole {

// The largest minuend: with it every difference still fits the keypad's three digits.
inline constexpr int kMinuendoMassimo = 1000;

// The minuend of the next table: the current one plus 10, or, when that would pass the
// largest minuend, the chosen table number plus 10 again.
std::int16_t ProssimoMinuendo(std::int16_t tabella, std::int16_t tabellaScelta);

// The expected answer text: a space, then the decimal digits.
QString TestoRisultato(int differenza);

// The start of an exercise line: minuend, " - ", a padding space below 10, subtrahend, " = ".
QString PrefissoEsercizio(int minuendo, int sottraendo);

// The mark of a subtrahend already given to a row of the table.
inline const QString kUsato = QStringLiteral("si");

// Draws a subtrahend 1 to 10 not yet used in the table (used[s] == "si" marks s as used).
// Each draw is Int(r * 10) + 1, drawn again while the value is used; a source that keeps
// giving used values is not followed for ever: after kEstrazioniMassime draws the next free
// subtrahend after the last value drawn is taken.
inline constexpr int kEstrazioniMassime = 200;
std::int16_t EstraiSottraendo(platform::RandomSource& caso, const std::array<QString, 12>& usati);

} // namespace regole
