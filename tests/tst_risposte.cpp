// Answers on the exercise screen: the keypad's actions, the check, the completion of a row,
// the notice after thirty exercises, and the help dialogue.

#include "casofinto.h"
#include "esercizio.h"
#include "exercise/frmoperativo.h"
#include "exercise/regoletabella.h"

#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::Control;

namespace {

constexpr platform::colour::Value kGiallo = platform::colour::Rgb(255, 255, 0);
constexpr platform::colour::Value kColoreCella = platform::colour::Rgb(255, 235, 168);

// Draws that give row k the subtrahend k + 1: with the minuend 10 the answers run 9 down to 0.
std::vector<double> InOrdine() {
    std::vector<double> v;
    for (int k = 0; k < 10; ++k) {
        v.push_back(0.05 + 0.1 * k);
    }
    return v;
}

// A fresh program with the exercise screen shown on its first table (minuend 10).
struct Schermo {
    Schermo() : caso(InOrdine()), frm(stato, caso, finestre) {
        frm.Show();
        ok = QTest::qWaitForWindowActive(frm.Window());
    }
    StatoCondiviso stato;
    CasoFinto caso;
    Finestre finestre;
    FrmOperativo frm;
    bool ok = false;

    // Types on the keypad: digits, 'C' for "Cancella".
    void Digita(QStringView tasti) { ::Digita(frm, tasti); }
    void Invio() { frm.PremiTasto(tastierino::Invio); }
    QString Atteso() const { return RispostaAttesa(stato, frm); }
    QString Prefisso(int riga) const { return regole::PrefissoEsercizio(stato.Tabella, riga + 1); }
    QString Riga(int n) const { return stato.Esercizi[static_cast<std::size_t>(n)]; }
    Control& Cella() { return frm.lblRisultato(frm.RigaCorrente); }
    bool Invio_acceso() { return frm.Option1(tastierino::Invio).Enabled(); }
    QString Davanti() { return RiquadroDavanti(frm); }
    QString Fuoco() const {
        QWidget* w = frm.Window()->focusWidget();
        return w != nullptr ? w->objectName() : QString();
    }
    bool Marcata(int k) {
        return frm.lblSegno(k).Visible() && frm.lblUguale(k).Visible() && frm.Shape4(k).Visible() &&
               frm.Line2(k).Visible();
    }
    bool Smarcata(int k) {
        return !frm.lblSegno(k).Visible() && !frm.lblUguale(k).Visible() &&
               !frm.Shape4(k).Visible() && !frm.Line2(k).Visible();
    }
    // Completes the current row: with the right answer, or after a wrong one with "SI", or
    // through the intervention ("OK").
    void Completa(QStringView modo) {
        if (modo == u"giusta") {
            Digita(Atteso());
            Invio();
            return;
        }
        Digita(Atteso() == u"3" ? u"4" : u"3");
        Invio();
        if (modo == u"si") {
            frm.SiSi();
        } else {
            frm.ContaNo = 2;
            frm.NoNo();
            frm.Intervieni();
        }
    }
    // Answers rows right until the given running exercise number.
    void RispondiFinoA(int numero) { ::RispondiFinoA(frm, stato, numero); }
};

} // namespace

class TestRisposte : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void digitsAndCancella_data();
    void digitsAndCancella();
    void check_data();
    void check();
    void helpAccepted();
    void helpRefusedThenRight();
    void refusalsCountAcrossRowsAndTables();
    void endOfTable_data();
    void endOfTable();
    void thirtiethExercise_data();
    void thirtiethExercise();
    void answerZero();
    void newTableAndEsco();
    void thirtyExercises();
};

void TestRisposte::digitsAndCancella_data() {
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("cella");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<bool>("invio");
    QTest::newRow("nothing typed: \"Invio\" is on after a new table")
        << u""_s << u"?"_s << u""_s << true;
    QTest::newRow("1 then 2") << u"12"_s << u"12"_s << u"12"_s << true;
    QTest::newRow("a third digit") << u"123"_s << u"123"_s << u"123"_s << true;
    QTest::newRow("a fourth digit is dropped") << u"1234"_s << u"123"_s << u"123"_s << true;
    QTest::newRow("1 then 0") << u"10"_s << u"10"_s << u"10"_s << true;
    QTest::newRow("a lone 0 is an answer") << u"0"_s << u"0"_s << u"0"_s << true;
    QTest::newRow("a digit after a lone 0 replaces it") << u"05"_s << u"5"_s << u"5"_s << true;
    QTest::newRow("0 after a lone 0 stays 0") << u"00"_s << u"0"_s << u"0"_s << true;
    QTest::newRow("0, 5, 0") << u"050"_s << u"50"_s << u"50"_s << true;
    QTest::newRow("Cancella after 12") << u"12C"_s << u"1"_s << u"1"_s << true;
    QTest::newRow("Cancella after 1 switches Invio off") << u"1C"_s << u"?"_s << u""_s << false;
    QTest::newRow("Cancella on an empty answer") << u"C"_s << u"?"_s << u""_s << false;
    QTest::newRow("Cancella twice, then a digit") << u"12CC7"_s << u"7"_s << u"7"_s << true;
    QTest::newRow("Cancella after a lone 0") << u"0C"_s << u"?"_s << u""_s << false;
}

