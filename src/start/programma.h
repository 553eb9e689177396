#pragma once

// The program: the shared state, the random source, the printer, the message box and every
// window, alive for the whole run. It starts by showing the start screen; it ends when the
// start screen has closed them all.

#include "exercise/frmoperativo.h"
#include "info/finestreinfo.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "print/frmstampaesercizio.h"
#include "shared/finestre.h"
#include "shared/statocondiviso.h"
#include "start/frminizio.h"

#include <memory>

class Programma final {
public:
    // The desktop's own random source, printer and message box unless a test gives others.
    explicit Programma(std::unique_ptr<platform::RandomSource> caso = nullptr,
                       std::unique_ptr<platform::PrinterProvider> stampanti = nullptr,
                       std::unique_ptr<platform::MessageBox> messaggi = nullptr);

    void Avvia();

    StatoCondiviso stato;
    std::unique_ptr<platform::RandomSource> caso;
    std::unique_ptr<platform::PrinterProvider> stampanti;
    std::unique_ptr<platform::MessageBox> messaggi;
    Finestre finestre;
    FrmAutore frmAutore;
    FrmIstruzioni frmIstruzioni;
    FrmStampaEsercizio frmStampaEsercizio;
    FrmOperativo frmOperativo;
    FrmInizio frmInizio;
};
