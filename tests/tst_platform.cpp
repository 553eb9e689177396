// The toolkit layer: twips, the control kinds and their states, notifications, focus, the
// ordered collection, timers and the life of a window.

#include "platform/form.h"
#include "platform/widgets.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace platform;

namespace {

// A small window: a frame holding two option buttons and a label, a line, a timer, a menu.
FormDesign Prova() {
    FormDesign f;
    f.name = u"frmProva"_s;
    f.caption = u"Prova"_s;
    f.scaleWidth = 6000;
    f.scaleHeight = 4500;
    f.font = {u"Arial"_s, 10, false};
    f.controls.push_back(Row(u"cornice"_s, -1, ControlKind::Frame, {}, 150, 300, 4500, 3000));
    auto a = Row(u"tasto"_s, 0, ControlKind::OptionButton, {u"cornice"_s}, 150, 150, 1500, 600);
    a.tabIndex = 2;
    a.caption = u"A"_s;
    f.controls.push_back(a);
    auto b = Row(u"tasto"_s, 1, ControlKind::OptionButton, {u"cornice"_s}, 1800, 150, 1500, 600);
    b.tabIndex = 1;
    b.caption = u"B"_s;
    f.controls.push_back(b);
    auto l = Row(u"etichetta"_s, -1, ControlKind::Label, {u"cornice"_s}, 150, 900, 3000, 600);
    l.caption = u"uno"_s;
    f.controls.push_back(l);
    f.controls.push_back(Row(u"linea"_s, -1, ControlKind::Line, {}, 150, 150, 3000, 1500));
    auto t = Row(u"orologio"_s, -1, ControlKind::Timer, {}, 0, 0, 0, 0);
    t.interval = 10;
    f.controls.push_back(t);
    auto m = Row(u"mnuVoce"_s, -1, ControlKind::Menu, {}, 0, 0, 0, 0);
    m.caption = u"Voce"_s;
    f.controls.push_back(m);
    return f;
}

class FinestraProva final : public Form {
public:
    FinestraProva() : Form(Prova()) {}
    int loads = 0;
    int unloads = 0;
    int resizes = 0;
    int kept = 0; // a window variable: unloading keeps it

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    void Form_Resize() override { ++resizes; }
};

void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void geometryInTwips_data();
    void geometryInTwips();
    void lineAcceptsNegativeEndPoints();
    void captionChangeRunsInsideTheStep();
    void ownEnabledStateAndFocus();
    void collectionInDesignOrder();
    void focusOrderFollowsTheDesign();
    void timerRunsOnlyWithSomethingToDo();
    void optionButtonsOfAContainerExcludeEachOther();
    void anyMouseButtonActsOnThePress();
    void unloadKeepsVariablesAndDropsChanges();
    void modalShowWaitsForUnload();
    void closeBoxUnloads();
    void fontsShrinkOnlyBelowTheDesignSize();
    void colours();
    void designFacesAsInstalled_data();
    void designFacesAsInstalled();
    void menusInTheWindowWithTheirOverflowArrow();
    void buttonEdges_data();
    void buttonEdges();
};

void TestPlatform::geometryInTwips_data() {
    QTest::addColumn<QRectF>("twips");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("whole pixels") << QRectF(150, 300, 1500, 750) << QRect(10, 20, 100, 50);
    QTest::newRow("rounded to the pixel grid")
        << QRectF(756.4, 5796.5, 7311.5, 3625.2) << QRect(50, 386, 487, 242);
    QTest::newRow("zero size") << QRectF(0, 0, 0, 0) << QRect(0, 0, 0, 0);
}

// A control reads back exactly the twips it was given; its widget sits on the pixel grid.
void TestPlatform::geometryInTwips() {
    QFETCH(QRectF, twips);
    QFETCH(QRect, pixels);
    FinestraProva f;
    Control& c = f.Ctl(u"etichetta");
    c.Move(twips.x(), twips.y(), twips.width(), twips.height());
    QCOMPARE(c.Left(), twips.x());
    QCOMPARE(c.Top(), twips.y());
    QCOMPARE(c.Width(), twips.width());
    QCOMPARE(c.Height(), twips.height());
    QCOMPARE(c.Widget()->geometry(), pixels);
    QCOMPARE(f.ScaleWidth(), 6000.0);
    QCOMPARE(f.ScaleHeight(), 4500.0);
}