void TestRisposte::digitsAndCancella() {
    QFETCH(QString, tasti);
    QFETCH(QString, cella);
    QFETCH(QString, risposta);
    QFETCH(bool, invio);
    Schermo s;
    QVERIFY(s.ok);
    s.Digita(tasti);
    QCOMPARE(s.Cella().Caption(), cella);
    QCOMPARE(s.stato.Risposta, risposta);
    QCOMPARE(s.Invio_acceso(), invio);
    QCOMPARE(int{s.frm.RigaCorrente}, 0);
    QCOMPARE(s.Riga(0), s.Prefisso(0)); // typing does not touch the exercise line
}

void TestRisposte::check_data() {
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<bool>("giusta");
    QTest::addColumn<QString>("coda"); // what the line holds after its prefix
    QTest::newRow("right answer") << u"9"_s << true << u"9  "_s;
    QTest::newRow("wrong answer") << u"12"_s << false << u"12  "_s;
    QTest::newRow("empty answer is wrong") << u""_s << false << u"  "_s;
    QTest::newRow("a lone 0 where 9 is expected") << u"0"_s << false << u"0  "_s;
}

void TestRisposte::check() {
    QFETCH(QString, tasti);
    QFETCH(bool, giusta);
    QFETCH(QString, coda);
    Schermo s;
    QVERIFY(s.ok);
    s.Digita(tasti);
    s.Invio();
    QCOMPARE(s.Riga(0), s.Prefisso(0) + coda);
    if (giusta) {
        QCOMPARE(int{s.frm.RigaCorrente}, 1);
        QCOMPARE(int{s.stato.NumeroEsercizio}, 1);
        QCOMPARE(s.frm.lblRisultato(0).Caption(), tasti);
        QCOMPARE(s.frm.lblRisultato(0).BackColor(), kColoreCella);
        QVERIFY(s.Smarcata(0));
        QVERIFY(s.Marcata(1));
        QCOMPARE(s.frm.lblRisultato(1).Caption(), u"?"_s);
        QVERIFY(!s.Invio_acceso()); // the "?" came after the answer mode
        QCOMPARE(s.Fuoco(), u"Option1(0)"_s);
        QCOMPARE(s.Davanti(), u"fraTastierino"_s);
    } else {
        QCOMPARE(int{s.frm.RigaCorrente}, 0);
        QCOMPARE(int{s.stato.NumeroEsercizio}, 0);
        QCOMPARE(s.Cella().BackColor(), kGiallo);
        QCOMPARE(s.Cella().Caption(), tasti.isEmpty() ? u"?"_s : tasti);
        QCOMPARE(s.stato.Risposta, tasti);
        QCOMPARE(s.Davanti(), u"fraAiuto"_s);
        QVERIFY(!s.frm.fraTastierino().Enabled());
        QCOMPARE(s.Fuoco(), u"Option3(0)"_s);
        QVERIFY(s.Marcata(0));
    }
}

void TestRisposte::helpAccepted() {
    Schermo s;
    QVERIFY(s.ok);
    s.Digita(u"12");
    s.Invio();
    s.frm.SiSi();
    QCOMPARE(s.frm.lblRisultato(0).Caption(), u" 9"_s); // the expected answer as stored
    QCOMPARE(s.frm.lblRisultato(0).BackColor(), kGiallo);
    QCOMPARE(s.Riga(0), s.Prefisso(0) + u"12   9"_s);
    QCOMPARE(int{s.frm.RigaCorrente}, 1);
    QCOMPARE(s.frm.lblRisultato(1).Caption(), u"?"_s);
    QVERIFY(s.Marcata(1) && s.Smarcata(0));
    QVERIFY(s.stato.Risposta.isEmpty());
    QVERIFY(!s.Invio_acceso());
    QCOMPARE(s.Davanti(), u"fraTastierino"_s);
    s.Digita(u"8"); // a fresh answer on the next row
    QCOMPARE(s.frm.lblRisultato(1).Caption(), u"8"_s);
    QCOMPARE(s.frm.ContaNo, 0);
}

