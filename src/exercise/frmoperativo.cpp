#include "exercise/frmoperativo.h"

#include "exercise/frmoperativo_design.h"
#include "exercise/regoletabella.h"
#include "info/finestreinfo.h"
#include "input/mappacomandi.h"
#include "layout/griglia.h"
#include "platform/runtimeerror.h"

using platform::Control;
using platform::Element;
using platform::SkipOnError;

FrmOperativo::FrmOperativo(StatoCondiviso& stato, platform::RandomSource& caso, Finestre& finestre)
    : Form(DisegnoFrmOperativo()), Tastierino(ingresso::SchieramentoTastierino(), stato.Tenuto),
      Aiuto(ingresso::SchieramentoAiuto(), stato.Tenuto),
      Avviso(ingresso::SchieramentoAvviso(), stato.Tenuto), s_(stato), caso_(caso),
      finestre_(finestre) {
}

// Each step of the load runs even if an earlier one failed.
void FrmOperativo::Form_Load() {
    SkipOnError([this] { Proporzioni = CatturaProporzioni(*this); });
    // What the resize step moves after the proportions, looked up once per load.
    SkipOnError([this] {
        albero_.minuendo = &Label1();
        for (int k = 0; k < 10; ++k) {
            albero_.segni[static_cast<std::size_t>(k)] = &lblSegno(k);
            albero_.linee[static_cast<std::size_t>(k)] = &Line2(k);
        }
        riquadri_ = {&fraAiuto(), &fraTastierino(), &fraAvviso(), &fraIntervento()};
        riferimento_ = &Ctl(u"lblRiferimento");
    });
    SkipOnError([this] {
        for (s_.Contatore = 0; s_.Contatore <= 9; ++s_.Contatore) {
            const int k = s_.Contatore;
            Label2(k).SetCaption(QString());
            lblSegno(k).SetVisible(false);
            lblUguale(k).SetVisible(false);
            Shape4(k).SetVisible(true);
            Line2(k).SetVisible(true);
        }
    });
    SkipOnError([this] {
        DisattivaRiquadri();
        fraTastierino().SetEnabled(true);
        fraTastierino().ZOrder();
    });
    SkipOnError([this] { RicominciaEsercizi(); });
}

void FrmOperativo::Form_Resize() {
    ApplicaProporzioni(*this, Proporzioni);
    DisponiAlbero();
}

// The tree's lines and the four panels follow the boxes just moved.
void FrmOperativo::DisponiAlbero() {
    if (!IsLoaded() || riferimento_ == nullptr) {
        return;
    }
    PosizionaLinee(albero_);
    AllineaRiquadri(*riferimento_, riquadri_);
}

void FrmOperativo::RicominciaEsercizi() {
    PortaAvanti(fraTastierino());
    s_.NumeroEsercizio = 0;
    RigaCorrente = 0;
    for (s_.Contatore = 1; s_.Contatore <= 20; ++s_.Contatore) {
        Element(s_.Esercizi, s_.Contatore).clear();
    }
    NuovaTabella();
}

void FrmOperativo::NuovaTabella() {
    Timer3().SetEnabled(false);
    Timer2().SetEnabled(false);
    RigaCorrente = 0;
    Picture11().SetVisible(false);
    for (s_.Contatore = 0; s_.Contatore <= 10; ++s_.Contatore) {
        Element(SottraendiUsati, s_.Contatore).clear();
    }
    for (s_.Contatore = 0; s_.Contatore <= 9; ++s_.Contatore) {
        const int k = s_.Contatore;
        lblRisultato(k).SetCaption(QString());
        lblRisultato(k).SetBackColor(tavolozza::ColoreCella);
        lblRisultato(k).SetAccessibleDescription({});
        MostraSegni(k, false);
    }
    s_.Risposta.clear();
    lblRisultato(0).SetCaption(kDaRispondere);
    MostraSegni(0, true);
    AbilitaRisposta();
    MescolaSottraendi();
}

void FrmOperativo::MostraSegni(int riga, bool visibili) {
    lblSegno(riga).SetVisible(visibili);
    lblUguale(riga).SetVisible(visibili);
    Shape4(riga).SetVisible(visibili);
    Line2(riga).SetVisible(visibili);
}

void FrmOperativo::MescolaSottraendi() {
    caso_.Reseed();
    s_.Tabella = regole::ProssimoMinuendo(s_.Tabella, s_.TabellaScelta);
    for (s_.Contatore = 0; s_.Contatore <= 9; ++s_.Contatore) {
        Estratto = regole::EstraiSottraendo(caso_, SottraendiUsati);
        Element(SottraendiUsati, Estratto) = regole::kUsato;
        PreparaRiga(s_.Contatore);
    }
}

void FrmOperativo::PreparaRiga(int riga) {
    Label1().SetCaption(QString::number(s_.Tabella));
    s_.Sottraendo = Estratto;
    Label2(riga).SetCaption(QString::number(s_.Sottraendo));
    s_.Differenza = platform::CheckedSubtract(s_.Tabella, s_.Sottraendo);
    Element(s_.Risultati, riga) = regole::TestoRisultato(s_.Differenza);
    Element(s_.Esercizi, platform::CheckedAdd(s_.NumeroEsercizio, riga)) =
        regole::PrefissoEsercizio(s_.Tabella, s_.Sottraendo);
}

void FrmOperativo::DisattivaRiquadri() {
    fraAiuto().SetEnabled(false);
    fraTastierino().SetEnabled(false);
    fraAvviso().SetEnabled(false);
    fraIntervento().SetEnabled(false);
}

void FrmOperativo::PortaAvanti(Control& riquadro) {
    DisattivaRiquadri();
    riquadro.SetEnabled(true);
    riquadro.ZOrder();
}

void FrmOperativo::AbilitaRisposta() {
    for (s_.Contatore = 0; s_.Contatore <= 11; ++s_.Contatore) {
        Option1(s_.Contatore).SetEnabled(true);
    }
    Option1(tastierino::NuovaTabella).SetEnabled(false);
    Option1(tastierino::Esco).SetEnabled(false);
    Option1(0).SetFocus(); // fails silently while the keypad cannot take the focus
}

void FrmOperativo::AbilitaFineTabella() {
    for (s_.Contatore = 0; s_.Contatore <= 11; ++s_.Contatore) {
        Option1(s_.Contatore).SetEnabled(false);
    }
    Option1(tastierino::NuovaTabella).SetEnabled(true);
    Option1(tastierino::Esco).SetEnabled(true);
    Option1(tastierino::NuovaTabella).SetFocus();
}

// The author window, modally; then the focus goes back to the keypad's "1" if it can.
void FrmOperativo::mnuInfo_Click() {
    if (finestre_.autore != nullptr) {
        finestre_.autore->Show(platform::ShowMode::Modal);
    }
    SkipOnError([this] { Option1(1).SetFocus(); });
}

// Switched off in the design; it runs only if the entry is switched on.
void FrmOperativo::mnuIstruzioni_Click() {
    if (finestre_.istruzioni != nullptr) {
        finestre_.istruzioni->Show(platform::ShowMode::Modal);
    }
    SkipOnError([this] { Option1(1).SetFocus(); });
}
