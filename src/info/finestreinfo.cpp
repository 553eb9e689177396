#include "info/finestreinfo.h"

#include "info/autore_config.h"

using namespace platform;
using colour::Rgb;

namespace {

constexpr colour::Value kAzzurro = Rgb(192, 255, 255);
constexpr colour::Value kCiano = Rgb(128, 255, 255);

ControlDesign Etichetta(const QString& name, const QString& caption, int left, int top, int width,
                        int height, const FontSpec& font, colour::Value fore) {
    ControlDesign d = LabelRow(name, -1, {}, caption, left, top, width, height, font);
    d.foreColour = fore;
    d.transparent = true;
    return d;
}

ControlDesign Chiudi(int left, int top, int width, int height) {
    ControlDesign d = ButtonRow(ControlKind::CommandButton, QStringLiteral("Command1"), -1, {},
                                QStringLiteral("C h i u d i"), left, top, width, height,
                                {QStringLiteral("Arial"), 12, false}, kCiano, 1);
    d.accessibleName = QStringLiteral("Chiudi");
    return d;
}

FormDesign Finestra(const QString& name, const QString& caption, int width, int height) {
    FormDesign f = WindowDesign(name, caption, width, height, kAzzurro,
                                {QStringLiteral("MS Sans Serif"), 8.25, false});
    f.fixedSize = true; // nothing in it follows a resize
    return f;
}

FormDesign DisegnoAutore() {
    FormDesign f = Finestra(QStringLiteral("frmAutore"), QStringLiteral("Autore"), 6975, 3510);
    const FontSpec normale{QStringLiteral("Arial"), 18, false};
    const FontSpec grassetto{QStringLiteral("Arial"), 18, true};
    constexpr colour::Value blu = Rgb(0, 0, 192);
    f.controls = {
        Etichetta(QStringLiteral("Label1"), QStringLiteral("Sito dell'autore:"), 200, 465, 4455,
                  435, normale, colour::WindowText),
        Etichetta(QStringLiteral("Label2"), QString::fromUtf16(TABELLA_SITO_AUTORE), 165, 945, 6795,
                  510, grassetto, blu),
        Etichetta(QStringLiteral("Label3"), QStringLiteral("Email:"), 225, 1860, 1350, 435, normale,
                  colour::WindowText),
        Etichetta(QStringLiteral("Label4"), QString::fromUtf16(TABELLA_EMAIL_AUTORE), 180, 2310,
                  5955, 510, grassetto, blu),
        Chiudi(1845, 2892, 2700, 564),
    };
    return f;
}

FormDesign DisegnoIstruzioni() {
    FormDesign f =
        Finestra(QStringLiteral("frmIstruzioni"), QStringLiteral("ISTRUZIONI"), 9000, 5745);
    f.controls = {
        Etichetta(QStringLiteral("Label1"), QStringLiteral("Label1"), 420, 240, 7995, 4710,
                  {QStringLiteral("Arial"), 9.75, true}, colour::WindowText),
        Chiudi(2985, 5088, 2700, 624),
    };
    return f;
}

// Each piece of the instructions and the line breaks after it.
struct Pezzo {
    const char16_t* testo;
    int aCapo;
};
constexpr Pezzo kIstruzioni[] = {
    {u" I dati possono essere immessi con: ", 1},
    {u" - la tastiera ed il tastierino", 1},
    {u" - il mouse", 1},
    {u" - la scansione manuale", 3},
    {u" PER UTILIZZARE LA TASTIERA ED IL TASTIERINO", 1},
    {u" Premere il numero ordinale del pulsante.", 1},
    {u" Oltre il numero 9 premere la lettera iniziale dei pulsanti.", 1},
    {u" La funzione del tasto INVIO \u00e8 sostituita dal pulsante ", 1},
    {u" AVANTI del tasto programma", 2},
    {u" PER UTILIZZARE  IL MOUSE ", 1},
    {u" Cliccare con il pulsante sinistro.", 2},
    {u" PER UTILIZZARE LA SCANSIONE MANUALE ", 1},
    {u" Premere la BARRA-SPAZIO per scegliere, premere INVIO per confermare.", 0},
};

} // namespace

FrmAutore::FrmAutore() : Form(DisegnoAutore()) {
}

void FrmAutore::BindEvents() {
    Ctl(u"Command1").OnClick([this] { Unload(); });
}

FrmIstruzioni::FrmIstruzioni() : Form(DisegnoIstruzioni()) {
}

QString FrmIstruzioni::TestoIstruzioni() {
    QString testo;
    for (const Pezzo& pezzo : kIstruzioni) {
        testo += QString::fromUtf16(pezzo.testo);
        testo += QString(pezzo.aCapo, u'\r');
    }
    return testo;
}

void FrmIstruzioni::BindEvents() {
    Ctl(u"Command1").OnClick([this] { Unload(); });
}

void FrmIstruzioni::Form_Load() {
    Ctl(u"Label1").SetCaption(TestoIstruzioni());
}
