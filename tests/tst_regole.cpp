// The arithmetic of the tables, without windows.

#include "casofinto.h"
#include "exercise/regoletabella.h"
#include "platform/runtimeerror.h"

#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

class TestRegole : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void prefisso_data();
    void prefisso();
    void risultato_data();
    void risultato();
    void minuendo_data();
    void minuendo();
    void estrazione_data();
    void estrazione();
    void estrazioneSegueIlCaso();
    void erroriDellaPiattaforma();
};

void TestRegole::prefisso_data() {
    QTest::addColumn<int>("minuendo");
    QTest::addColumn<int>("sottraendo");
    QTest::addColumn<QString>("prefisso");
    QTest::newRow("subtrahend below 10 gets a padding space") << 14 << 3 << u"14 -  3 = "_s;
    QTest::newRow("subtrahend 10 has no padding") << 14 << 10 << u"14 - 10 = "_s;
    QTest::newRow("subtrahend 1, smallest table") << 10 << 1 << u"10 -  1 = "_s;
    QTest::newRow("three-digit minuend") << 1000 << 9 << u"1000 -  9 = "_s;
}

void TestRegole::prefisso() {
    QFETCH(int, minuendo);
    QFETCH(int, sottraendo);
    QFETCH(QString, prefisso);
    QCOMPARE(regole::PrefissoEsercizio(minuendo, sottraendo), prefisso);
}

void TestRegole::risultato_data() {
    QTest::addColumn<int>("differenza");
    QTest::addColumn<QString>("testo");
    QTest::newRow("zero keeps its sign position") << 0 << u" 0"_s;
    QTest::newRow("one digit") << 9 << u" 9"_s;
    QTest::newRow("two digits") << 11 << u" 11"_s;
    QTest::newRow("three digits") << 999 << u" 999"_s;
}

void TestRegole::risultato() {
    QFETCH(int, differenza);
    QFETCH(QString, testo);
    QCOMPARE(regole::TestoRisultato(differenza), testo);
}

void TestRegole::minuendo_data() {
    QTest::addColumn<int>("tabella");
    QTest::addColumn<int>("scelta");
    QTest::addColumn<int>("prossimo");
    QTest::newRow("first table of 0") << 0 << 0 << 10;
    QTest::newRow("first table of 10") << 10 << 10 << 20;
    QTest::newRow("table 4 after its first generation") << 14 << 4 << 24;
    QTest::newRow("reaches 1000 exactly") << 990 << 0 << 1000;
    QTest::newRow("past 1000 starts again from table 0") << 1000 << 0 << 10;
    QTest::newRow("past 1000 starts again from table 5") << 995 << 5 << 15;
    QTest::newRow("past 1000 starts again from table 10") << 1000 << 10 << 20;
}

void TestRegole::minuendo() {
    QFETCH(int, tabella);
    QFETCH(int, scelta);
    QFETCH(int, prossimo);
    QCOMPARE(int{regole::ProssimoMinuendo(static_cast<std::int16_t>(tabella),
                                          static_cast<std::int16_t>(scelta))},
             prossimo);
}

void TestRegole::estrazione_data() {
    QTest::addColumn<std::vector<double>>("valori");
    QTest::newRow("a source stuck at 0 (always a used value)") << std::vector<double>{0.0};
    QTest::newRow("a source stuck just below 1") << std::vector<double>{0.999999};
    QTest::newRow("a source stuck in the middle") << std::vector<double>{0.5};
    QTest::newRow("two values only") << std::vector<double>{0.1, 0.75};
    QTest::newRow("values out of range") << std::vector<double>{1.0, -0.5, 7.0};
    QTest::newRow("every value once, in order")
        << std::vector<double>{0.05, 0.15, 0.25, 0.35, 0.45, 0.55, 0.65, 0.75, 0.85, 0.95};
    QTest::newRow("every value once, reversed")
        << std::vector<double>{0.95, 0.85, 0.75, 0.65, 0.55, 0.45, 0.35, 0.25, 0.15, 0.05};
}

// Whatever the source gives, a table receives the subtrahends 1 to 10 once each.
void TestRegole::estrazione() {
    QFETCH(std::vector<double>, valori);
    CasoFinto caso(valori);
    std::array<QString, 12> usati;
    std::vector<int> estratti;
    for (int riga = 0; riga < 10; ++riga) {
        const int s = regole::EstraiSottraendo(caso, usati);
        QVERIFY2(s >= 1 && s <= 10, qPrintable(QString::number(s)));
        QVERIFY2(usati[static_cast<std::size_t>(s)].isEmpty(), "drew a used subtrahend");
        usati[static_cast<std::size_t>(s)] = u"si"_s;
        estratti.push_back(s);
    }
    std::sort(estratti.begin(), estratti.end());
    QCOMPARE(estratti, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

// A draw is Int(r * 10) + 1, and a used value is drawn again.
void TestRegole::estrazioneSegueIlCaso() {
    CasoFinto caso({0.35, 0.35, 0.0, 0.99});
    std::array<QString, 12> usati;
    QCOMPARE(int{regole::EstraiSottraendo(caso, usati)}, 4);
    usati[4] = u"si"_s;
    QCOMPARE(int{regole::EstraiSottraendo(caso, usati)}, 1); // 0.35 again is used: 0.0 gives 1
    usati[1] = u"si"_s;
    QCOMPARE(int{regole::EstraiSottraendo(caso, usati)}, 10);
}

void TestRegole::erroriDellaPiattaforma() {
    QCOMPARE(int{platform::CheckedAdd(32757, 10)}, 32767);
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, platform::CheckedAdd(32767, 1));
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, platform::CheckedSubtract(-32768, 1));
    std::array<QString, 16> risultati;
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, platform::Element(risultati, 16));
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, platform::Element(risultati, -1));
    bool dopo = false;
    platform::SkipOnError([] { throw platform::RuntimeError("x"); });
    platform::SkipOnError([&] { dopo = true; });
    QVERIFY(dopo);
}

QTEST_GUILESS_MAIN(TestRegole)
#include "tst_regole.moc"
