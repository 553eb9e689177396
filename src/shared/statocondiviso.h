#pragma once

// The variables the windows share for the whole run. One object, owned by the program and
// handed to every window; nothing else holds state between windows.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

// The key being held down, the button array where it went down, and how to clear that
// array's repeat guards when the key goes up somewhere else.
struct TastoTenuto {
    int tasto = 0;
    const void* origine = nullptr;
    std::function<void()> liberaGuardie;
};

struct StatoCondiviso {
    // The table number chosen on the start screen (0 to 10), then the minuend of the table
    // last generated: it grows by 10 at every generation.
    std::int16_t Tabella = 0;
    // The table number of the last choice, kept so that the minuend can start over from it.
    std::int16_t TabellaScelta = 0;

    // Scratch values of the row being prepared.
    std::int16_t Sottraendo = 0;
    std::int16_t Differenza = 0;

    // Expected answers of rows 0 to 9: a space, then the difference.
    std::array<QString, 16> Risultati;
    // Exercise lines of the current sequence, one per exercise; 0 to 29 are used.
    std::array<QString, 42> Esercizi;
    // The answer being typed: 0 to 3 digits.
    QString Risposta;
    // Running number of the current exercise (0 to 30), the index of its line in Esercizi.
    std::int16_t NumeroEsercizio = 0;

    // Loop counters of the exercise screen and of the print window.
    std::int16_t Contatore = 0;
    std::int16_t ContatoreStampa = 0;

    // The key held down, whichever window it went down on.
    TastoTenuto Tenuto;
};
