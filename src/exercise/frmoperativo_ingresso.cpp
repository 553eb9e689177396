// The exercise screen's buttons as a child works them: the keypad, "SI"/"NO", the notice's
// "Stampa"/"Ricomincia" and "OK", by keyboard, any mouse button and manual scanning; and the
// menu entries.

#include "exercise/frmoperativo.h"
#include "input/mappacomandi.h"
#include "print/frmstampaesercizio.h"

using platform::KeyArgs;

void FrmOperativo::BindEvents() {
    for (int k = 0; k < 10; ++k) {
        lblRisultato(k).OnChange([this, k] { lblRisultato_Change(k); });
    }
    Tastierino.Collega(
        *this, [this](int indice) { PremiTasto(indice); },
        [this](int valore, int) {
            if (valore == ingresso::kTastoC) {
                CancellaDaTastiera();
            } else {
                CifraDaTastiera(valore);
            }
        });
    Aiuto.Collega(*this, [this](int indice) { indice == 0 ? SiSi() : NoNo(); });
    Avviso.Collega(*this, [this](int indice) {
        if (indice == 0) {
            ApriStampa();
        } else {
            RicominciaEsercizi();
        }
    });
    optOK().OnKeyDown([this](KeyArgs& tasto) { optOK_KeyDown(tasto); });
    optOK().OnMouseDown([this](const platform::MouseArgs&) { Intervieni(); });
    optOK().OnClick([this] { Intervieni(); });
    Ctl(u"mnuInfo").OnClick([this] { mnuInfo_Click(); });
    Ctl(u"mnuIstruzioni").OnClick([this] { mnuIstruzioni_Click(); });
    Ctl(u"MnuStampaEsercizio").OnClick([this] { MnuStampaEsercizio_Click(); });
}

// A digit typed on the keyboard goes into the answer and the focus goes to "Invio". At the end
// of a table, with the digit buttons off, the digits do nothing.
void FrmOperativo::CifraDaTastiera(int cifra) {
    if (!Option1(cifra).Enabled()) {
        return;
    }
    AggiungiCifra(QString::number(cifra));
    Option1(tastierino::Invio).SetFocus();
}

void FrmOperativo::CancellaDaTastiera() {
    if (Option1(tastierino::Cancella).Enabled()) {
        Cancella();
    }
}

// Any key on "OK", Shift alone included, runs the intervention; but not the auto-repeat of a
// key held since before "OK" came up.
void FrmOperativo::optOK_KeyDown(KeyArgs& tasto) {
    if (tasto.repeat && s_.Tenuto.origine != &optOK()) {
        return;
    }
    if (!tasto.repeat) {
        s_.Tenuto = {tasto.keyCode, &optOK(), {}};
    }
    Intervieni();
}

// "Stampa" on the notice: the print window, without waiting for it.
void FrmOperativo::ApriStampa() {
    if (finestre_.stampa != nullptr) {
        finestre_.stampa->Show();
    }
}

// Switched off in the design: the print window, waiting until it is closed.
void FrmOperativo::MnuStampaEsercizio_Click() {
    if (finestre_.stampa != nullptr) {
        finestre_.stampa->Show(platform::ShowMode::Modal);
    }
}
