// The exercise screen: its design and the generation of a table.

#include "casofinto.h"
#include "esercizio.h"
#include "exercise/frmoperativo.h"
#include "exercise/regoletabella.h"
#include "platform/random.h"
#include "platform/widgets.h"
#include "shared/icona.h"

#include <QMainWindow>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;
using platform::Control;
using platform::ControlKind;

namespace {

constexpr platform::colour::Value kColoreCella = platform::colour::Rgb(255, 235, 168);

// A fresh program for every test: its shared state, a random source and the exercise screen.
struct Programma {
    explicit Programma(std::unique_ptr<platform::RandomSource> sorgente =
                           std::make_unique<platform::ClockRandom>())
        : caso(std::move(sorgente)), frm(stato, *caso, finestre) {}
    StatoCondiviso stato;
    std::unique_ptr<platform::RandomSource> caso;
    Finestre finestre;
    FrmOperativo frm;
};

void Ricarica(FrmOperativo& frm) {
    frm.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frm.Load();
}

// The subtrahends shown in the ten columns, in row order.
std::vector<int> Sottraendi(FrmOperativo& frm) {
    std::vector<int> s;
    for (int k = 0; k < 10; ++k) {
        s.push_back(frm.Label2(k).Caption().toInt());
    }
    return s;
}

// Checks that the table on screen is a whole table of the given minuend, and that its
// expected answers and exercise lines, from line `primaRiga`, agree with it.
void VerificaTabella(Programma& p, int minuendo, int primaRiga) {
    QCOMPARE(int{p.stato.Tabella}, minuendo);
    QCOMPARE(p.frm.Label1().Caption(), QString::number(minuendo));
    std::vector<int> s = Sottraendi(p.frm);
    for (int k = 0; k < 10; ++k) {
        const int sottraendo = s[static_cast<std::size_t>(k)];
        QCOMPARE(p.stato.Risultati[static_cast<std::size_t>(k)],
                 u' ' + QString::number(minuendo - sottraendo));
        QCOMPARE(p.stato.Esercizi[static_cast<std::size_t>(primaRiga + k)],
                 regole::PrefissoEsercizio(minuendo, sottraendo));
    }
    std::sort(s.begin(), s.end());
    QCOMPARE(s, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    for (std::size_t i = 10; i < p.stato.Risultati.size(); ++i) {
        QVERIFY(p.stato.Risultati[i].isEmpty());
    }
}

// The rectangle of a control in twips from the client area's corner, through its containers.
QRectF InFinestra(FrmOperativo& frm, const platform::ControlDesign& row) {
    QRectF r(row.left, row.top, row.width, row.height);
    if (row.kind == ControlKind::Line) {
        r = QRectF(QPointF(row.left, row.top), QPointF(row.width, row.height)).normalized();
    }
    platform::ControlRef box = row.container;
    while (!box.name.isEmpty()) {
        const Control& c = frm.Ctl(box.name, box.index);
        r.translate(c.Left(), c.Top());
        const auto& rows = frm.Design().controls;
        const auto it = std::find_if(rows.begin(), rows.end(), [&](const auto& d) {
            return d.name == box.name && d.index == box.index;
        });
        box = it->container;
    }
    return r;
}

const char* const kRiquadri[] = {"fraTastierino", "fraAiuto", "fraAvviso", "fraIntervento"};

QStringList RiquadriAccesi(FrmOperativo& frm) {
    QStringList accesi;
    for (const char* nome : kRiquadri) {
        if (frm.Ctl(QString::fromLatin1(nome)).Enabled()) {
            accesi << QString::fromLatin1(nome);
        }
    }
    return accesi;
}

} // namespace

class TestFrmOperativo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::Form::SetProgramIcon(IconaProgramma()); }
    void designFitsTheClientArea();
    void designStatesAtCreation();
    void firstTableOfTheChosenTable_data();
    void firstTableOfTheChosenTable();
    void minuendSequence_data();
    void minuendSequence();
    void wholeTableWhateverTheRandomValues_data();
    void wholeTableWhateverTheRandomValues();
    void linesWrittenForEachTable_data();
    void linesWrittenForEachTable();
    void restartAfterThreeTables();
    void stateRightAfterANewTable();
    void panelBroughtForward_data();
    void panelBroughtForward();
    void keypadModes();
    void shownScreen();
};

