// Hostile surroundings, each run in a process of its own by CTest: a very small screen, and
// a machine with no fonts at all.

#include "exercise/regoletabella.h"
#include "platform/qtprinter.h"
#include "print/stampaesercizi.h"
#include "shared/icona.h"
#include "stampantefinta.h"
#include "start/programma.h"

#include <QMainWindow>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QRect Dentro(const platform::Form& f, const platform::Control& c) {
    return QRect(c.Widget()->mapTo(f.Client(), QPoint(0, 0)), c.Widget()->size());
}
} // namespace

class TestOstile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        platform::Form::SetProgramIcon(IconaProgramma());
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void smallScreen();
    void noFonts();
};

// A 320 x 240 screen: both screens fit it, smaller fonts and all, and a table can be done.
void TestOstile::smallScreen() {
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(320, 240));
    Programma p(nullptr, std::make_unique<StampantiFinte>(QStringList{u"Courier"_s}),
                std::make_unique<MessaggiFinti>());
    p.Avvia();
    QVERIFY(QTest::qWaitForWindowActive(p.frmInizio.Window()));
    QVERIFY(p.frmInizio.Window()->width() <= 320);
    QVERIFY(p.frmInizio.Option1(0).FontScale() < 0.6);
    p.frmInizio.ScegliTabella(2);
    p.frmInizio.EseguiComando(0);
    FrmOperativo& f = p.frmOperativo;
    QVERIFY(QTest::qWaitForWindowExposed(f.Window()));
    QTRY_VERIFY(f.ScaleWidth() <= 320 * 15);
    const QRect client = f.Client()->rect();
    for (int i = 0; i < 14; ++i) {
        QVERIFY(client.contains(Dentro(f, f.Option1(i))));
    }
    QCOMPARE(f.fraAiuto().Left(), f.fraTastierino().Left());
    while (p.stato.NumeroEsercizio < 10) {
        for (const QChar c : p.stato.Risultati[std::size_t(f.RigaCorrente)].trimmed()) {
            f.PremiTasto(c.digitValue());
        }
        f.PremiTasto(tastierino::Invio);
    }
    QVERIFY(f.Option1(tastierino::NuovaTabella).Enabled());
}

// No font at all: the program still starts and works, and printing says which font to install.
void TestOstile::noFonts() {
    Programma p(nullptr, nullptr, std::make_unique<MessaggiFinti>());
    p.Avvia();
    QVERIFY(QTest::qWaitForWindowActive(p.frmInizio.Window()));
    p.frmInizio.EseguiComando(0);
    QCOMPARE(p.frmOperativo.Label1().Caption(), u"10"_s);

    const QStringList font = platform::QtPrinter::SystemFontNames();
    QVERIFY2(!font.contains(u"Courier"_s) && !font.contains(u"Courier New"_s),
             qPrintable(font.join(u", ")));
    p.stato.Esercizi[0] = regole::PrefissoEsercizio(10, 1) + u"9  "_s;
    platform::QtPrinter stampante(stampa::kNomeLavoro,
                                  QDir::temp().filePath(u"tabella-senzafont.pdf"_s));
    MessaggiFinti messaggi;
    stampa::StampaEsercizi(p.stato, stampante, messaggi);
    QCOMPARE(messaggi.mostrati,
             QStringList{u"Devi installare il font Courier o il font Courier New"_s});
}

QTEST_MAIN(TestOstile)
#include "tst_ostile.moc"
