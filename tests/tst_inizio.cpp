// The start screen, the information windows and the program's life.

#include "platform/fileprobe.h"
#include "shared/icona.h"
#include "start/programma.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void Cancella() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString Fuoco(platform::Form& f) {
    QWidget* w = f.Window() != nullptr ? f.Window()->focusWidget() : nullptr;
    return w != nullptr ? w->objectName() : QString();
}

// Runs `passo` once the next modal window is up, then lets the modal wait go on.
void QuandoModale(std::function<void()> passo) {
    QTimer::singleShot(50, std::move(passo));
}

// The current directory for the length of a test.
class Cartella {
public:
    explicit Cartella(const QString& dove) : prima_(QDir::currentPath()) { QDir::setCurrent(dove); }
    ~Cartella() { QDir::setCurrent(prima_); }

private:
    QString prima_;
};

} // namespace

class TestInizio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsOnTheStartScreen();
    void curtain_data();
    void curtain();
    void resizeRestartsTheCurtain();
    void tableCaptions_data();
    void tableCaptions();
    void focusAfterChoiceRipristinaAndActivation();
    void activationOnlyFromTheProgramsOwnWindows();
    void vaiRestoresAMinimisedExerciseScreen();
    void vaiBeforeAnyChoiceAndTwice();
    void reopeningContinuesTheMinuends();
    void closing_data();
    void closing();
    void settingsProbe_data();
    void settingsProbe();
    void instructionsText();
    void authorWindowFromEitherMenu();
    void windowIconIsTheMenuIcon_data();
    void windowIconIsTheMenuIcon();
};

void TestInizio::initTestCase() {
    platform::Form::SetProgramIcon(IconaProgramma());
    QApplication::setQuitOnLastWindowClosed(false); // the tests close every window often
}

void TestInizio::startsOnTheStartScreen() {
    Programma p;
    p.Avvia();
    FrmInizio& f = p.frmInizio;
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QVERIFY(f.Window()->isMaximized());
    QCOMPARE(f.Window()->windowTitle(), u"Tabella"_s);
    QCOMPARE(f.Label7().Caption(), u"Vers.1.0\rMouse "_s);
    QVERIFY(f.Label7().Visible());
    QCOMPARE(f.Label1().Caption(), u"Tabella "_s);
    QCOMPARE(Fuoco(f), u"Option1(0)"_s); // the first table button
    QVERIFY(!p.frmOperativo.IsLoaded());
    QVERIFY(!f.Picture1().Visible() && !f.Picture2().Visible());
    for (int k = 0; k <= 10; ++k) {
        QCOMPARE(f.Option1(k).Caption(), QString::number(10 + k));
    }
    QTRY_VERIFY(!f.timerTendine().Enabled()); // the curtain runs after the first showing
    QVERIFY(f.frame1().Enabled());
}

void TestInizio::curtain_data() {
    QTest::addColumn<int>("larghezza"); // the window's outer width, twips
    QTest::addColumn<int>("tick");      // ticks until the curtain stops
    QTest::addColumn<double>("finale"); // Picture1's width then
    QTest::newRow("12000 twips: 80 ticks down to 0") << 12000 << 80 << 0.0;
    QTest::newRow("ends at 10 twips or less") << 12015 << 80 << 7.5;
    QTest::newRow("a narrowing below zero is refused and ends it") << 12030 << 81 << 15.0;
}

void TestInizio::curtain() {
    QFETCH(int, larghezza);
    QFETCH(int, tick);
    QFETCH(double, finale);
    Programma p;
    FrmInizio& f = p.frmInizio;
    f.ResizeClient(larghezza, 8310);
    QCOMPARE(f.Width(), double(larghezza));
    f.Form_Resize();
    QCOMPARE(f.Picture1().Width(), larghezza / 2.0);
    QCOMPARE(f.Picture2().Width(), larghezza / 2.0);
    QVERIFY(f.timerTendine().Enabled());
    f.frame1().SetEnabled(false);
    for (int i = 1; i < tick; ++i) {
        f.timerTendine_Timer();
        QVERIFY(f.timerTendine().Enabled());
        QVERIFY(!f.frame1().Enabled());
    }
    f.timerTendine_Timer();
    QCOMPARE(f.Picture1().Width(), finale);
    QCOMPARE(f.Picture2().Width(), finale);
    QVERIFY(!f.timerTendine().Enabled());
    QVERIFY(f.frame1().Enabled());
    QVERIFY(!f.Picture1().Visible()); // nothing of it shows on the screen
}