void TestPlatform::lineAcceptsNegativeEndPoints() {
    FinestraProva f;
    Control& line = f.Ctl(u"linea");
    line.SetX1(-150);
    line.SetY1(150);
    line.SetX2(150);
    line.SetY2(-100);
    QCOMPARE(line.X1(), -150.0);
    QCOMPARE(line.Y2(), -100.0);
    // The widget covers the line from (-10, -7) to (10, 10) pixels, with room for the pen.
    QVERIFY(line.Widget()->geometry().contains(QPoint(-10, -7)));
    QVERIFY(line.Widget()->geometry().contains(QPoint(10, 10)));
}

void TestPlatform::captionChangeRunsInsideTheStep() {
    FinestraProva f;
    Control& label = f.Ctl(u"etichetta");
    QStringList seen;
    label.OnChange([&] { seen << label.Caption(); });
    label.SetCaption(u"due"_s);
    QCOMPARE(seen, QStringList{u"due"_s}); // already delivered when SetCaption returns
    label.SetCaption(u"due"_s);            // the same text is no change
    label.SetCaption(QString());
    QCOMPARE(seen, (QStringList{u"due"_s, QString()}));
}

// A control keeps its own enabled state; the focus cannot reach it through a switched-off
// container, nor before the window is shown.
void TestPlatform::ownEnabledStateAndFocus() {
    FinestraProva f;
    Control& button = f.Ctl(u"tasto", 0);
    QVERIFY(!button.SetFocus()); // window not shown
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QVERIFY(button.SetFocus());
    QVERIFY(button.HasFocus());

    f.Ctl(u"cornice").SetEnabled(false);
    QVERIFY(button.Enabled());
    QVERIFY(!button.Widget()->isEnabled());
    QVERIFY(!f.Ctl(u"tasto", 1).SetFocus());

    f.Ctl(u"cornice").SetEnabled(true);
    button.SetVisible(false);
    QVERIFY(!button.SetFocus());
    QVERIFY(f.Ctl(u"tasto", 1).SetFocus());
}

void TestPlatform::collectionInDesignOrder() {
    FinestraProva f;
    const FormDesign design = Prova();
    QCOMPARE(f.Count(), static_cast<int>(design.controls.size()));
    for (int i = 0; i < f.Count(); ++i) {
        QCOMPARE(f.At(i).Name(), design.controls[static_cast<std::size_t>(i)].name);
        QCOMPARE(f.At(i).Kind(), design.controls[static_cast<std::size_t>(i)].kind);
    }
    QVERIFY(f.Ctl(u"mnuVoce").Action() != nullptr);
    QCOMPARE(f.Ctl(u"mnuVoce").Action()->text(), u"Voce"_s);
    QVERIFY(f.Find(u"tasto", 2) == nullptr);
}

void TestPlatform::focusOrderFollowsTheDesign() {
    FinestraProva f;
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    // The window opens on the lowest focus order: "B" (1) before "A" (2).
    QVERIFY(f.Ctl(u"tasto", 1).HasFocus());
    QTest::keyClick(f.Window(), Qt::Key_Tab);
    QVERIFY(f.Ctl(u"tasto", 0).HasFocus());
}

void TestPlatform::timerRunsOnlyWithSomethingToDo() {
    FinestraProva f;
    Control& timer = f.Ctl(u"orologio");
    QVERIFY(timer.Enabled());
    QVERIFY(!timer.TimerRunning()); // enabled, but nothing would happen on a tick
    int ticks = 0;
    timer.OnTimer([&] { ++ticks; });
    QVERIFY(timer.TimerRunning());
    QTRY_VERIFY(ticks >= 2);
    timer.SetEnabled(false);
    QVERIFY(!timer.TimerRunning());
}

