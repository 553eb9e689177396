// Proportional resize and the exercise grid's lines and panels.

#include "exercise/frmoperativo.h"
#include "layout/griglia.h"
#include "layout/proporzioni.h"
#include "platform/form.h"
#include "platform/random.h"

#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::Control;
using platform::ControlKind;

namespace {

// The start screen's table frame with one button in it, on a window of 11880 x 8310 twips.
platform::FormDesign Cornice() {
    platform::FormDesign f;
    f.name = u"frmCornice"_s;
    f.scaleWidth = 11880;
    f.scaleHeight = 8310;
    f.controls.push_back(
        platform::Row(u"frame1"_s, -1, ControlKind::Frame, {}, 585, 4485, 5655, 2805));
    f.controls.push_back(platform::Row(u"Option1"_s, 0, ControlKind::OptionButton, {u"frame1"_s},
                                       135, 225, 1770, 585));
    f.controls.push_back(platform::Row(u"timerTendine"_s, -1, ControlKind::Timer, {}, 0, 0, 0, 0));
    return f;
}

struct Schermo {
    StatoCondiviso stato;
    platform::ClockRandom caso;
    Finestre finestre;
    FrmOperativo frm{stato, caso, finestre};
};

// Resizes the (hidden) exercise screen's client area and runs its resize step.
void Ridimensiona(FrmOperativo& frm, double larghezza, double altezza) {
    frm.ResizeClient(larghezza, altezza);
    ApplicaProporzioni(frm, frm.Proporzioni);
    frm.DisponiAlbero();
}

QRectF Rettangolo(const Control& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

QRectF Scalato(const platform::ControlDesign& d, double fx, double fy) {
    return {d.left * fx, d.top * fy, d.width * fx, d.height * fy};
}

bool Vicini(const QRectF& a, const QRectF& b) {
    constexpr double kTolleranza = 0.01; // twips: single-precision ratios
    return std::abs(a.x() - b.x()) < kTolleranza && std::abs(a.y() - b.y()) < kTolleranza &&
           std::abs(a.width() - b.width()) < kTolleranza &&
           std::abs(a.height() - b.height()) < kTolleranza;
}

QLineF Linea(FrmOperativo& frm, int k) {
    const Control& l = frm.Line2(k);
    return {l.X1(), l.Y1(), l.X2(), l.Y2()};
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExample_data();
    void workedExample();
    void everyControlScales_data();
    void everyControlScales();
    void tinyThenLargeAgain();
    void linesAtTheDesignSize();
    void linesKeepTheirOffsets_data();
    void linesKeepTheirOffsets();
    void panelsShareOneCorner_data();
    void panelsShareOneCorner();
    void maximisedWindow();
};

void TestLayout::workedExample_data() {
    QTest::addColumn<QSizeF>("client");
    QTest::addColumn<QRectF>("atteso");
    QTest::newRow("design size") << QSizeF(11880, 8310) << QRectF(585, 4485, 5655, 2805);
    QTest::newRow("doubled") << QSizeF(23760, 16620) << QRectF(1170, 8970, 11310, 5610);
    QTest::newRow("another shape") << QSizeF(15360, 10740) << QRectF(756.4, 5796.5, 7311.5, 3625.2);
}

void TestLayout::workedExample() {
    QFETCH(QSizeF, client);
    QFETCH(QRectF, atteso);
    platform::Form f(Cornice());
    const Proporzioni p = CatturaProporzioni(f);
    QCOMPARE(p.size(), std::size_t{3});
    QVERIFY(std::abs(p[0].Larghezza - 0.47601f) < 5e-6f);
    QVERIFY(std::abs(p[0].Altezza - 0.33755f) < 5e-6f);
    QVERIFY(std::abs(p[0].Alto - 0.53971f) < 5e-6f);
    QVERIFY(std::abs(p[0].Sinistra - 0.049242f) < 5e-7f);
    QCOMPARE(p[2].Larghezza, 0.0f); // the timer has no geometry

    f.ResizeClient(client.width(), client.height());
    ApplicaProporzioni(f, p);
    const QRectF r = Rettangolo(f.Ctl(u"frame1"));
    QVERIFY2(std::abs(r.x() - atteso.x()) < 0.1 && std::abs(r.y() - atteso.y()) < 0.1 &&
                 std::abs(r.width() - atteso.width()) < 0.1 &&
                 std::abs(r.height() - atteso.height()) < 0.1,
             qPrintable(u"%1 %2 %3 %4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
}

void TestLayout::everyControlScales_data() {
    QTest::addColumn<double>("fattore");
    QTest::newRow("identity at the design size") << 1.0;
    QTest::newRow("doubled, inside frames too") << 2.0;
    QTest::newRow("halved") << 0.5;
}

// Every control but timers, menus and lines lands at its design geometry times the factor;
// fonts keep their design size.
void TestLayout::everyControlScales() {
    QFETCH(double, fattore);
    Schermo s;
    Ridimensiona(s.frm, 11910 * fattore, 8595 * fattore);
    // The client area lies on the pixel grid: scale by what it really is.
    const double fx = s.frm.ScaleWidth() / 11910, fy = s.frm.ScaleHeight() / 8595;
    const auto& design = s.frm.Design().controls;
    for (int i = 0; i < s.frm.Count(); ++i) {
        const Control& c = s.frm.At(i);
        const auto& d = design[static_cast<std::size_t>(i)];
        QCOMPARE(c.Font().points, d.font.name.isEmpty() ? 12.0 : d.font.points);
        if (!c.HasGeometry()) {
            continue;
        }
        QRectF atteso = Scalato(d, fx, fy);
        if (c.Name().startsWith(u"fra")) { // the panels stand at the reference corner
            atteso.moveTopLeft(QPointF(6090 * fx, 5775 * fy));
        }
        QVERIFY2(Vicini(Rettangolo(c), atteso), qPrintable(c.Name()));
    }
}

// A window made tiny, down to 0 x 0, returns exactly to its proportions.
void TestLayout::tinyThenLargeAgain() {
    Schermo s;
    Ridimensiona(s.frm, 0, 0);
    for (int i = 0; i < s.frm.Count(); ++i) {
        const Control& c = s.frm.At(i);
        if (c.HasGeometry()) {
            QCOMPARE(Rettangolo(c), QRectF(0, 0, 0, 0));
        }
    }
    QCOMPARE(Linea(s.frm, 0), QLineF(-150, 150, 150, -100));
    QCOMPARE(Linea(s.frm, 9), QLineF(150, 150, -150, -150));

    Ridimensiona(s.frm, 11910, 8595);
    const auto& design = s.frm.Design().controls;
    for (int i = 0; i < s.frm.Count(); ++i) {
        const Control& c = s.frm.At(i);
        if (c.HasGeometry() && !c.Name().startsWith(u"fra")) {
            QVERIFY2(Vicini(Rettangolo(c), Scalato(design[static_cast<std::size_t>(i)], 1, 1)),
                     qPrintable(c.Name()));
        }
    }
    QCOMPARE(Linea(s.frm, 0), QLineF(4602, 174, 510, 1175));
}

void TestLayout::linesAtTheDesignSize() {
    Schermo s;
    Ridimensiona(s.frm, 11910, 8595);
    const QLineF attese[10] = {
        {4602, 174, 510, 1175},  {4602, 374, 1530, 1125}, {4602, 574, 2595, 1125},
        {4602, 876, 3645, 1125}, {5268, 876, 4770, 1125}, {5268, 876, 5790, 1125},
        {5934, 876, 6495, 1125}, {5934, 574, 7590, 1125}, {5934, 374, 8640, 1125},
        {5934, 174, 9600, 1125},
    };
    for (int k = 0; k < 10; ++k) {
        const QLineF l = Linea(s.frm, k);
        QVERIFY2(std::abs(l.x1() - attese[k].x1()) < 0.01 &&
                     std::abs(l.y1() - attese[k].y1()) < 0.01 &&
                     std::abs(l.x2() - attese[k].x2()) < 0.01 &&
                     std::abs(l.y2() - attese[k].y2()) < 0.01,
                 qPrintable(QString::number(k)));
    }
}

void TestLayout::linesKeepTheirOffsets_data() {
    QTest::addColumn<double>("fattore");
    QTest::newRow("doubled") << 2.0;
    QTest::newRow("full HD") << 1920 * 15 / 11910.0;
}

// The offsets 150, 350, 550 and 100 are twips, not scaled with the window.
void TestLayout::linesKeepTheirOffsets() {
    QFETCH(double, fattore);
    Schermo s;
    Ridimensiona(s.frm, 11910 * fattore, 8595 * fattore);
    const Control& m = s.frm.Label1();
    QVERIFY(std::abs(m.Left() - 4752 * fattore) < 0.01);
    const QLineF zero = Linea(s.frm, 0);
    QVERIFY(std::abs(zero.x1() - (m.Left() - 150)) < 0.01);
    QVERIFY(std::abs(zero.y1() - (m.Top() + 150)) < 0.01);
    QVERIFY(std::abs(zero.y2() - (s.frm.lblSegno(0).Top() - 100)) < 0.01);
    const QLineF cinque = Linea(s.frm, 5);
    QVERIFY(std::abs(cinque.x1() - (m.Left() + m.Width() / 2)) < 0.01);
    QVERIFY(std::abs(cinque.y1() - (m.Top() + m.Height())) < 0.01);
    const QLineF otto = Linea(s.frm, 8);
    QVERIFY(std::abs(otto.x1() - (m.Left() + m.Width() + 150)) < 0.01);
    QVERIFY(std::abs(otto.y1() - (m.Top() + 350)) < 0.01);
    QVERIFY(std::abs(otto.x2() - (s.frm.lblSegno(8).Left() - 150)) < 0.01);
    if (fattore == 2.0) {
        QCOMPARE(zero.p1(), QPointF(9354, 198));
    }
}

void TestLayout::panelsShareOneCorner_data() {
    QTest::addColumn<QSizeF>("client");
    QTest::newRow("design size") << QSizeF(11910, 8595);
    QTest::newRow("wide") << QSizeF(28800, 14000);
    QTest::newRow("narrow and tall") << QSizeF(6000, 16000);
}

void TestLayout::panelsShareOneCorner() {
    QFETCH(QSizeF, client);
    Schermo s;
    Ridimensiona(s.frm, client.width(), client.height());
    const Control& r = s.frm.Ctl(u"lblRiferimento");
    for (const char* nome : {"fraTastierino", "fraAiuto", "fraAvviso", "fraIntervento"}) {
        const Control& c = s.frm.Ctl(QString::fromLatin1(nome));
        QCOMPARE(c.Left(), r.Left());
        QCOMPARE(c.Top(), r.Top());
        QVERIFY(c.Widget()->geometry() == s.frm.fraTastierino().Widget()->geometry());
    }
    if (client == QSizeF(11910, 8595)) {
        QVERIFY(std::abs(r.Left() - 6090) < 0.01 && std::abs(r.Top() - 5775) < 0.01);
    }
}

// The real window: maximised, laid out by its own resize handling.
void TestLayout::maximisedWindow() {
    Schermo s;
    s.frm.Show();
    QVERIFY(QTest::qWaitForWindowExposed(s.frm.Window()));
    QTRY_VERIFY(s.frm.ScaleWidth() > 11910);
    const double fx = s.frm.ScaleWidth() / 11910;
    QVERIFY(std::abs(s.frm.Label1().Left() - 4752 * fx) < 0.1);
    QCOMPARE(s.frm.fraAiuto().Left(), s.frm.Ctl(u"lblRiferimento").Left());
    QVERIFY(std::abs(Linea(s.frm, 0).x1() - (s.frm.Label1().Left() - 150)) < 0.01);

    // Closed and opened again: the resize step moves the new window's lines and panels.
    s.frm.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    s.frm.Show();
    QVERIFY(QTest::qWaitForWindowExposed(s.frm.Window()));
    QTRY_VERIFY(s.frm.ScaleWidth() > 11910);
    QCOMPARE(s.frm.fraAiuto().Left(), s.frm.Ctl(u"lblRiferimento").Left());
    QVERIFY(s.frm.fraAiuto().Left() > 6090);
    QVERIFY(std::abs(Linea(s.frm, 0).x1() - (s.frm.Label1().Left() - 150)) < 0.01);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