void TestInizio::resizeRestartsTheCurtain() {
    Programma p;
    FrmInizio& f = p.frmInizio;
    f.ResizeClient(12000, 8310);
    f.Form_Resize();
    for (int i = 0; i < 80; ++i) {
        f.timerTendine_Timer();
    }
    QVERIFY(!f.timerTendine().Enabled());
    f.ResizeClient(9000, 6000);
    f.Form_Resize();
    QCOMPARE(f.Picture1().Width(), 4500.0);
    QCOMPARE(f.Picture2().Width(), 4500.0);
    QVERIFY(f.timerTendine().Enabled());
    // Docked panels span the client's height at its edges.
    QCOMPARE(f.Picture1().Left(), 0.0);
    QCOMPARE(f.Picture2().Left() + f.Picture2().Width(), 9000.0);
    QCOMPARE(f.Picture1().Height(), f.ScaleHeight());
}

void TestInizio::tableCaptions_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("didascalia");
    QTest::newRow("0") << 0 << u"Tabella dello 0"_s;
    QTest::newRow("1 has a blank after the apostrophe") << 1 << u"Tabella dell' 1"_s;
    QTest::newRow("2") << 2 << u"Tabella del 2"_s;
    QTest::newRow("8 has none") << 8 << u"Tabella dell'8"_s;
    QTest::newRow("10") << 10 << u"Tabella del 10"_s;
}

void TestInizio::tableCaptions() {
    QFETCH(int, indice);
    QFETCH(QString, didascalia);
    Programma p;
    p.frmInizio.ScegliTabella(indice);
    QCOMPARE(p.frmInizio.Label1().Caption(), didascalia);
    QCOMPARE(int{p.stato.Tabella}, indice);
    QCOMPARE(int{p.stato.TabellaScelta}, indice);
    p.frmInizio.ScegliTabella(11); // no such table: nothing changes
    p.frmInizio.ScegliTabella(-1);
    QCOMPARE(p.frmInizio.Label1().Caption(), didascalia);
    QCOMPARE(int{p.stato.Tabella}, indice);
}

void TestInizio::focusAfterChoiceRipristinaAndActivation() {
    Programma p;
    p.Avvia();
    FrmInizio& f = p.frmInizio;
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    f.Option1(3).SetFocus();
    f.Option1(0).SetValue(true);
    f.ScegliTabella(3);
    QCOMPARE(Fuoco(f), u"Option2(0)"_s);
    QVERIFY(!f.Option1(0).Value());
    f.EseguiComando(1); // "Ripristina"
    QCOMPARE(Fuoco(f), u"Option1(0)"_s);
    QCOMPARE(f.Label1().Caption(), u"Tabella del 3"_s);
    QCOMPARE(int{p.stato.Tabella}, 3);

    f.Option2(2).SetFocus();
    f.EseguiComando(0); // "Vai": the exercise screen comes to the front
    QVERIFY(QTest::qWaitForWindowActive(p.frmOperativo.Window()));
    p.frmOperativo.PremiTasto(tastierino::Esco); // "Esco": back to the start screen, focus on "10"
    f.Option2(1).SetFocus();
    f.Window()->activateWindow(); // what the desktop does when the other window closes
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QTRY_COMPARE(Fuoco(f), u"Option1(0)"_s);
}

