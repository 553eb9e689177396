#include "exercise/frmoperativo_design.h"

#include "input/mappacomandi.h"
#include "shared/tavolozza.h"

using namespace platform;
using colour::Rgb;

namespace {

constexpr colour::Value kRosso = Rgb(255, 0, 0);
constexpr colour::Value kBlu = Rgb(0, 0, 192);

const FontSpec kArial36{QStringLiteral("Arial"), 36, true};
const FontSpec kArial1575{QStringLiteral("Arial"), 15.75, true};
const FontSpec kArial2025{QStringLiteral("Arial"), 20.25, true};

// The ten columns of the exercise tree: the left of Label2 and lblRisultato, of lblSegno,
// of lblUguale and of Shape4, and the end points of Line2.
struct Colonna {
    int riquadro, segno, uguale, barra;
    int x1, y1, x2, y2;
};
constexpr Colonna kColonne[10] = {
    {45, 360, 420, 525, 4708, 204, 504, 1200},
    {1095, 1380, 1440, 1545, 4708, 456, 1524, 1200},
    {2145, 2445, 2490, 2595, 4702, 615, 2610, 1179},
    {3180, 3495, 3525, 3645, 4708, 876, 3636, 1200},
    {4230, 4620, 4590, 4695, 5073, 900, 4665, 1224},
    {5265, 5640, 5640, 5745, 5364, 900, 5748, 1224},
    {6315, 6645, 6705, 6810, 5820, 876, 6768, 1200},
    {7350, 7740, 7725, 7845, 5820, 636, 7872, 1200},
    {8400, 8790, 8775, 8880, 5820, 456, 8940, 1200},
    {9450, 9750, 9810, 9915, 5820, 204, 9888, 1200},
};

// The visual aid: left and top of Frame2, the letter of Label4 and the top of Shape1.
struct Lettera {
    int left, top;
    const char16_t* lettera;
    int cerchioTop;
};
constexpr Lettera kLettere[4] = {
    {192, 468, u"B", 48},
    {1332, 444, u"E", 144},
    {2472, 408, u"N", 144},
    {3672, 420, u"E", 144},
};

// The keypad: caption, left, top, width, enabled at creation, focus order.
struct Tasto {
    const char16_t* caption;
    int left, top, width;
    bool enabled;
    int tabIndex;
};
constexpr Tasto kTastierino[14] = {
    {u"0", 72, 120, 960, true, 0},
    {u"1", 1056, 120, 960, true, 1},
    {u"2", 2040, 120, 960, true, 2},
    {u"3", 3015, 120, 960, true, 3},
    {u"4", 3990, 120, 960, true, 4},
    {u"5", 72, 645, 960, true, 5},
    {u"6", 1056, 645, 960, true, 6},
    {u"7", 2040, 645, 960, true, 7},
    {u"8", 3015, 645, 960, true, 8},
    {u"9", 3990, 645, 960, true, 9},
    {u"Cancella", 75, 1170, 2916, true, 11},
    {u"Invio", 3012, 1170, 1944, false, 10},
    {u"Nuova Tabella", 72, 1710, 2916, false, 12},
    {u"Esco", 3012, 1710, 1956, false, 13},
};

// One of the four panels, all of one size.
ControlDesign Pannello(const QString& name, int left, int top) {
    ControlDesign d = FrameRow(name, {}, left, top, 5040, 2400, tavolozza::Pesca);
    d.border = true;
    return d;
}

ControlDesign Pulsante(const QString& name, int index, const QString& container,
                       const QString& caption, int left, int top, int width, int height,
                       int tabIndex) {
    return ButtonRow(ControlKind::OptionButton, name, index, {container}, caption, left, top, width,
                     height, kArial2025, tavolozza::ColoreRiposo, tabIndex);
}

// A label of the tree: its text centred, on the frame's background.
ControlDesign Etichetta(const QString& name, int index, const QString& container,
                        const QString& caption, int left, int top, int width, int height,
                        const FontSpec& font) {
    ControlDesign d = LabelRow(name, index, {container}, caption, left, top, width, height, font);
    d.alignment = Align::Centre;
    d.transparent = true;
    return d;
}

void AlberoEsercizi(std::vector<ControlDesign>& c) {
    c.push_back(FrameRow(QStringLiteral("Frame1"), {}, 600, 1170, 10644, 4575, tavolozza::Pesca));
    const QString f = QStringLiteral("Frame1");

    ControlDesign minuendo = Etichetta(QStringLiteral("Label1"), -1, f, QStringLiteral("4"), 4752,
                                       24, 1032, 852, kArial36);
    minuendo.border = true;
    minuendo.readingOrder = 0; // then each column: sign, subtrahend, equals, answer
    c.push_back(minuendo);

    for (int k = 0; k < 10; ++k) {
        const Colonna& col = kColonne[k];
        ControlDesign linea =
            Row(QStringLiteral("Line2"), k, ControlKind::Line, {f}, col.x1, col.y1, col.x2, col.y2);
        linea.foreColour = kRosso;
        linea.borderWidth = 2;
        c.push_back(linea);
    }
    for (int k = 0; k < 10; ++k) {
        ControlDesign segno = Etichetta(QStringLiteral("lblSegno"), k, f, QStringLiteral("-"),
                                        kColonne[k].segno, 1275, 285, 300, kArial1575);
        segno.foreColour = kRosso;
        segno.visible = false;
        segno.readingOrder = 1 + 4 * k;
        c.push_back(segno);
    }
    for (int k = 0; k < 10; ++k) {
        ControlDesign sottraendo = Etichetta(QStringLiteral("Label2"), k, f, QStringLiteral("3"),
                                             kColonne[k].riquadro, 1710, 1035, 810, kArial36);
        sottraendo.border = true;
        sottraendo.readingOrder = 2 + 4 * k;
        c.push_back(sottraendo);
    }
    for (int k = 0; k < 10; ++k) {
        ControlDesign barra = Row(QStringLiteral("Shape4"), k, ControlKind::Shape, {f},
                                  kColonne[k].barra, k == 2 ? 2535 : 2520, 45, 855);
        barra.foreColour = kRosso; // border and solid fill
        barra.backColour = kRosso;
        c.push_back(barra);
    }
    for (int k = 0; k < 10; ++k) {
        ControlDesign uguale = Etichetta(QStringLiteral("lblUguale"), k, f, QStringLiteral("="),
                                         kColonne[k].uguale, 3315, 285, 285, kArial1575);
        uguale.foreColour = kRosso;
        uguale.visible = k == 0;
        uguale.readingOrder = 3 + 4 * k;
        c.push_back(uguale);
    }
    for (int k = 0; k < 10; ++k) {
        ControlDesign risultato = Etichetta(QStringLiteral("lblRisultato"), k, f,
                                            k == 0 ? QStringLiteral("?") : QString::number(k),
                                            kColonne[k].riquadro, 3630, 1035, 810, kArial36);
        risultato.border = true;
        risultato.transparent = false;
        risultato.backColour = k == 9 ? Rgb(255, 255, 255) : colour::WindowBackground;
        risultato.readingOrder = 4 + 4 * k;
        c.push_back(risultato);
    }
}

void AiutoVisivo(std::vector<ControlDesign>& c) {
    ControlDesign picture =
        Row(QStringLiteral("Picture11"), -1, ControlKind::PictureBox, {}, 732, 5730, 4968, 2352);
    picture.backColour = tavolozza::Pesca;
    picture.foreColour = colour::WindowText;
    picture.tabIndex = 15;
    c.push_back(picture);
    for (int i = 0; i < 4; ++i) {
        ControlDesign frame =
            FrameRow(QStringLiteral("Frame2"), {QStringLiteral("Picture11")}, kLettere[i].left,
                     kLettere[i].top, 1020, 1140, tavolozza::Pesca);
        frame.index = i;
        c.push_back(frame);
    }
    for (int i = 0; i < 4; ++i) {
        const ControlRef frame{QStringLiteral("Frame2"), i};
        c.push_back(ShapeRow(QStringLiteral("Shape1"), i, frame, ShapeKind::Circle, 24,
                             kLettere[i].cerchioTop, 960, 960, Rgb(255, 192, 255)));
    }
    // The letters come after the circles, so that they are drawn above them.
    for (int i = 0; i < 4; ++i) {
        ControlDesign lettera = LabelRow(QStringLiteral("Label4"), i, {QStringLiteral("Frame2"), i},
                                         QString::fromUtf16(kLettere[i].lettera), 192, 312, 600,
                                         600, {QStringLiteral("MS Sans Serif"), 24, false});
        lettera.alignment = Align::Centre;
        lettera.transparent = true;
        c.push_back(lettera);
    }
}

void Riquadri(std::vector<ControlDesign>& c) {
    // The common corner of the four panels; they cover it.
    ControlDesign riferimento = LabelRow(QStringLiteral("lblRiferimento"), -1, {},
                                         QStringLiteral("Label5"), 6090, 5775, 105, 105, {});
    riferimento.accessible = false; // a mark for the layout, not something to read
    c.push_back(riferimento);

    const QString tastierino = QStringLiteral("fraTastierino");
    c.push_back(Pannello(tastierino, 6060, 5865));
    for (int i = 0; i < tastierino::Pulsanti; ++i) {
        const Tasto& t = kTastierino[i];
        ControlDesign tasto =
            Pulsante(QStringLiteral("Option1"), i, tastierino, QString::fromUtf16(t.caption),
                     t.left, t.top, t.width, 510, t.tabIndex);
        tasto.font =
            i < tastierino::Cancella ? kArial2025 : FontSpec{QStringLiteral("Arial"), 18, true};
        tasto.foreColour = kBlu;
        tasto.enabled = t.enabled;
        c.push_back(tasto);
    }

    const QString aiuto = QStringLiteral("fraAiuto");
    c.push_back(Pannello(aiuto, 6360, 5790));
    ControlDesign domanda =
        Etichetta(QStringLiteral("LblAiuto"), -1, aiuto, QStringLiteral("Ti aiuto ?"), 270, 255,
                  3825, 855, {QStringLiteral("Arial"), 21.75, true});
    domanda.transparent = false;
    domanda.backColour = tavolozza::Pesca;
    c.push_back(domanda);
    c.push_back(Pulsante(QStringLiteral("Option3"), 0, aiuto, QStringLiteral("SI"), 330, 795, 4380,
                         660, 74));
    c.push_back(Pulsante(QStringLiteral("Option3"), 1, aiuto, QStringLiteral("NO"), 330, 1530, 4380,
                         660, 75));

    const QString intervento = QStringLiteral("fraIntervento");
    c.push_back(Pannello(intervento, 4635, 6000));
    c.push_back(Etichetta(QStringLiteral("lblIntervento"), -1, intervento,
                          QStringLiteral("Intervengo io"), 210, 300, 4095, 945,
                          {QStringLiteral("Arial"), 26.25, true}));
    ControlDesign ok = Pulsante(QStringLiteral("optOK"), -1, intervento, QStringLiteral("OK"), 780,
                                1155, 3330, 840, 71);
    ok.backColour = tavolozza::ColoreFuoco;
    c.push_back(ok);

    const QString avviso = QStringLiteral("fraAvviso");
    c.push_back(Pannello(avviso, 5850, 5955));
    c.push_back(Etichetta(QStringLiteral("Label4"), 4, avviso,
                          QStringLiteral("Se ricominci gli esercizi andranno persi"), 135, 180,
                          4755, 780, kArial1575));
    c.push_back(Pulsante(QStringLiteral("optAvviso"), 0, avviso, QStringLiteral("Stampa"), 780,
                         1080, 3330, 585, 68));
    c.push_back(Pulsante(QStringLiteral("optAvviso"), 1, avviso, QStringLiteral("Ricomincia"), 780,
                         1740, 3330, 585, 67));
}

} // namespace

FormDesign DisegnoFrmOperativo() {
    FormDesign form =
        WindowDesign(QStringLiteral("frmOperativo"), QStringLiteral("TABELLA"), 11910, 8595,
                     tavolozza::Pesca, {QStringLiteral("MS Sans Serif"), 12, false});
    form.maximised = true;
    form.icon = true;

    auto& c = form.controls;
    AlberoEsercizi(c);
    AiutoVisivo(c);
    Riquadri(c);
    c.push_back(TimerRow(QStringLiteral("Timer1"), true, 10));
    c.push_back(TimerRow(QStringLiteral("Timer2"), false, 50));
    c.push_back(TimerRow(QStringLiteral("Timer3"), false, 400));
    c.push_back(
        MenuRow(QStringLiteral("MnuStampaEsercizio"), QStringLiteral("Stampa esercizio"), false));
    c.push_back(MenuRow(QStringLiteral("mnuInfo"), QStringLiteral("Autore"), true));
    c.push_back(MenuRow(QStringLiteral("mnuIstruzioni"), QStringLiteral("Istruzioni"), false));
    return form;
}
