#include "print/frmstampaesercizio.h"

#include "platform/runtimeerror.h"
#include "print/stampaesercizi.h"

using namespace platform;
using colour::Rgb;

namespace {

constexpr colour::Value kCiano = Rgb(128, 255, 255);
constexpr int kColonne[4] = {120, 3060, 5970, 8850};
constexpr int kRighe[10] = {2955, 3375, 3795, 4245, 4695, 5145, 5595, 6045, 6510, 6960};

ControlDesign Pulsante(const QString& name, const QString& caption, int left, int top,
                       int tabIndex) {
    return ButtonRow(ControlKind::CommandButton, name, -1, {}, caption, left, top, 4155, 885,
                     {QStringLiteral("Arial"), 14.25, true}, kCiano, tabIndex);
}

FormDesign DisegnoFrmStampaEsercizio() {
    FormDesign f =
        WindowDesign(QStringLiteral("FrmStampaEsercizio"), QStringLiteral("FINESTRA DI STAMPA"),
                     11910, 8730, kCiano, {QStringLiteral("Courier"), 9.75, false});
    f.foreColour = Rgb(0, 0, 0);
    f.maximised = true;
    f.icon = true;

    ControlDesign titolo = LabelRow(QStringLiteral("Label5"), -1, {},
                                    QStringLiteral("E S E R C I Z I   E S E G U I T I "), 660, 75,
                                    10725, 525, {QStringLiteral("Arial"), 15.75, true});
    titolo.accessibleName = QStringLiteral("Esercizi eseguiti");
    titolo.foreColour = Rgb(192, 0, 0);
    titolo.transparent = true;
    titolo.alignment = Align::Centre;
    f.controls.push_back(titolo);

    // Forty labels in four columns of ten: LblOp(n) in column n / 10, row n % 10.
    for (int n = 0; n < FrmStampaEsercizio::kEtichette; ++n) {
        ControlDesign riga =
            LabelRow(QStringLiteral("LblOp"), n, {}, {}, kColonne[n / 10], kRighe[n % 10], 2835,
                     435, {QStringLiteral("Courier"), 12, false});
        riga.backColour = Rgb(192, 255, 255);
        f.controls.push_back(riga);
    }
    f.controls.push_back(Pulsante(QStringLiteral("cmdStampaS"),
                                  QStringLiteral("STAMPA LE OPERAZIONI"), 6795, 7425, 40));
    f.controls.push_back(
        Pulsante(QStringLiteral("Command1"), QStringLiteral("ESCI"), 960, 7455, 39));
    return f;
}

} // namespace

FrmStampaEsercizio::FrmStampaEsercizio(StatoCondiviso& stato, PrinterProvider& stampanti,
                                       MessageBox& messaggi)
    : Form(DisegnoFrmStampaEsercizio()), s_(stato), stampanti_(stampanti), messaggi_(messaggi) {
}

void FrmStampaEsercizio::BindEvents() {
    Ctl(u"cmdStampaS").OnClick([this] { cmdStampaS_Click(); });
    Ctl(u"Command1").OnClick([this] { Command1_Click(); });
}

// Every finished line is listed, in the forty labels: a teacher sees the whole sequence.
void FrmStampaEsercizio::Form_Load() {
    SkipOnError([this] { Proporzioni = CatturaProporzioni(*this); });
    SkipOnError([this] {
        for (s_.ContatoreStampa = 0; s_.ContatoreStampa < kEtichette; ++s_.ContatoreStampa) {
            LblOp(s_.ContatoreStampa).SetCaption(Element(s_.Esercizi, s_.ContatoreStampa));
        }
    });
}

void FrmStampaEsercizio::Form_Resize() {
    ApplicaProporzioni(*this, Proporzioni);
}

void FrmStampaEsercizio::cmdStampaS_Click() {
    const std::unique_ptr<Printer> stampante = stampanti_.DefaultPrinter();
    stampa::StampaEsercizi(s_, *stampante, messaggi_);
}

void FrmStampaEsercizio::Command1_Click() {
    Unload();
}