// Coming back from another program keeps the focus where the child put it; coming back from
// a window of the program puts it on "10".
void TestInizio::activationOnlyFromTheProgramsOwnWindows() {
    Programma p;
    p.Avvia();
    FrmInizio& f = p.frmInizio;
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QTRY_COMPARE(Fuoco(f), u"Option1(0)"_s);
    QVERIFY(f.Option2(0).SetFocus());       // reached "Vai" by scanning
    QApplication::setActiveWindow(nullptr); // another program takes the keyboard
    QTRY_VERIFY(!f.Window()->isActiveWindow());
    f.Window()->activateWindow(); // and the user comes back
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QCOMPARE(Fuoco(f), u"Option2(0)"_s);

    f.EseguiComando(0); // the exercise screen, then back from it
    QVERIFY(QTest::qWaitForWindowActive(p.frmOperativo.Window()));
    f.Window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QTRY_COMPARE(Fuoco(f), u"Option1(0)"_s);
}

// "Vai" with the exercise screen minimised shows it again, maximised and active.
void TestInizio::vaiRestoresAMinimisedExerciseScreen() {
    Programma p;
    p.Avvia();
    QVERIFY(QTest::qWaitForWindowActive(p.frmInizio.Window()));
    p.frmInizio.EseguiComando(0);
    QMainWindow* esercizi = p.frmOperativo.Window();
    QVERIFY(QTest::qWaitForWindowActive(esercizi));
    esercizi->showMinimized();
    QTRY_VERIFY(esercizi->isMinimized());
    p.frmInizio.Window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.frmInizio.Window()));
    p.frmInizio.EseguiComando(0);
    QVERIFY(!esercizi->isMinimized());
    QVERIFY(esercizi->isMaximized());
    QVERIFY(QTest::qWaitForWindowActive(esercizi));
}

void TestInizio::vaiBeforeAnyChoiceAndTwice() {
    Programma p;
    p.Avvia();
    QVERIFY(QTest::qWaitForWindowActive(p.frmInizio.Window()));
    p.frmInizio.EseguiComando(0);
    QVERIFY(p.frmOperativo.IsShown());
    QCOMPARE(int{p.stato.Tabella}, 10);
    QCOMPARE(p.frmOperativo.Label1().Caption(), u"10"_s);
    QCOMPARE(p.frmInizio.Label1().Caption(), u"Tabella "_s);
    QVERIFY(p.frmInizio.IsShown()); // the start screen stays open behind it

    p.frmOperativo.lblRisultato(0).SetCaption(u"7"_s);
    p.frmInizio.EseguiComando(0); // already open: only brought to the front
    QCOMPARE(int{p.stato.Tabella}, 10);
    QCOMPARE(p.frmOperativo.lblRisultato(0).Caption(), u"7"_s);
    QVERIFY(p.frmOperativo.IsShown());
    p.frmInizio.EseguiComando(7); // no such command
    QVERIFY(p.frmInizio.IsShown());
}

void TestInizio::reopeningContinuesTheMinuends() {
    Programma p;
    p.Avvia();
    QVERIFY(QTest::qWaitForWindowActive(p.frmInizio.Window()));
    p.frmInizio.ScegliTabella(4);
    p.frmInizio.EseguiComando(0);
    QCOMPARE(p.frmOperativo.Label1().Caption(), u"14"_s);
    p.stato.Risposta = u"12"_s;
    p.frmOperativo.PremiTasto(tastierino::Esco);
    Cancella();
    p.frmInizio.EseguiComando(0);
    QCOMPARE(p.frmOperativo.Label1().Caption(), u"24"_s);
    QCOMPARE(int{p.stato.NumeroEsercizio}, 0);
    QVERIFY(p.stato.Risposta.isEmpty());
    p.frmInizio.ScegliTabella(4); // a new choice starts the sequence again
    p.frmOperativo.PremiTasto(tastierino::Esco);
    p.frmInizio.EseguiComando(0);
    QCOMPARE(p.frmOperativo.Label1().Caption(), u"14"_s);
}

void TestInizio::closing_data() {
    QTest::addColumn<bool>("daEsci");
    QTest::newRow("Esci") << true;
    QTest::newRow("the close box behaves like Esci") << false;
}

