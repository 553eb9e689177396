#pragma once

// The printed page: the heading at the top left and the exercise lines below it in two
// columns, in a Courier font, on the default printer.

#include "platform/printer.h"
#include "shared/statocondiviso.h"

namespace stampa {

inline const QString kNessunCourier =
    QStringLiteral("Devi installare il font Courier o il font Courier New");
inline const QString kIntestazione = QStringLiteral("SCUOLA ELEMENTARE DI ");
// The document's name in the print queue, and of the PDF written when there is no printer.
inline const QString kNomeLavoro = QStringLiteral("Esercizi di sottrazione");

// Where line i goes on the page, in twips.
struct Posizione {
    double x;
    double y;
};
Posizione PosizioneRiga(int i);

// Prints lines 0 to NumeroEsercizio and tells the user anything that went otherwise than
// planned: no Courier font, no printer (the page saved as a PDF), a printer error.
void StampaEsercizi(StatoCondiviso& stato, platform::Printer& stampante,
                    platform::MessageBox& messaggi);
void StampaIntestazione(platform::Printer& stampante);

} // namespace stampa
