#pragma once

// The start screen: the choice of the table, "Vai" to the exercise screen, "Ripristina",
// "Esci", the "Autore" menu, and the curtain timer. Closing it ends the program.

#include "input/pulsantiera.h"
#include "layout/proporzioni.h"
#include "platform/form.h"
#include "shared/finestre.h"
#include "shared/statocondiviso.h"

class FrmInizio final : public platform::Form {
public:
    FrmInizio(StatoCondiviso& stato, Finestre& finestre);

    static const QString kFileImpostazioni;
    static constexpr int kPassoTendina = 75; // twips per tick
    static constexpr int kFineTendina = 10;  // twips: the curtain stops at this width or less

    ::Proporzioni Proporzioni; // taken at every load

    // The table buttons and the commands, with their guards.
    ingresso::Pulsantiera Tabelle;
    ingresso::Pulsantiera Comandi;

    // Handlers and routines, named as the window's events and commands.
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void timerTendine_Timer();
    void mnuInfo_Click();
    void ScegliTabella(int indice);
    void EseguiComando(int indice);
    static void VerificaEsistenzaFile(const QString& nome);

    platform::Control& Option1(int i) { return Ctl(u"Option1", i); }
    platform::Control& Option2(int i) { return Ctl(u"Option2", i); }
    platform::Control& Label1() { return Ctl(u"Label1"); }
    platform::Control& Label7() { return Ctl(u"Label7"); }
    platform::Control& Picture1() { return Ctl(u"Picture1"); }
    platform::Control& Picture2() { return Ctl(u"Picture2"); }
    platform::Control& timerTendine() { return Ctl(u"timerTendine"); }
    platform::Control& frame1() { return Ctl(u"frame1"); }

protected:
    void BindEvents() override;

private:
    void AvviaTendine();
    void ChiudiFinestre();

    StatoCondiviso& s_;
    Finestre& finestre_;
};
