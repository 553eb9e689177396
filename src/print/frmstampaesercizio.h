#pragma once

// The print window: the finished exercise lines under "E S E R C I Z I   E S E G U I T I ",
// "STAMPA LE OPERAZIONI" to print them and "ESCI" to close.

#include "layout/proporzioni.h"
#include "platform/form.h"
#include "platform/printer.h"
#include "shared/statocondiviso.h"

class FrmStampaEsercizio final : public platform::Form {
public:
    FrmStampaEsercizio(StatoCondiviso& stato, platform::PrinterProvider& stampanti,
                       platform::MessageBox& messaggi);

    static constexpr int kEtichette = 40;

    ::Proporzioni Proporzioni;

    void Form_Load() override;
    void Form_Resize() override;
    void cmdStampaS_Click();
    void Command1_Click();

    platform::Control& LblOp(int n) { return Ctl(u"LblOp", n); }

protected:
    void BindEvents() override;

private:
    StatoCondiviso& s_;
    platform::PrinterProvider& stampanti_;
    platform::MessageBox& messaggi_;
};
