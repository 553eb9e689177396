#pragma once

// The exercise screen: one subtraction table as a tree of ten columns under one minuend, and
// four overlapping panels (keypad, help offer, intervention, notice after thirty exercises).
// This unit owns the window's variables and its table-generation routines.

#include "input/mappacomandi.h"
#include "input/pulsantiera.h"
#include "layout/griglia.h"
#include "layout/proporzioni.h"
#include "platform/form.h"
#include "platform/random.h"
#include "shared/finestre.h"
#include "shared/statocondiviso.h"
#include "shared/tavolozza.h"

#include <array>
#include <cstdint>

class FrmOperativo final : public platform::Form {
public:
    FrmOperativo(StatoCondiviso& stato, platform::RandomSource& caso, Finestre& finestre);

    // The caption of the current row's answer cell while nothing has been typed.
    static inline const QString kDaRispondere = QStringLiteral("?");

    // The window's own variables: they keep their values while the window is closed.
    std::int16_t RigaCorrente = 0;
    std::int16_t Estratto = 0;
    std::array<QString, 12> SottraendiUsati;
    std::int16_t ContaNo = 0;  // "NO" answers since the last intervention
    ::Proporzioni Proporzioni; // taken at every load

    // The button arrays of the keypad, the help offer and the notice, with their guards.
    ingresso::Pulsantiera Tastierino;
    ingresso::Pulsantiera Aiuto;
    ingresso::Pulsantiera Avviso;

    // The resize step's last part: the tree's lines and the panels, from the boxes' places.
    void DisponiAlbero();

    // Table generation and the panels.
    void RicominciaEsercizi();
    void NuovaTabella();
    void MescolaSottraendi();
    void PreparaRiga(int riga);
    void DisattivaRiquadri();
    void PortaAvanti(platform::Control& riquadro);
    void AbilitaRisposta();
    void AbilitaFineTabella();

    // Answers: the keypad's actions, the check and the completion of a row.
    void PremiTasto(int indice);
    void lblRisultato_Change(int riga);
    void VerificaRisposta();
    void CompletaRiga();
    void ControllaLimiteEsercizi();

    // The help offer and the intervention.
    void SiSi();
    void NoNo();
    void Intervieni();

    // The keyboard's own entry of a digit, and its C.
    void CifraDaTastiera(int cifra);
    void CancellaDaTastiera();
    void optOK_KeyDown(platform::KeyArgs& tasto);
    void ApriStampa();

    // The menu entries.
    void mnuInfo_Click();
    void mnuIstruzioni_Click();
    void MnuStampaEsercizio_Click();

    // The controls, by their design names.
    platform::Control& Label1() { return Ctl(u"Label1"); }
    platform::Control& Label2(int k) { return Ctl(u"Label2", k); }
    platform::Control& lblSegno(int k) { return Ctl(u"lblSegno", k); }
    platform::Control& lblUguale(int k) { return Ctl(u"lblUguale", k); }
    platform::Control& Shape4(int k) { return Ctl(u"Shape4", k); }
    platform::Control& Line2(int k) { return Ctl(u"Line2", k); }
    platform::Control& lblRisultato(int k) { return Ctl(u"lblRisultato", k); }
    platform::Control& Picture11() { return Ctl(u"Picture11"); }
    platform::Control& fraTastierino() { return Ctl(u"fraTastierino"); }
    platform::Control& fraAiuto() { return Ctl(u"fraAiuto"); }
    platform::Control& fraAvviso() { return Ctl(u"fraAvviso"); }
    platform::Control& fraIntervento() { return Ctl(u"fraIntervento"); }
    platform::Control& Option1(int i) { return Ctl(u"Option1", i); }
    platform::Control& Option3(int i) { return Ctl(u"Option3", i); }
    platform::Control& optAvviso(int i) { return Ctl(u"optAvviso", i); }
    platform::Control& optOK() { return Ctl(u"optOK"); }
    platform::Control& Timer2() { return Ctl(u"Timer2"); }
    platform::Control& Timer3() { return Ctl(u"Timer3"); }

protected:
    void BindEvents() override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    // Shows or hides the four markers of a row: sign, equals, bar and line.
    void MostraSegni(int riga, bool visibili);
    void Cifra(int indice);
    void AggiungiCifra(const QString& cifra);
    void Cancella();

    StatoCondiviso& s_;
    platform::RandomSource& caso_;
    Finestre& finestre_;
    // The tree, the panels and their reference mark, as the last load found them.
    Albero albero_{};
    std::array<platform::Control*, 4> riquadri_{};
    const platform::Control* riferimento_ = nullptr;
};