void TestInizio::closing() {
    QFETCH(bool, daEsci);
    Programma p;
    p.Avvia();
    QVERIFY(QTest::qWaitForWindowActive(p.frmInizio.Window()));
    p.frmInizio.EseguiComando(0);
    QVERIFY(p.frmOperativo.IsShown());
    if (daEsci) {
        p.frmInizio.EseguiComando(2);
    } else {
        p.frmInizio.Window()->close();
    }
    QVERIFY(!p.frmInizio.IsLoaded());
    QVERIFY(!p.frmOperativo.IsLoaded());
    QVERIFY(!p.frmAutore.IsLoaded());
    for (QWidget* w : QApplication::topLevelWidgets()) { // the program ends with its last window
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }
    Cancella();
}

void TestInizio::settingsProbe_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<bool>("apribile");
    QTest::newRow("no file") << u"nessuno"_s << false;
    QTest::newRow("an ordinary file") << u"file"_s << true;
    QTest::newRow("a FIFO with no writer") << u"fifo"_s << true;
    QTest::newRow("a directory") << u"cartella"_s << true;
    QTest::newRow("an unreadable file") << u"illeggibile"_s << (geteuid() == 0);
}

// The probe never blocks, never fails loudly, and changes nothing on the start screen.
void TestInizio::settingsProbe() {
    QFETCH(QString, tipo);
    QFETCH(bool, apribile);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString nome = dir.filePath(FrmInizio::kFileImpostazioni);
    const QByteArray percorso = QFile::encodeName(nome);
    if (tipo == u"file" || tipo == u"illeggibile") {
        QFile file(nome);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.close();
        if (tipo == u"illeggibile") {
            QVERIFY(::chmod(percorso.constData(), 0) == 0);
        }
    } else if (tipo == u"fifo") {
        QVERIFY(::mkfifo(percorso.constData(), 0600) == 0);
    } else if (tipo == u"cartella") {
        QVERIFY(QDir(dir.path()).mkdir(FrmInizio::kFileImpostazioni));
    }
    QElapsedTimer tempo;
    tempo.start();
    QCOMPARE(platform::ProbeFile(nome), apribile);

    Cartella qui(dir.path());
    Programma p;
    p.frmInizio.Load(); // the load step probes the file in the current directory
    QVERIFY(tempo.elapsed() < 5000);
    QCOMPARE(p.frmInizio.Label7().Caption(), u"Vers.1.0\rMouse "_s);
    QVERIFY(p.frmInizio.Label7().Visible());
}

void TestInizio::instructionsText() {
    Programma p;
    const QString testo = FrmIstruzioni::TestoIstruzioni();
    QVERIFY(!testo.contains(u'\n'));
    const QStringList righe = testo.split(u'\r');
    QCOMPARE(righe.size(), 17);
    QCOMPARE(righe.first(), u" I dati possono essere immessi con: "_s);
    QCOMPARE(righe.at(4), QString());
    QCOMPARE(righe.at(5), QString());
    QCOMPARE(righe.at(6), u" PER UTILIZZARE LA TASTIERA ED IL TASTIERINO"_s);
    QCOMPARE(righe.at(9), u" La funzione del tasto INVIO \u00e8 sostituita dal pulsante "_s);
    QCOMPARE(righe.at(11), QString());
    QCOMPARE(righe.at(12), u" PER UTILIZZARE  IL MOUSE "_s);
    QCOMPARE(righe.at(14), QString());
    QCOMPARE(righe.last(),
             u" Premere la BARRA-SPAZIO per scegliere, premere INVIO per confermare."_s);
    QCOMPARE(std::count(righe.begin(), righe.end(), QString()), 4);

    // The exercise screen's (switched-off) menu entry opens it modally, every time alike.
    for (int volta = 0; volta < 2; ++volta) {
        QString visto;
        bool modale = false, maxi = true, chiusa = false;
        double larghezza = 0;
        QuandoModale([&] {
            FrmIstruzioni& w = p.frmIstruzioni;
            visto = w.Ctl(u"Label1").Caption();
            modale = w.Window()->isModal();
            maxi = w.Window()->isMaximized();
            larghezza = w.ScaleWidth();
            w.Ctl(u"Command1").Widget()->setFocus();
            QTest::keyClick(w.Ctl(u"Command1").Widget(), Qt::Key_Space);
            chiusa = !w.IsLoaded();
            if (w.IsLoaded()) {
                w.Unload(); // do not leave the test waiting
            }
        });
        p.frmOperativo.mnuIstruzioni_Click();
        QVERIFY(chiusa); // Space presses "C h i u d i" as on any desktop button
        QVERIFY(modale);
        QVERIFY(!maxi);
        QCOMPARE(larghezza, 9000.0);
        QVERIFY(!p.frmIstruzioni.IsLoaded());
        QCOMPARE(visto, testo);
        Cancella();
    }
}

