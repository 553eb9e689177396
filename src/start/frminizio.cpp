#include "start/frminizio.h"

#include "exercise/frmoperativo.h"
#include "info/finestreinfo.h"
#include "input/mappacomandi.h"
#include "platform/fileprobe.h"
#include "platform/runtimeerror.h"
#include "print/frmstampaesercizio.h"
#include "start/frminizio_design.h"

using platform::SkipOnError;

const QString FrmInizio::kFileImpostazioni = QStringLiteral("ImpostazioniVl.dat");

namespace {
// The caption of Label1 for each table, as it stands.
const char16_t* const kNomiTabelle[11] = {
    u"Tabella dello 0", u"Tabella dell' 1", u"Tabella del 2",  u"Tabella del 3",
    u"Tabella del 4",   u"Tabella del 5",   u"Tabella del 6",  u"Tabella del 7",
    u"Tabella dell'8",  u"Tabella del 9",   u"Tabella del 10",
};
} // namespace

FrmInizio::FrmInizio(StatoCondiviso& stato, Finestre& finestre)
    : Form(DisegnoFrmInizio()), Tabelle(ingresso::SchieramentoTabelle(), stato.Tenuto),
      Comandi(ingresso::SchieramentoComandi(), stato.Tenuto), s_(stato), finestre_(finestre) {
}

void FrmInizio::BindEvents() {
    timerTendine().OnTimer([this] { timerTendine_Timer(); });
    Ctl(u"mnuInfo").OnClick([this] { mnuInfo_Click(); });
    Tabelle.Collega(*this, [this](int indice) { ScegliTabella(indice); });
    Comandi.Collega(*this, [this](int indice) { EseguiComando(indice); });
}

void FrmInizio::Form_Load() {
    SkipOnError([this] { Proporzioni = CatturaProporzioni(*this); });
    SkipOnError([this] {
        Label7().SetCaption(Label7().Caption() + QStringLiteral("Vers.1.0") + u'\r' +
                            QStringLiteral("Mouse "));
    });
    SkipOnError([] { VerificaEsistenzaFile(kFileImpostazioni); });
    SkipOnError([this] { Label7().SetVisible(true); });
}

// The file is only probed: its presence changes nothing.
void FrmInizio::VerificaEsistenzaFile(const QString& nome) {
    platform::ProbeFile(nome);
}

void FrmInizio::Form_Resize() {
    ApplicaProporzioni(*this, Proporzioni);
    AvviaTendine();
}

void FrmInizio::AvviaTendine() {
    Picture1().SetWidth(Width() / 2);
    Picture2().SetWidth(Width() / 2);
    timerTendine().SetEnabled(true);
}

// Narrows both curtain panels. A panel refuses a width below zero; once it does the curtain
// can go no further and ends there, as it ends at its threshold.
void FrmInizio::timerTendine_Timer() {
    bool rifiutata = false;
    try {
        Picture1().SetWidth(Picture1().Width() - kPassoTendina);
        Picture2().SetWidth(Picture2().Width() - kPassoTendina);
    } catch (const platform::RuntimeError&) {
        rifiutata = true;
    }
    if (Picture1().Width() <= kFineTendina || rifiutata) {
        timerTendine().SetEnabled(false);
    }
    if (!timerTendine().Enabled()) {
        frame1().SetEnabled(true);
    }
}

void FrmInizio::Form_Activate() {
    Option1(0).SetFocus();
}

void FrmInizio::ScegliTabella(int indice) {
    if (indice >= 0 && indice <= 10) {
        s_.Tabella = static_cast<std::int16_t>(indice);
        s_.TabellaScelta = s_.Tabella;
        Label1().SetCaption(QString::fromUtf16(kNomiTabelle[indice]));
    }
    Option1(0).SetValue(false);
    Option2(0).SetFocus(); // a failure is ignored
}

void FrmInizio::EseguiComando(int indice) {
    switch (indice) {
    case 0:
        if (finestre_.operativo != nullptr) {
            finestre_.operativo->Show();
        }
        break;
    case 1:
        Option1(0).SetFocus();
        break;
    case 2:
        Unload();
        break;
    default:
        break;
    }
}

void FrmInizio::mnuInfo_Click() {
    if (finestre_.autore != nullptr) {
        finestre_.autore->Show(platform::ShowMode::Modal);
    }
}

void FrmInizio::Form_Unload() {
    ChiudiFinestre();
}

// Closing the start screen closes every other window; the program ends with the last one.
void FrmInizio::ChiudiFinestre() {
    Unload(); // already closing: nothing more happens
    if (finestre_.autore != nullptr) {
        finestre_.autore->Unload();
    }
    if (finestre_.operativo != nullptr) {
        finestre_.operativo->Unload();
    }
    if (finestre_.stampa != nullptr) {
        finestre_.stampa->Unload();
    }
}
