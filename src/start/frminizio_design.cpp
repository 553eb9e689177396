#include "start/frminizio_design.h"

#include "shared/tavolozza.h"

using namespace platform;
using colour::Rgb;

namespace {

constexpr colour::Value kRossoScuro = Rgb(192, 0, 0);
constexpr colour::Value kBluNotte = Rgb(0, 0, 128);
constexpr colour::Value kRosa = Rgb(255, 128, 255);

ControlDesign Cornice(const QString& name, int left, int top, int width, int height) {
    return FrameRow(name, {}, left, top, width, height, tavolozza::Pesca);
}

ControlDesign Tendina(const QString& name, int left, int width, Dock dock, int tabIndex) {
    ControlDesign d = Row(name, -1, ControlKind::PictureBox, {}, left, 0, width, 8310);
    d.backColour = kRosa;
    d.visible = false;
    d.accessible = false; // the opening curtain: nothing to read
    d.dock = dock;
    d.tabIndex = tabIndex;
    return d;
}

// A rounded rectangle of the title block.
ControlDesign Arrotondato(const QString& name, int left, int top, int width, int height,
                          colour::Value back) {
    return ShapeRow(name, -1, QStringLiteral("frmTitolo"), ShapeKind::RoundedRectangle, left, top,
                    width, height, back);
}

// The title block, from the bottom of the drawing order to the top.
void Titolo(std::vector<ControlDesign>& c) {
    const QString titolo = QStringLiteral("frmTitolo");
    c.push_back(Arrotondato(QStringLiteral("Shape4"), 8340, 30, 3180, 1935, Rgb(0, 0, 192)));
    c.push_back(Arrotondato(QStringLiteral("Shape3"), 8385, 60, 3120, 1875, tavolozza::Pesca));
    ControlDesign ombra =
        Arrotondato(QStringLiteral("Shape1"), 90, 90, 8220, 1935, tavolozza::ColoreFuoco);
    ombra.borderWidth = 2;
    c.push_back(ombra);
    c.push_back(Arrotondato(QStringLiteral("Shape2"), 90, 60, 8160, 1875, tavolozza::Pesca));

    ControlDesign versione = LabelRow(QStringLiteral("Label7"), -1, titolo, {}, 8730, 405, 2250,
                                      1140, {QStringLiteral("Arial"), 9.75, true});
    versione.foreColour = Rgb(0, 0, 192);
    versione.transparent = true;
    c.push_back(versione);

    ControlDesign nome =
        LabelRow(QStringLiteral("Label4"), -1, titolo, QStringLiteral("TABELLA: sottrazione"), 330,
                 330, 7800, 1395, {QStringLiteral("Arial"), 27.75, true});
    nome.foreColour = kBluNotte;
    nome.backColour = tavolozza::Pesca;
    nome.alignment = Align::Centre;
    c.push_back(nome);
}

// The table buttons: left, top, width, height; button k is the table of k, caption 10 + k.
struct Tabella {
    int left, top, width, height;
};
constexpr Tabella kTabelle[11] = {
    {135, 225, 1770, 585},  {1935, 225, 1770, 585},  {3720, 225, 1770, 585},
    {135, 825, 1770, 585},  {1935, 825, 1770, 585},  {3720, 825, 1770, 585},
    {135, 1425, 1770, 585}, {1935, 1425, 1770, 585}, {3720, 1425, 1770, 585},
    {135, 2025, 2670, 630}, {2820, 2025, 2670, 630},
};

void Pulsanti(std::vector<ControlDesign>& c) {
    for (int k = 0; k < 11; ++k) {
        const Tabella& t = kTabelle[k];
        ControlDesign d = ButtonRow(
            ControlKind::OptionButton, QStringLiteral("Option1"), k, QStringLiteral("frame1"),
            QString::number(10 + k), t.left, t.top, t.width, t.height,
            {QStringLiteral("Arial"), 15.75, true}, tavolozza::ColoreRiposo, 9 + k);
        d.foreColour = kBluNotte;
        c.push_back(d);
    }
    const QString comandi[3] = {QStringLiteral("Vai"), QStringLiteral("Ripristina"),
                                QStringLiteral("Esci")};
    constexpr int alto[3] = {150, 975, 1740};
    for (int i = 0; i < 3; ++i) {
        // The focus order runs upwards: "Esci", "Ripristina", "Vai".
        ControlDesign d =
            ButtonRow(ControlKind::OptionButton, QStringLiteral("Option2"), i,
                      QStringLiteral("Frame2"), comandi[i], 90, alto[i], 3945, 630,
                      {QStringLiteral("MS Sans Serif"), 18, true}, tavolozza::ColoreRiposo, 24 - i);
        d.foreColour = kBluNotte;
        c.push_back(d);
    }
}

} // namespace

FormDesign DisegnoFrmInizio() {
    FormDesign form =
        WindowDesign(QStringLiteral("FrmInizio"), QStringLiteral("Tabella"), 11880, 8310,
                     tavolozza::Pesca, {QStringLiteral("MS Sans Serif"), 8.25, false});
    form.maximised = true;
    form.icon = true;

    auto& c = form.controls;
    c.push_back(TimerRow(QStringLiteral("timerTendine"), false, 10));
    c.push_back(Tendina(QStringLiteral("Picture1"), 0, 120, Dock::Left, 7));
    c.push_back(Tendina(QStringLiteral("Picture2"), 11655, 228, Dock::Right, 6));
    c.push_back(Cornice(QStringLiteral("frmTitolo"), 0, 0, 11745, 2295));
    c.push_back(Cornice(QStringLiteral("frame1"), 585, 4485, 5655, 2805));
    c.push_back(Cornice(QStringLiteral("Frame2"), 6675, 4485, 4125, 2805));

    ControlDesign scelta = LabelRow(QStringLiteral("Label1"), -1, {}, QStringLiteral("Tabella "),
                                    585, 2625, 8925, 645, {QStringLiteral("Arial"), 18, true});
    scelta.foreColour = kRossoScuro;
    scelta.transparent = true;
    c.push_back(scelta);

    ControlDesign firma =
        LabelRow(QStringLiteral("Label5"), -1, {}, QStringLiteral("Il nuovo software di Velurio"),
                 420, 7515, 5340, 465, {QStringLiteral("Arial"), 18, true});
    firma.foreColour = kRossoScuro;
    firma.backColour = tavolozza::Pesca;
    c.push_back(firma);

    Titolo(c);
    Pulsanti(c);

    c.push_back(MenuRow(QStringLiteral("mnuInfo"), QStringLiteral("Autore"), true));
    return form;
}