void TestPlatform::optionButtonsOfAContainerExcludeEachOther() {
    FinestraProva f;
    f.Ctl(u"tasto", 0).SetValue(true);
    f.Ctl(u"tasto", 1).SetValue(true);
    QVERIFY(!f.Ctl(u"tasto", 0).Value());
    QVERIFY(f.Ctl(u"tasto", 1).Value());
}

void TestPlatform::anyMouseButtonActsOnThePress() {
    FinestraProva f;
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    Control& button = f.Ctl(u"tasto", 0);
    QList<int> downs;
    int ups = 0;
    button.OnMouseDown([&](const MouseArgs& a) { downs << a.button; });
    button.OnMouseUp([&](const MouseArgs&) { ++ups; });
    QTest::mousePress(button.Widget(), Qt::RightButton);
    QCOMPARE(downs, QList<int>{2});
    QCOMPARE(ups, 0);
    QVERIFY(button.Value()); // drawn pressed while held
    QTest::mouseRelease(button.Widget(), Qt::RightButton);
    QCOMPARE(ups, 1);
    QTest::mousePress(button.Widget(), Qt::MiddleButton);
    QCOMPARE(downs, (QList<int>{2, 4}));
    // The second press of a double click arrives as a double-click event: a press too.
    const QPointF at(5, 5);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, button.Widget()->mapToGlobal(at),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button.Widget(), &dbl);
    QCOMPARE(downs, (QList<int>{2, 4, 1}));
}

void TestPlatform::unloadKeepsVariablesAndDropsChanges() {
    FinestraProva f;
    QVERIFY(!f.IsLoaded());
    f.Ctl(u"etichetta").SetCaption(u"cambiata"_s); // referring to it loads the window
    QVERIFY(f.IsLoaded());
    QCOMPARE(f.loads, 1);
    f.kept = 7;
    f.Unload();
    QVERIFY(!f.IsLoaded());
    QCOMPARE(f.unloads, 1);
    ProcessDeletes();
    QCOMPARE(f.Ctl(u"etichetta").Caption(), u"uno"_s); // the design again
    QCOMPARE(f.loads, 2);
    QCOMPARE(f.kept, 7);
}

void TestPlatform::modalShowWaitsForUnload() {
    FinestraProva f;
    bool returnedEarly = true;
    QTimer::singleShot(50, [&] {
        returnedEarly = false;
        f.Unload();
    });
    f.Show(ShowMode::Modal);
    QVERIFY(!returnedEarly);
    QVERIFY(!f.IsLoaded());
}

void TestPlatform::closeBoxUnloads() {
    FinestraProva f;
    f.Show();
    QVERIFY(QTest::qWaitForWindowExposed(f.Window()));
    QVERIFY(f.resizes >= 1); // the first showing resizes
    f.Window()->close();
    QVERIFY(!f.IsLoaded());
    QCOMPARE(f.unloads, 1);
    ProcessDeletes();
}

// Fonts keep their design size; a window smaller than its design shrinks them with it.
void TestPlatform::fontsShrinkOnlyBelowTheDesignSize() {
    FinestraProva f;
    f.Show();
    QVERIFY(QTest::qWaitForWindowExposed(f.Window()));
    Control& label = f.Ctl(u"etichetta");
    f.ResizeClient(3000, 3000); // half as wide, two thirds as high
    QTRY_COMPARE(label.FontScale(), 0.5);
    QCOMPARE(label.Font().points, 10.0);
    f.ResizeClient(12000, 9000);
    QTRY_COMPARE(label.FontScale(), 1.0);
}

void TestPlatform::colours() {
    QCOMPARE(ToQColor(colour::Rgb(255, 224, 192)), QColor(255, 224, 192));
    QCOMPARE(colour::Rgb(255, 192, 128), 0x80C0FFU);
    QCOMPARE(ToQColor(colour::WindowBackground), QApplication::palette().color(QPalette::Base));
}

