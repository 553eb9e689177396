#include "start/programma.h"

Programma::Programma(std::unique_ptr<platform::RandomSource> sorgente)
    : caso(std::move(sorgente)), frmOperativo(stato, *caso, finestre), frmInizio(stato, finestre) {
    finestre.inizio = &frmInizio;
    finestre.operativo = &frmOperativo;
    finestre.istruzioni = &frmIstruzioni;
    finestre.autore = &frmAutore;
}

void Programma::Avvia() {
    frmInizio.Show();
}