void TestRisposte::helpRefusedThenRight() {
    Schermo s;
    QVERIFY(s.ok);
    s.Digita(u"12");
    s.Invio();
    s.frm.NoNo();
    QCOMPARE(int{s.frm.ContaNo}, 1);
    QCOMPARE(s.Cella().Caption(), u"?"_s);
    QCOMPARE(s.Cella().BackColor(), kGiallo);
    QVERIFY(s.stato.Risposta.isEmpty());
    QCOMPARE(s.Fuoco(), u"Option1(0)"_s);
    QVERIFY(s.Invio_acceso()); // the answer mode came after the "?"
    QCOMPARE(s.Davanti(), u"fraTastierino"_s);
    s.Digita(u"9");
    s.Invio();
    QCOMPARE(s.Riga(0), s.Prefisso(0) + u"12  9  "_s);
    QCOMPARE(s.frm.lblRisultato(0).BackColor(), kGiallo); // until the next table
    QCOMPARE(int{s.frm.RigaCorrente}, 1);
}

// The third "NO" opens the intervention wherever the first two were given.
void TestRisposte::refusalsCountAcrossRowsAndTables() {
    Schermo s;
    QVERIFY(s.ok);
    s.Digita(u"5");
    s.Invio();
    s.frm.NoNo();
    s.Digita(u"6");
    s.Invio();
    s.frm.NoNo();
    s.Digita(u"9");
    s.Invio(); // row 0 right at last
    QCOMPARE(int{s.frm.ContaNo}, 2);

    s.RispondiFinoA(10);                        // the rest of the table
    s.frm.PremiTasto(tastierino::NuovaTabella); // a new table
    s.frm.Unload();                             // and even closing the screen
    s.frm.Show();
    QVERIFY(QTest::qWaitForWindowActive(s.frm.Window()));
    QCOMPARE(int{s.frm.ContaNo}, 2);
    QCOMPARE(int{s.stato.NumeroEsercizio}, 0);

    s.Digita(u"1");
    s.Invio();
    s.frm.NoNo();
    QCOMPARE(int{s.frm.ContaNo}, 0);
    QCOMPARE(s.Davanti(), u"fraIntervento"_s);
    QCOMPARE(s.Fuoco(), u"optOK"_s);
    QVERIFY(!s.frm.optOK().Value());

    s.frm.Intervieni();
    const int minuendo = s.stato.Tabella;
    QCOMPARE(s.Riga(0),
             regole::PrefissoEsercizio(minuendo, 1) + u"1   "_s + QString::number(minuendo - 1));
    QCOMPARE(s.frm.lblRisultato(0).Caption(), u' ' + QString::number(minuendo - 1));
    QCOMPARE(int{s.frm.RigaCorrente}, 1);
    QCOMPARE(s.frm.lblRisultato(1).Caption(), u"?"_s);
    QVERIFY(s.Invio_acceso()); // the intervention sets the answer mode after the "?"
    QCOMPARE(s.Fuoco(), u"Option1(0)"_s);
    QCOMPARE(s.Davanti(), u"fraTastierino"_s);
}

void TestRisposte::endOfTable_data() {
    QTest::addColumn<QString>("modo");
    QTest::newRow("right answer on row 9") << u"giusta"_s;
    QTest::newRow("SI on row 9") << u"si"_s;
    QTest::newRow("OK on row 9") << u"ok"_s;
}

void TestRisposte::endOfTable() {
    QFETCH(QString, modo);
    Schermo s;
    QVERIFY(s.ok);
    s.RispondiFinoA(9);
    QCOMPARE(int{s.frm.RigaCorrente}, 9);
    s.Completa(modo); // 10 - 10: the lone 0 is typed on the keypad
    QCOMPARE(int{s.stato.NumeroEsercizio}, 10);
    QCOMPARE(int{s.frm.RigaCorrente}, 0);
    for (int i = 0; i < 14; ++i) {
        QCOMPARE(s.frm.Option1(i).Enabled(), i >= 12);
    }
    QCOMPARE(s.Fuoco(), u"Option1(12)"_s);
    for (int k = 0; k < 10; ++k) {
        QVERIFY(s.Smarcata(k));
    }
    QCOMPARE(s.frm.lblRisultato(0).Caption(), u"9"_s);
    QCOMPARE(s.Davanti(), u"fraTastierino"_s);
}

