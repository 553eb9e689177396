#include "start/programma.h"

#include "platform/qtprinter.h"
#include "print/stampaesercizi.h"

namespace {
template <typename Default, typename T> std::unique_ptr<T> OppureDefault(std::unique_ptr<T> dato) {
    return dato ? std::move(dato) : std::make_unique<Default>();
}
// The caption of the program's messages.
const QString kTitoloProgramma = QStringLiteral("Tabella");
} // namespace

Programma::Programma(std::unique_ptr<platform::RandomSource> caso_,
                     std::unique_ptr<platform::PrinterProvider> stampanti_,
                     std::unique_ptr<platform::MessageBox> messaggi_)
    : caso(OppureDefault<platform::ClockRandom>(std::move(caso_))),
      stampanti(stampanti_ ? std::move(stampanti_)
                           : std::make_unique<platform::QtPrinterProvider>(stampa::kNomeLavoro)),
      messaggi(messaggi_ ? std::move(messaggi_)
                         : std::make_unique<platform::QtMessageBox>(kTitoloProgramma)),
      frmStampaEsercizio(stato, *stampanti, *messaggi), frmOperativo(stato, *caso, finestre),
      frmInizio(stato, finestre) {
    finestre.inizio = &frmInizio;
    finestre.operativo = &frmOperativo;
    finestre.stampa = &frmStampaEsercizio;
    finestre.istruzioni = &frmIstruzioni;
    finestre.autore = &frmAutore;
}

void Programma::Avvia() {
    frmInizio.Show();
}