// Every control of the design lies inside the client area at the design size.
void TestFrmOperativo::designFitsTheClientArea() {
    Programma p;
    const QRectF client(0, 0, p.frm.ScaleWidth(), p.frm.ScaleHeight());
    QCOMPARE(client.size(), QSizeF(11910, 8595));
    qreal destra = 0, basso = 0;
    for (const auto& row : p.frm.Design().controls) {
        if (row.kind == ControlKind::Timer || row.kind == ControlKind::Menu) {
            continue;
        }
        const QRectF r = InFinestra(p.frm, row);
        QVERIFY2(client.contains(r),
                 qPrintable(row.name + u'(' + QString::number(row.index) + u')'));
        destra = std::max(destra, r.right());
        basso = std::max(basso, r.bottom());
    }
    QCOMPARE(destra, 11400.0); // fraAiuto
    QCOMPARE(basso, 8400.0);   // fraIntervento
}

// What the load step does not touch stays as the design created it.
void TestFrmOperativo::designStatesAtCreation() {
    Programma p;
    FrmOperativo& f = p.frm;
    QVERIFY(f.Ctl(u"Timer1").Enabled());
    QVERIFY(!f.Ctl(u"Timer1").TimerRunning()); // its ticks would do nothing
    QVERIFY(!f.Timer2().Enabled() && !f.Timer3().Enabled());
    QVERIFY(!f.Ctl(u"MnuStampaEsercizio").Enabled());
    QVERIFY(f.Ctl(u"mnuInfo").Enabled());
    QVERIFY(!f.Ctl(u"mnuIstruzioni").Enabled());
    QCOMPARE(f.Window()->windowTitle(), u"TABELLA"_s);
    QCOMPARE(f.lblRisultato(9).Caption(), QString()); // emptied by the load
    QCOMPARE(f.Ctl(u"Label4", 4).Caption(), u"Se ricominci gli esercizi andranno persi"_s);
    QCOMPARE(f.Option3(0).Caption(), u"SI"_s);
    QCOMPARE(f.optAvviso(1).Caption(), u"Ricomincia"_s);
    QCOMPARE(f.Option1(tastierino::Invio).Caption(), u"Invio"_s);
    QCOMPARE(f.optOK().BackColor(), platform::colour::Rgb(255, 192, 128));
    QVERIFY(!f.Picture11().Visible());
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(f.lblSegno(k).Caption(), u"-"_s);
    }
}

void TestFrmOperativo::firstTableOfTheChosenTable_data() {
    QTest::addColumn<int>("scelta");
    QTest::addColumn<int>("minuendo");
    QTest::newRow("table 0: minuend 10, answers 9 to 0") << 0 << 10;
    QTest::newRow("table 4: minuend 14") << 4 << 14;
    QTest::newRow("table 10: minuend 20, answers 19 to 10") << 10 << 20;
}

void TestFrmOperativo::firstTableOfTheChosenTable() {
    QFETCH(int, scelta);
    QFETCH(int, minuendo);
    Programma p;
    p.stato.Tabella = p.stato.TabellaScelta = static_cast<std::int16_t>(scelta);
    p.frm.Load();
    VerificaTabella(p, minuendo, 0);
    QCOMPARE(int{p.stato.NumeroEsercizio}, 0);
}

void TestFrmOperativo::minuendSequence_data() {
    QTest::addColumn<int>("scelta");
    QTest::addColumn<int>("tabellaIniziale");
    QTest::addColumn<QString>("passi"); // n: "Nuova Tabella", r: close and reopen
    QTest::addColumn<QList<int>>("minuendi");
    QTest::newRow("table 4, then a new table") << 4 << 4 << u"n"_s << QList<int>{14, 24};
    QTest::newRow("reopening continues the sequence")
        << 4 << 4 << u"rr"_s << QList<int>{14, 24, 34};
    QTest::newRow("new tables and reopening mix")
        << 0 << 0 << u"nrn"_s << QList<int>{10, 20, 30, 40};
    QTest::newRow("past 1000 starts again at the chosen table")
        << 7 << 987 << u"nn"_s << QList<int>{997, 17, 27};
    QTest::newRow("1000 itself is still a table")
        << 0 << 980 << u"nn"_s << QList<int>{990, 1000, 10};
}