void TestRisposte::thirtiethExercise_data() {
    QTest::addColumn<QString>("modo");
    QTest::newRow("right answer") << u"giusta"_s;
    QTest::newRow("SI") << u"si"_s;
    QTest::newRow("OK") << u"ok"_s;
}

void TestRisposte::thirtiethExercise() {
    QFETCH(QString, modo);
    Schermo s;
    QVERIFY(s.ok);
    s.RispondiFinoA(29);
    s.Completa(modo);
    QCOMPARE(int{s.stato.NumeroEsercizio}, 30);
    QCOMPARE(s.Davanti(), u"fraAvviso"_s);
    QCOMPARE(s.Fuoco(), u"optAvviso(0)"_s);
    QVERIFY(!s.frm.fraTastierino().Enabled()); // no keypad button can be used
    QVERIFY(s.frm.fraAvviso().Enabled());
    s.frm.RicominciaEsercizi();
    QCOMPARE(s.Davanti(), u"fraTastierino"_s);
    QCOMPARE(int{s.stato.NumeroEsercizio}, 0);
}

// Table 0 asks 10 - 10: the keypad must be able to answer 0.
void TestRisposte::answerZero() {
    Schermo s;
    QVERIFY(s.ok);
    s.RispondiFinoA(9);
    QCOMPARE(s.stato.Risultati[9], u" 0"_s);
    s.Digita(u"0");
    QVERIFY(s.Invio_acceso());
    s.Invio();
    QCOMPARE(s.Riga(9), s.Prefisso(9) + u"0  "_s);
    QCOMPARE(int{s.stato.NumeroEsercizio}, 10);
}

void TestRisposte::newTableAndEsco() {
    Schermo s;
    QVERIFY(s.ok);
    s.RispondiFinoA(10);
    s.frm.PremiTasto(tastierino::NuovaTabella);
    QCOMPARE(int{s.stato.Tabella}, 20);
    QCOMPARE(s.Riga(10), regole::PrefissoEsercizio(20, 1));
    QCOMPARE(s.Fuoco(), u"Option1(0)"_s);
    s.frm.PremiTasto(99); // no such button: nothing happens
    QVERIFY(s.frm.IsLoaded());
    s.frm.PremiTasto(tastierino::Esco);
    QVERIFY(!s.frm.IsLoaded());
    QCOMPARE(int{s.stato.Tabella}, 20); // the shared state outlives the screen
}

// Three tables through every path a child can take leave the thirty lines a teacher expects.
void TestRisposte::thirtyExercises() {
    Schermo s;
    QVERIFY(s.ok);
    QStringList attese;
    for (int n = 0; n < 30; ++n) {
        if (n > 0 && n % 10 == 0) {
            QCOMPARE(s.Fuoco(), u"Option1(12)"_s);
            s.frm.PremiTasto(tastierino::NuovaTabella);
        }
        const QString giusta = s.Atteso();
        const QString prefisso = s.Prefisso(n % 10);
        switch (n % 4) {
        case 0: // right at once
            s.Digita(giusta);
            s.Invio();
            attese << prefisso + giusta + u"  "_s;
            break;
        case 1: // wrong, then "SI"
            s.Digita(u"77");
            s.Invio();
            s.frm.SiSi();
            attese << prefisso + u"77   "_s + giusta;
            break;
        case 2: // wrong, "NO", then right; every third "NO" brings the intervention
            s.Digita(u"5C77");
            s.Invio();
            s.frm.NoNo();
            if (s.Davanti() == u"fraIntervento") {
                s.frm.Intervieni();
                attese << prefisso + u"77   "_s + giusta;
            } else {
                s.Digita(giusta);
                s.Invio();
                attese << prefisso + u"77  "_s + giusta + u"  "_s;
            }
            break;
        default: // an empty answer, then "SI"
            s.Invio();
            s.frm.SiSi();
            attese << prefisso + u"   "_s + giusta;
            break;
        }
        QCOMPARE(int{s.stato.NumeroEsercizio}, n + 1);
    }
    for (int n = 0; n < 30; ++n) {
        QCOMPARE(s.Riga(n), attese.at(n));
    }
    QCOMPARE(s.Davanti(), u"fraAvviso"_s);
    QCOMPARE(s.Fuoco(), u"optAvviso(0)"_s);
}

QTEST_MAIN(TestRisposte)
#include "tst_risposte.moc"
