// The exercise screen's answers: typing on the keypad, the check of an answer, the completion
// of a row, the notice after thirty exercises, and the help dialogue after a wrong answer.

#include "exercise/frmoperativo.h"
#include "platform/runtimeerror.h"

using platform::CheckedAdd;
using platform::Element;

namespace {
const QString kDueSpazi = QStringLiteral("  ");
constexpr int kLimiteEsercizi = 30;
constexpr int kCifreMassime = 3;
} // namespace

// "Invio" is on exactly while the changed cell shows something other than "?".
void FrmOperativo::lblRisultato_Change(int riga) {
    Option1(tastierino::Invio).SetEnabled(lblRisultato(riga).Caption() != kDaRispondere);
}

void FrmOperativo::PremiTasto(int indice) {
    if (indice >= 0 && indice <= 9) {
        Cifra(indice);
    } else if (indice == tastierino::Cancella) {
        Cancella();
    } else if (indice == tastierino::Invio) {
        VerificaRisposta();
    } else if (indice == tastierino::NuovaTabella) {
        NuovaTabella();
    } else if (indice == tastierino::Esco) {
        Unload();
    }
}

// A digit of the answer, at most three. A lone "0" is an answer of its own (the answer of 10 - 10)
// and a digit typed after it takes its place, so no answer keeps a leading zero.
void FrmOperativo::AggiungiCifra(const QString& cifra) {
    if (s_.Risposta == u"0") {
        s_.Risposta = cifra;
    } else {
        s_.Risposta += cifra;
    }
    if (s_.Risposta.size() >= kCifreMassime) {
        s_.Risposta.truncate(kCifreMassime);
    }
    lblRisultato(RigaCorrente).SetCaption(s_.Risposta);
}

void FrmOperativo::Cifra(int indice) {
    try {
        AggiungiCifra(Option1(indice).Caption());
    } catch (const std::exception&) {
        // A failed digit ends the action without a message.
    }
}

void FrmOperativo::Cancella() {
    platform::SkipOnError([this] { s_.Risposta.chop(1); });
    platform::SkipOnError([this] { lblRisultato(RigaCorrente).SetCaption(s_.Risposta); });
    platform::SkipOnError([this] {
        if (s_.Risposta.isEmpty()) {
            lblRisultato(RigaCorrente).SetCaption(kDaRispondere);
        }
    });
}

void FrmOperativo::VerificaRisposta() {
    QString& riga = Element(s_.Esercizi, s_.NumeroEsercizio);
    riga += s_.Risposta + kDueSpazi;
    const QString data = s_.Risposta.trimmed();
    const bool giusta = !data.isEmpty() && data == Element(s_.Risultati, RigaCorrente).trimmed();
    if (giusta) {
        s_.Risposta.clear();
        CompletaRiga();
        return;
    }
    lblRisultato(RigaCorrente).SetBackColor(tavolozza::GialloErrore);
    lblRisultato(RigaCorrente).SetAccessibleDescription(QStringLiteral("risposta sbagliata"));
    PortaAvanti(fraAiuto());
    Option3(0).SetFocus();
}

// Steps C1 to C6: the row is done; the next one becomes current, or the table ends.
void FrmOperativo::CompletaRiga() {
    MostraSegni(RigaCorrente, false);
    RigaCorrente = CheckedAdd(RigaCorrente, 1);
    s_.NumeroEsercizio = CheckedAdd(s_.NumeroEsercizio, 1);
    ControllaLimiteEsercizi();
    if (RigaCorrente > 9) {
        RigaCorrente = 0;
        AbilitaFineTabella();
        return;
    }
    AbilitaRisposta();
    lblRisultato(RigaCorrente).SetCaption(kDaRispondere);
    MostraSegni(RigaCorrente, true);
}

void FrmOperativo::ControllaLimiteEsercizi() {
    if (s_.NumeroEsercizio < kLimiteEsercizi) {
        return;
    }
    PortaAvanti(fraAvviso());
    optAvviso(0).SetFocus();
}

void FrmOperativo::SiSi() {
    const QString& atteso = Element(s_.Risultati, RigaCorrente);
    lblRisultato(RigaCorrente).SetCaption(atteso);
    Element(s_.Esercizi, s_.NumeroEsercizio) += atteso;
    PortaAvanti(fraTastierino());
    s_.Risposta.clear();
    CompletaRiga();
}

void FrmOperativo::NoNo() {
    ContaNo = CheckedAdd(ContaNo, 1);
    if (ContaNo < 3) {
        PortaAvanti(fraTastierino());
        s_.Risposta.clear();
        lblRisultato(RigaCorrente).SetCaption(kDaRispondere);
        AbilitaRisposta();
        return;
    }
    ContaNo = 0;
    PortaAvanti(fraIntervento());
    optOK().SetFocus();
    optOK().SetValue(false);
}

void FrmOperativo::Intervieni() {
    optOK().SetValue(false);
    SiSi();
    PortaAvanti(fraTastierino());
    if (RigaCorrente == 0) {
        AbilitaFineTabella();
    } else {
        AbilitaRisposta();
    }
    ControllaLimiteEsercizi();
}
