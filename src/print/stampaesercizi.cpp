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

namespace {

// Why a page was not printed, in words for the teacher.
QString Motivo(const platform::PrintOutcome& esito) {
    using Motivo = platform::PrintOutcome::Reason;
    const QString stampante = QStringLiteral("la stampante \u00ab%1\u00bb ").arg(esito.queue);
    switch (esito.reason) {
    case Motivo::NoFolder:
        return QStringLiteral("non c'\u00e8 una cartella in cui scriverla");
    case Motivo::NotWritten:
        return QStringLiteral("il file non si \u00e8 potuto scrivere");
    case Motivo::NotAccepting:
        return stampante + QStringLiteral("non accetta stampe in questo momento");
    case Motivo::NotFound:
        return stampante + QStringLiteral("non esiste pi\u00f9");
    case Motivo::Forbidden:
        return stampante + QStringLiteral("non permette a questo utente di stampare");
    case Motivo::FormatNotSupported:
        return stampante + QStringLiteral("non sa stampare questo tipo di pagina");
    case Motivo::Unreachable:
        return stampante +
               QStringLiteral("non risponde: il servizio di stampa non \u00e8 raggiungibile");
    case Motivo::None:
    case Motivo::Refused:
        break;
    }
    return stampante + QStringLiteral("ha rifiutato la pagina");
}

} // namespace

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
                          .arg(Motivo(esito)));
        break;
    }
}

} // namespace stampa