// The design's faces are drawn with their installed stand-ins, not with fontconfig's nearest
// guess ("MS Sans Serif" would be DejaVu Sans, wider than the Arial beside it).
void TestPlatform::designFacesAsInstalled_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("installed");
    QTest::newRow("Arial") << u"Arial"_s << u"Liberation Sans"_s;
    QTest::newRow("MS Sans Serif, as Arial") << u"MS Sans Serif"_s << u"Liberation Sans"_s;
    QTest::newRow("Courier New") << u"Courier New"_s << u"Liberation Mono"_s;
    QTest::newRow("Courier: left to the font configuration") << u"Courier"_s << u"Courier"_s;
    QTest::newRow("a face of the system's own") << u"DejaVu Sans"_s << u"DejaVu Sans"_s;
}

void TestPlatform::designFacesAsInstalled() {
    QFETCH(QString, design);
    QFETCH(QString, installed);
    if (!QFontDatabase::families().contains(u"Liberation Sans"_s)) {
        QSKIP("fonts-liberation is not installed");
    }
    QCOMPARE(InstalledFace(design), installed);
    if (installed.startsWith(u"Liberation"_s)) {
        QCOMPARE(QFontInfo(QFont(InstalledFace(design))).family(), installed);
    }
}

// The menus are the window's own, and the menu bar's overflow arrow, read only when it is
// first drawn, is the style's arrow.
void TestPlatform::menusInTheWindowWithTheirOverflowArrow() {
    FinestraProva f;
    f.Load();
    auto* window = qobject_cast<QMainWindow*>(f.Window());
    QVERIFY(window != nullptr);
    QMenuBar* menu = window->menuBar();
    QVERIFY(!menu->isNativeMenuBar());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().at(0)->text(), u"Voce"_s);
    auto* freccia = menu->findChild<QToolButton*>();
    QVERIFY(freccia != nullptr);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s));
    const QIcon attesa = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!freccia->icon().isNull());
    for (int lato : {8, 16, 32}) {
        QCOMPARE(freccia->icon().pixmap(lato, lato).toImage(), attesa.pixmap(lato, lato).toImage());
    }
    f.Unload();
}

// A button's edge: light above and on the left, black below and on the right, a grey line
// inside those; the other way round while pressed. The last column and row are the button's
// own colour.
void TestPlatform::buttonEdges_data() {
    QTest::addColumn<bool>("premuto");
    QTest::newRow("raised") << false;
    QTest::newRow("pressed") << true;
}

void TestPlatform::buttonEdges() {
    QFETCH(bool, premuto);
    FinestraProva f;
    f.Load();
    Control& tasto = f.Ctl(u"tasto", 1);
    tasto.SetValue(premuto);
    const QImage img = tasto.Widget()->grab().toImage();
    const int w = img.width();
    const int h = img.height();
    QCOMPARE(QSize(w, h), QSize(100, 40));
    const QRgb bianco = qRgb(255, 255, 255), nero = qRgb(0, 0, 0), grigio = qRgb(128, 128, 128);
    const QRgb sfondo = img.pixel(w / 2, h - 1);
    QVERIFY(sfondo != bianco && sfondo != nero && sfondo != grigio);
    const QRgb alto = premuto ? nero : bianco;
    const QRgb basso = premuto ? bianco : nero;
    const struct {
        QPoint punto;
        QRgb colore;
    } attesi[] = {
        {{0, 0}, alto},
        {{w / 2, 0}, alto},
        {{0, h / 2}, alto},
        {{0, h - 3}, alto},
        {{w - 2, 0}, basso},
        {{w - 2, h / 2}, basso},
        {{w / 2, h - 2}, basso},
        {{0, h - 2}, basso},
        {{w - 1, h / 2}, sfondo},
        {{w / 2, h - 1}, sfondo},
        {{1, h / 2}, premuto ? grigio : sfondo},
        {{w / 2, 1}, premuto ? grigio : sfondo},
        {{w - 3, h / 2}, premuto ? sfondo : grigio},
        {{w / 2, h - 3}, premuto ? sfondo : grigio},
    };
    for (const auto& a : attesi) {
        QVERIFY2(img.pixel(a.punto) == a.colore,
                 qPrintable(QStringLiteral("(%1, %2): %3 invece di %4")
                                .arg(a.punto.x())
                                .arg(a.punto.y())
                                .arg(img.pixel(a.punto), 0, 16)
                                .arg(a.colore, 0, 16)));
    }
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