void TestFrmOperativo::minuendSequence() {
    QFETCH(int, scelta);
    QFETCH(int, tabellaIniziale);
    QFETCH(QString, passi);
    QFETCH(QList<int>, minuendi);
    Programma p;
    p.stato.TabellaScelta = static_cast<std::int16_t>(scelta);
    p.stato.Tabella = static_cast<std::int16_t>(tabellaIniziale);
    p.frm.Load();
    QList<int> visti{p.stato.Tabella};
    for (const QChar passo : passi) {
        if (passo == u'n') {
            p.frm.NuovaTabella();
        } else {
            Ricarica(p.frm);
        }
        visti << p.stato.Tabella;
        VerificaTabella(p, p.stato.Tabella, 0);
    }
    QCOMPARE(visti, minuendi);
}

void TestFrmOperativo::wholeTableWhateverTheRandomValues_data() {
    QTest::addColumn<std::vector<double>>("valori");
    QTest::newRow("a source that keeps returning a used value") << std::vector<double>{0.42};
    QTest::newRow("a source stuck at zero") << std::vector<double>{0.0};
    QTest::newRow("alternating two values") << std::vector<double>{0.0, 0.95};
}

void TestFrmOperativo::wholeTableWhateverTheRandomValues() {
    QFETCH(std::vector<double>, valori);
    auto finto = std::make_unique<CasoFinto>(valori);
    CasoFinto* caso = finto.get();
    Programma p(std::move(finto));
    p.frm.Load();
    VerificaTabella(p, 10, 0);
    QCOMPARE(caso->reseeds, 1); // reseeded at every generation
    p.frm.NuovaTabella();
    VerificaTabella(p, 20, 0);
    QCOMPARE(caso->reseeds, 2);
}

void TestFrmOperativo::linesWrittenForEachTable_data() {
    QTest::addColumn<int>("numeroEsercizio");
    QTest::newRow("first table of a sequence: lines 0 to 9") << 0;
    QTest::newRow("second table: lines 10 to 19") << 10;
    QTest::newRow("third table: lines 20 to 29") << 20;
}

// A table writes the prefixes of its ten lines and leaves every other line as it was.
void TestFrmOperativo::linesWrittenForEachTable() {
    QFETCH(int, numeroEsercizio);
    Programma p;
    p.frm.Load();
    for (auto& riga : p.stato.Esercizi) {
        riga = u"segnato"_s;
    }
    p.stato.NumeroEsercizio = static_cast<std::int16_t>(numeroEsercizio);
    p.frm.NuovaTabella();
    VerificaTabella(p, 20, numeroEsercizio);
    for (int i = 0; i < 42; ++i) {
        if (i < numeroEsercizio || i >= numeroEsercizio + 10) {
            QCOMPARE(p.stato.Esercizi[static_cast<std::size_t>(i)], u"segnato"_s);
        }
    }
}

// "Ricomincia" after three tables: lines 1 to 20 emptied, 0 to 9 rewritten, 21 to 29 kept.
void TestFrmOperativo::restartAfterThreeTables() {
    Programma p;
    p.frm.Load();
    p.stato.NumeroEsercizio = 10;
    p.frm.NuovaTabella();
    p.stato.NumeroEsercizio = 20;
    p.frm.NuovaTabella();
    const auto prima = p.stato.Esercizi;
    p.stato.NumeroEsercizio = 30;
    p.frm.RigaCorrente = 4;
    p.frm.RicominciaEsercizi();
    QCOMPARE(int{p.stato.NumeroEsercizio}, 0);
    QCOMPARE(int{p.frm.RigaCorrente}, 0);
    VerificaTabella(p, 40, 0);
    for (int i = 10; i <= 20; ++i) {
        QVERIFY(p.stato.Esercizi[static_cast<std::size_t>(i)].isEmpty());
    }
    for (int i = 21; i < 42; ++i) {
        QCOMPARE(p.stato.Esercizi[static_cast<std::size_t>(i)], prima[static_cast<std::size_t>(i)]);
    }
    QCOMPARE(RiquadroDavanti(p.frm), u"fraTastierino"_s);
}