void TestInizio::authorWindowFromEitherMenu() {
    Programma p;
    p.Avvia();
    QVERIFY(QTest::qWaitForWindowActive(p.frmInizio.Window()));
    QStringList visti;
    auto chiudi = [&] {
        QuandoModale([&] {
            FrmAutore& a = p.frmAutore;
            visti << a.Ctl(u"Label1").Caption() + u'|' + a.Ctl(u"Label2").Caption() + u'|' +
                         a.Ctl(u"Label3").Caption() + u'|' + a.Ctl(u"Label4").Caption();
            QVERIFY(a.Window()->isModal());
            // At its design size, which the user cannot change, in the screen's centre.
            QCOMPARE(a.Window()->minimumSize(), a.Window()->maximumSize());
            QCOMPARE(a.ScaleWidth(), 6975.0);
            const QPoint centro = a.Window()->screen()->availableGeometry().center();
            QVERIFY2((a.Window()->frameGeometry().center() - centro).manhattanLength() <= 1,
                     qPrintable(QStringLiteral("%1,%2")
                                    .arg(a.Window()->frameGeometry().center().x())
                                    .arg(a.Window()->frameGeometry().center().y())));
            QTest::mouseClick(a.Ctl(u"Command1").Widget(), Qt::LeftButton);
        });
    };
    chiudi();
    p.frmInizio.mnuInfo_Click();
    QVERIFY(!p.frmAutore.IsLoaded());
    Cancella();

    p.frmInizio.EseguiComando(0);
    QVERIFY(QTest::qWaitForWindowActive(p.frmOperativo.Window()));
    chiudi();
    p.frmOperativo.mnuInfo_Click();
    QCOMPARE(Fuoco(p.frmOperativo), u"Option1(1)"_s); // back on the keypad's "1"
    QCOMPARE(visti.size(), 2);
    QCOMPARE(visti.at(0), visti.at(1));
    QVERIFY(visti.at(0).startsWith(u"Sito dell'autore:|"_s));
    QVERIFY(visti.at(0).contains(u"example.org"_s));
    QVERIFY(visti.at(0).contains(u"|Email:|"_s));
}

// The windows' icon, painted by the program, is the picture the desktop menu shows from the
// SVG file, at every size a window manager is offered.
void TestInizio::windowIconIsTheMenuIcon_data() {
    QTest::addColumn<int>("lato");
    for (int lato : {16, 24, 32, 48, 64}) {
        QTest::addRow("%dx%d", lato, lato) << lato;
    }
}

void TestInizio::windowIconIsTheMenuIcon() {
    QFETCH(int, lato);
    const QIcon icona = IconaProgramma();
    QVERIFY(icona.availableSizes().contains(QSize(lato, lato)));
    const QImage dipinta =
        icona.pixmap(lato, lato).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QSvgRenderer svg(QStringLiteral(TABELLA_ICONA_SVG));
    QVERIFY(svg.isValid());
    QImage attesa(lato, lato, QImage::Format_ARGB32_Premultiplied);
    attesa.fill(Qt::transparent);
    QPainter p(&attesa);
    svg.render(&p);
    p.end();
    QCOMPARE(dipinta.size(), attesa.size());
    // Antialiasing may differ by a shade along the edges; a missing or moved shape does not.
    long diversi = 0;
    for (int y = 0; y < lato; ++y) {
        for (int x = 0; x < lato; ++x) {
            const QRgb a = dipinta.pixel(x, y), b = attesa.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            if (d > 48) {
                ++diversi;
            }
        }
    }
    QVERIFY2(diversi * 100 <= lato * lato,
             qPrintable(QStringLiteral("%1 punti diversi").arg(diversi)));
}

QTEST_MAIN(TestInizio)
#include "tst_inizio.moc"
