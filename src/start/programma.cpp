#include "start/programma.h"

#include "platform/qtprinter.h"

namespace {
template <typename Default, typename T> std::unique_ptr<T> OppureDefault(std::unique_ptr<T> dato) {
    return dato ? std::move(dato) : std::make_unique<Default>();
}
} // namespace

Programma::Programma(std::unique_ptr<platform::RandomSource> caso_,
                     std::unique_ptr<platform::PrinterProvider> stampanti_,
                     std::unique_ptr<platform::MessageBox> messaggi_)
    : caso(OppureDefault<platform::ClockRandom>(std::move(caso_))),
      stampanti(OppureDefault<platform::QtPrinterProvider>(std::move(stampanti_))),
      messaggi(OppureDefault<platform::QtMessageBox>(std::move(messaggi_))),
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