void TestFrmOperativo::stateRightAfterANewTable() {
    Programma p;
    FrmOperativo& f = p.frm;
    f.Load();
    // Leave the screen in the middle of something, then start a table.
    f.lblRisultato(0).SetBackColor(platform::colour::Rgb(255, 255, 0));
    f.lblRisultato(3).SetCaption(u"12"_s);
    f.RigaCorrente = 3;
    p.stato.Risposta = u"12"_s;
    f.AbilitaFineTabella();
    f.NuovaTabella();

    QCOMPARE(int{f.RigaCorrente}, 0);
    QVERIFY(p.stato.Risposta.isEmpty());
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(f.lblRisultato(k).Caption(), k == 0 ? u"?"_s : QString());
        QCOMPARE(f.lblRisultato(k).BackColor(), kColoreCella);
        QVERIFY(!f.Label2(k).Caption().isEmpty());
        const bool marcata = k == 0;
        QCOMPARE(f.lblSegno(k).Visible(), marcata);
        QCOMPARE(f.lblUguale(k).Visible(), marcata);
        QCOMPARE(f.Shape4(k).Visible(), marcata);
        QCOMPARE(f.Line2(k).Visible(), marcata);
    }
    for (int i = 0; i < 14; ++i) {
        QCOMPARE(f.Option1(i).Enabled(), i <= 11); // answer mode
    }
    QVERIFY(!f.Picture11().Visible());
    QVERIFY(!f.Timer2().Enabled() && !f.Timer3().Enabled());
    QVERIFY(f.SottraendiUsati[0].isEmpty() && f.SottraendiUsati[11].isEmpty());
    for (int s = 1; s <= 10; ++s) {
        QCOMPARE(f.SottraendiUsati[static_cast<std::size_t>(s)], u"si"_s);
    }
}

void TestFrmOperativo::panelBroughtForward_data() {
    QTest::addColumn<QString>("riquadro");
    for (const char* nome : kRiquadri) {
        QTest::newRow(nome) << QString::fromLatin1(nome);
    }
}

// Bringing a panel forward switches it alone on and puts it in front; nothing is hidden.
void TestFrmOperativo::panelBroughtForward() {
    QFETCH(QString, riquadro);
    Programma p;
    p.frm.Load();
    QCOMPARE(RiquadriAccesi(p.frm), QStringList{u"fraTastierino"_s});
    p.frm.PortaAvanti(p.frm.Ctl(riquadro));
    QCOMPARE(RiquadriAccesi(p.frm), QStringList{riquadro});
    QCOMPARE(RiquadroDavanti(p.frm), riquadro);
    for (const char* nome : kRiquadri) {
        QVERIFY(p.frm.Ctl(QString::fromLatin1(nome)).Visible());
    }
    p.frm.DisattivaRiquadri();
    QVERIFY(RiquadriAccesi(p.frm).isEmpty());
}

void TestFrmOperativo::keypadModes() {
    Programma p;
    FrmOperativo& f = p.frm;
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QVERIFY(f.Option1(0).HasFocus()); // the window opens on the first of the focus order

    f.AbilitaFineTabella();
    for (int i = 0; i < 14; ++i) {
        QCOMPARE(f.Option1(i).Enabled(), i >= 12);
    }
    QVERIFY(f.Option1(tastierino::NuovaTabella).HasFocus());
    QCOMPARE(int{p.stato.Contatore}, 12);

    f.AbilitaRisposta();
    for (int i = 0; i < 14; ++i) {
        QCOMPARE(f.Option1(i).Enabled(), i <= 11);
    }
    QVERIFY(f.Option1(0).HasFocus());

    // With the keypad switched off the focus cannot move; the buttons still change.
    f.PortaAvanti(f.fraAiuto());
    f.AbilitaFineTabella();
    QVERIFY(!f.Option1(tastierino::NuovaTabella).HasFocus());
    QVERIFY(f.Option1(tastierino::NuovaTabella).Enabled() && !f.Option1(0).Enabled());
}

// The shown screen: maximised, its panels and its keypad's focus order.
void TestFrmOperativo::shownScreen() {
    Programma p;
    p.frm.Show();
    QVERIFY(QTest::qWaitForWindowActive(p.frm.Window()));
    QVERIFY(p.frm.Window()->isMaximized());
    QVERIFY(!p.frm.Window()->windowIcon().isNull());
    VerificaTabella(p, 10, 0);
    // "Invio" (10) comes before "Cancella" (11) in the focus order.
    p.frm.Option1(9).SetFocus();
    QTest::keyClick(p.frm.Window(), Qt::Key_Tab);
    QVERIFY(p.frm.Option1(tastierino::Invio).HasFocus());
    QTest::keyClick(p.frm.Window(), Qt::Key_Tab);
    QVERIFY(p.frm.Option1(tastierino::Cancella).HasFocus());
}

QTEST_MAIN(TestFrmOperativo)
#include "tst_frmoperativo.moc"
