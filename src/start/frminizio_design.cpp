#include "start/frminizio_design.h"

#include "shared/tavolozza.h"

using namespace platform;
using colour::Rgb;

namespace {

constexpr colour::Value kRossoScuro = Rgb(192, 0, 0);
constexpr colour::Value kBluNotte = Rgb(0, 0, 128);
constexpr colour::Value kRosa = Rgb(255, 128, 255);

ControlDesign Cornice(const QString& name, int left, int top, int width, int height) {
    ControlDesign d = Row(name, -1, ControlKind::Frame, {}, left, top, width, height);
    d.backColour = tavolozza::Pesca;
    return d;
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

ControlDesign Riquadro(const QString& name, int left, int top, int width, int height,
                       colour::Value back) {
    ControlDesign d =
        Row(name, -1, ControlKind::Shape, QStringLiteral("frmTitolo"), left, top, width, height);
    d.shape = ShapeKind::RoundedRectangle;
    d.backColour = back;
    return d;
}

// The title block, from the bottom of the drawing order to the top.
void Titolo(std::vector<ControlDesign>& c) {
    const QString titolo = QStringLiteral("frmTitolo");
    c.push_back(Riquadro(QStringLiteral("Shape4"), 8340, 30, 3180, 1935, Rgb(0, 0, 192)));
    c.push_back(Riquadro(QStringLiteral("Shape3"), 8385, 60, 3120, 1875, tavolozza::Pesca));
    ControlDesign ombra =
        Riquadro(QStringLiteral("Shape1"), 90, 90, 8220, 1935, tavolozza::ColoreFuoco);
    ombra.borderWidth = 2;
    c.push_back(ombra);
    c.push_back(Riquadro(QStringLiteral("Shape2"), 90, 60, 8160, 1875, tavolozza::Pesca));

    ControlDesign versione =
        Row(QStringLiteral("Label7"), -1, ControlKind::Label, titolo, 8730, 405, 2250, 1140);
    versione.font = {QStringLiteral("Arial"), 9.75, true};
    versione.foreColour = Rgb(0, 0, 192);
    versione.transparent = true;
    c.push_back(versione);

    ControlDesign nome =
        Row(QStringLiteral("Label4"), -1, ControlKind::Label, titolo, 330, 330, 7800, 1395);
    nome.caption = QStringLiteral("TABELLA: sottrazione");
    nome.font = {QStringLiteral("Arial"), 27.75, true};
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
        ControlDesign d = Row(QStringLiteral("Option1"), k, ControlKind::OptionButton,
                              QStringLiteral("frame1"), t.left, t.top, t.width, t.height);
        d.caption = QString::number(10 + k);
        d.font = {QStringLiteral("Arial"), 15.75, true};
        d.foreColour = kBluNotte;
        d.backColour = tavolozza::ColoreRiposo;
        d.tabIndex = 9 + k;
        c.push_back(d);
    }
    const QString comandi[3] = {QStringLiteral("Vai"), QStringLiteral("Ripristina"),
                                QStringLiteral("Esci")};
    constexpr int alto[3] = {150, 975, 1740};
    for (int i = 0; i < 3; ++i) {
        ControlDesign d = Row(QStringLiteral("Option2"), i, ControlKind::OptionButton,
                              QStringLiteral("Frame2"), 90, alto[i], 3945, 630);
        d.caption = comandi[i];
        d.font = {QStringLiteral("MS Sans Serif"), 18, true};
        d.foreColour = kBluNotte;
        d.backColour = tavolozza::ColoreRiposo;
        d.tabIndex = 24 - i; // upwards: "Esci", "Ripristina", "Vai"
        c.push_back(d);
    }
}

} // namespace

FormDesign DisegnoFrmInizio() {
    FormDesign form;
    form.name = QStringLiteral("FrmInizio");
    form.caption = QStringLiteral("Tabella");
    form.backColour = tavolozza::Pesca;
    form.foreColour = colour::WindowText;
    form.scaleWidth = 11880;
    form.scaleHeight = 8310;
    form.maximised = true;
    form.icon = true;
    form.font = {QStringLiteral("MS Sans Serif"), 8.25, false};

    auto& c = form.controls;
    ControlDesign timer =
        Row(QStringLiteral("timerTendine"), -1, ControlKind::Timer, {}, 0, 0, 0, 0);
    timer.enabled = false;
    timer.interval = 10;
    c.push_back(timer);
    c.push_back(Tendina(QStringLiteral("Picture1"), 0, 120, Dock::Left, 7));
    c.push_back(Tendina(QStringLiteral("Picture2"), 11655, 228, Dock::Right, 6));
    c.push_back(Cornice(QStringLiteral("frmTitolo"), 0, 0, 11745, 2295));
    c.push_back(Cornice(QStringLiteral("frame1"), 585, 4485, 5655, 2805));
    c.push_back(Cornice(QStringLiteral("Frame2"), 6675, 4485, 4125, 2805));

    ControlDesign scelta =
        Row(QStringLiteral("Label1"), -1, ControlKind::Label, {}, 585, 2625, 8925, 645);
    scelta.caption = QStringLiteral("Tabella ");
    scelta.font = {QStringLiteral("Arial"), 18, true};
    scelta.foreColour = kRossoScuro;
    scelta.transparent = true;
    c.push_back(scelta);

    ControlDesign firma =
        Row(QStringLiteral("Label5"), -1, ControlKind::Label, {}, 420, 7515, 5340, 465);
    firma.caption = QStringLiteral("Il nuovo software di Velurio");
    firma.font = {QStringLiteral("Arial"), 18, true};
    firma.foreColour = kRossoScuro;
    firma.backColour = tavolozza::Pesca;
    c.push_back(firma);

    Titolo(c);
    Pulsanti(c);

    ControlDesign menu = Row(QStringLiteral("mnuInfo"), -1, ControlKind::Menu, {}, 0, 0, 0, 0);
    menu.caption = QStringLiteral("Autore");
    c.push_back(menu);
    return form;
}
