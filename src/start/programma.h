#pragma once

// The program: the shared state, the random source and every window, alive for the whole run.
// It starts by showing the start screen; it ends when the start screen has closed them all.

#include "exercise/frmoperativo.h"
#include "info/finestreinfo.h"
#include "platform/random.h"
#include "shared/finestre.h"
#include "shared/statocondiviso.h"
#include "start/frminizio.h"

#include <memory>

class Programma final {
public:
    explicit Programma(
        std::unique_ptr<platform::RandomSource> caso = std::make_unique<platform::ClockRandom>());

    void Avvia();

    StatoCondiviso stato;
    std::unique_ptr<platform::RandomSource> caso;
    Finestre finestre;
    FrmAutore frmAutore;
    FrmIstruzioni frmIstruzioni;
    FrmOperativo frmOperativo;
    FrmInizio frmInizio;
};
