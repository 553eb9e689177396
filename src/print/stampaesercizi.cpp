#include "print/stampaesercizi.h"

#include "platform/runtimeerror.h"

namespace stampa {

Posizione PosizioneRiga(int i) {
    Posizione p{1000, 4000 + 400.0 * (i - 1)};
    if (i > 10) {
        p = {6000, 4000 + 400.0 * (i - 11)};
    }
    if (i > 20) {
        p = {1000, 4000 + 400.0 * (i - 10)};
    }
    if (i > 30) {
        p = {6000, 4000 + 400.0 * (i - 20)};
    }
    return p;
}

void StampaIntestazione(platform::Printer& stampante) {
    stampante.SetCurrentX(1000);
    stampante.SetCurrentY(1000);
    stampante.SetFontSize(18);
    stampante.Print(kIntestazione);
}

void StampaEsercizi(StatoCondiviso& stato, platform::Printer& stampante,
                    platform::MessageBox& messaggi) {
    QString font;
    for (int i = 0; i < stampante.FontCount(); ++i) {
        const QString nome = stampante.FontName(i);
        if (nome == u"Courier" || nome == u"Courier New") {
            font = nome;
            break;
        }
    }
    if (font.isEmpty()) {
        messaggi.Show(kNessunCourier);
        return;
    }
    stampante.SetFontName(font);
    StampaIntestazione(stampante);
    stampante.SetFontSize(12);
    stampante.SetFontBold(true);
    for (stato.ContatoreStampa = 0; stato.ContatoreStampa <= stato.NumeroEsercizio;
         ++stato.ContatoreStampa) {
        const Posizione p = PosizioneRiga(stato.ContatoreStampa);
        stampante.SetCurrentX(p.x);
        stampante.SetCurrentY(p.y);
        stampante.Print(platform::Element(stato.Esercizi, stato.ContatoreStampa));
    }

    const platform::PrintOutcome esito = stampante.EndDoc();
    switch (esito.kind) {
    case platform::PrintOutcome::Kind::Printed:
        break;
    case platform::PrintOutcome::Kind::Waiting:
        messaggi.Show(
            QStringLiteral("La stampante \u00e8 ferma: la pagina degli esercizi aspetta in "
                           "coda e sar\u00e0 stampata quando la stampante ripartir\u00e0."));
        break;
    case platform::PrintOutcome::Kind::SavedPdf:
        messaggi.Show(QStringLiteral("Non c'\u00e8 nessuna stampante installata.\n"
                                     "La pagina degli esercizi \u00e8 stata salvata nel file:\n%1")
                          .arg(esito.file));
        break;
    case platform::PrintOutcome::Kind::Failed:
        messaggi.Show(QStringLiteral("La pagina non \u00e8 stata stampata: %1.\n"
                                     "Gli esercizi sono ancora qui: si pu\u00f2 riprovare.")
                          .arg(esito.detail));
        break;
    }
}

} // namespace stampa
