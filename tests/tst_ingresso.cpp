// Buttons as a child works them, through real key and mouse events: scanning, the keys each
// array accepts, the keyboard's own digits, any mouse button, and keys held down.

#include "casofinto.h"
#include "esercizio.h"
#include "exercise/regoletabella.h"
#include "input/pulsantiera.h"
#include "shared/icona.h"
#include "start/programma.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::Control;

namespace {

std::unique_ptr<platform::RandomSource> InOrdine() {
    std::vector<double> v;
    for (int k = 0; k < 10; ++k) {
        v.push_back(0.05 + 0.1 * k); // row k gets the subtrahend k + 1
    }
    return std::make_unique<CasoFinto>(v);
}

QWidget* Fuoco() {
    return QApplication::focusWidget();
}
QString NomeFuoco() {
    return Fuoco() != nullptr ? Fuoco()->objectName() : QString();
}

QString Testo(Qt::Key tasto) {
    if (tasto == Qt::Key_Space) {
        return u" "_s;
    }
    if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
        return u"\r"_s;
    }
    if ((tasto >= Qt::Key_0 && tasto <= Qt::Key_9) || (tasto >= Qt::Key_A && tasto <= Qt::Key_Z)) {
        return QString(QChar(tasto)).toLower();
    }
    if (tasto == Qt::Key_Asterisk) {
        return u"*"_s;
    }
    return {};
}

// One key event to the widget with the focus, as the desktop delivers it.
void Evento(bool giu, Qt::Key tasto, Qt::KeyboardModifiers mod, bool ripetuto) {
    if (Fuoco() != nullptr) { // a window closed by the key takes its release with it
        QTest::simulateEvent(Fuoco(), giu, tasto, mod, Testo(tasto), ripetuto);
    }
}

void Giu(Qt::Key t, Qt::KeyboardModifiers m = Qt::NoModifier) {
    Evento(true, t, m, false);
}
void Su(Qt::Key t, Qt::KeyboardModifiers m = Qt::NoModifier) {
    Evento(false, t, m, false);
}
void Premi(Qt::Key t, Qt::KeyboardModifiers m = Qt::NoModifier) {
    Giu(t, m);
    Su(t, m);
}
// A key held down: its press, `ripetizioni` auto-repeated release and press pairs, its release.
void Tieni(Qt::Key t, int ripetizioni) {
    Giu(t);
    for (int i = 0; i < ripetizioni; ++i) {
        Evento(false, t, Qt::NoModifier, true);
        Evento(true, t, Qt::NoModifier, true);
    }
    Su(t);
}

struct Schermo {
    Schermo() : p(InOrdine()) {
        platform::Form::SetProgramIcon(IconaProgramma());
        p.frmOperativo.Show();
        ok = QTest::qWaitForWindowActive(p.frmOperativo.Window());
    }
    Programma p;
    bool ok = false;
    FrmOperativo& frm() { return p.frmOperativo; }
    Control& Tasto(int i) { return frm().Option1(i); }
    QString Atteso() { return RispostaAttesa(p.stato, frm()); }
    QString Cella() { return frm().lblRisultato(frm().RigaCorrente).Caption(); }
    void FuocoSu(Control& c) { QVERIFY(c.SetFocus()); }
    void Sbaglia() { // a wrong answer from the keyboard: the help offer is up, "SI" focused
        Premi(Qt::Key_7);
        Premi(Qt::Key_7);
        Premi(Qt::Key_Return);
    }
    void FinoAllaFineTabella() { RispondiFinoA(frm(), p.stato, 10); }
};

} // namespace

class TestIngresso : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scanningOnTheKeypad_data();
    void scanningOnTheKeypad();
    void heldSpaceMovesOnce();
    void heldSpaceAlternatesOnTwoButtons();
    void keypadKeys_data();
    void keypadKeys();
    void keyboardDigits_data();
    void keyboardDigits();
    void lettersOnTheKeypad();
    void startScreenKeys_data();
    void startScreenKeys();
    void helpAndNoticeKeys();
    void anyMouseButton();
    void heldEnterOnSi();
    void heldEnterOnTheThirdNo();
    void keyUpElsewhereFreesItsArray();
    void noPressLostAfterAnotherWindow();
    void mouseUpClearsStartScreenGuards();
    void focusColours();
    void assistivePressIsEnter();
    void wholeTableThreeWays_data();
    void wholeTableThreeWays();
};

void TestIngresso::scanningOnTheKeypad_data() {
    QTest::addColumn<QString>("stato"); // "risposta": "Invio" on; "vuota": "Invio" off; "fine"
    QTest::addColumn<int>("da");
    QTest::addColumn<int>("a");
    QTest::newRow("0 to 1") << u"risposta"_s << 0 << 1;
    using namespace tastierino;
    QTest::newRow("9 to Cancella") << u"risposta"_s << 9 << Cancella;
    QTest::newRow("Invio skips the two switched-off buttons and wraps")
        << u"risposta"_s << Invio << 0;
    QTest::newRow("Cancella wraps while Invio is off") << u"vuota"_s << Cancella << 0;
    QTest::newRow("end of table: Nuova Tabella to Esco") << u"fine"_s << NuovaTabella << Esco;
    QTest::newRow("end of table: Esco back to Nuova Tabella") << u"fine"_s << Esco << NuovaTabella;
}

void TestIngresso::scanningOnTheKeypad() {
    QFETCH(QString, stato);
    QFETCH(int, da);
    QFETCH(int, a);
    Schermo s;
    QVERIFY(s.ok);
    if (stato == u"risposta") {
        s.frm().PremiTasto(3);
    } else if (stato == u"vuota") {
        s.frm().PremiTasto(9);
        s.frm().PremiTasto(tastierino::Invio); // right: the next row shows "?" and "Invio" is off
        QVERIFY(!s.Tasto(tastierino::Invio).Enabled());
    } else {
        s.FinoAllaFineTabella();
    }
    s.FuocoSu(s.Tasto(da));
    Premi(Qt::Key_Space);
    QVERIFY(s.Tasto(a).HasFocus());
}

// A held Space acts once; the next stroke acts again.
void TestIngresso::heldSpaceMovesOnce() {
    Schermo s;
    QVERIFY(s.ok);
    s.FuocoSu(s.Tasto(2));
    Tieni(Qt::Key_Space, 14);
    QVERIFY(s.Tasto(3).HasFocus());
    Tieni(Qt::Key_Space, 5);
    QVERIFY(s.Tasto(4).HasFocus());

    s.frm().Unload();
    s.p.frmInizio.Show();
    QVERIFY(QTest::qWaitForWindowActive(s.p.frmInizio.Window()));
    QVERIFY(s.p.frmInizio.Option1(0).HasFocus());
    Tieni(Qt::Key_Space, 10);
    QVERIFY(s.p.frmInizio.Option1(1).HasFocus());
    s.p.frmInizio.Option2(2).SetFocus(); // "Esci" wraps to "Vai"
    Tieni(Qt::Key_Space, 3);
    QVERIFY(s.p.frmInizio.Option2(0).HasFocus());
}

void TestIngresso::heldSpaceAlternatesOnTwoButtons() {
    Schermo s;
    QVERIFY(s.ok);
    s.Sbaglia();
    QVERIFY(s.frm().Option3(0).HasFocus());
    Tieni(Qt::Key_Space, 2); // three moves: SI to NO, SI, NO
    QVERIFY(s.frm().Option3(1).HasFocus());
    Tieni(Qt::Key_Space, 3); // four more: SI, NO, SI, NO
    QVERIFY(s.frm().Option3(1).HasFocus());
    Premi(Qt::Key_Space);
    QVERIFY(s.frm().Option3(0).HasFocus());
}

void TestIngresso::keypadKeys_data() {
    QTest::addColumn<int>("tasto");
    QTest::addColumn<bool>("accettato");
    QTest::newRow("Backspace: accepted, deletes nothing") << int(Qt::Key_Backspace) << true;
    QTest::newRow("left arrow: accepted") << int(Qt::Key_Left) << true;
    QTest::newRow("down arrow: accepted") << int(Qt::Key_Down) << true;
    QTest::newRow("V: accepted") << int(Qt::Key_V) << true;
    QTest::newRow("F2: accepted") << int(Qt::Key_F2) << true;
    QTest::newRow("N is not accepted") << int(Qt::Key_N) << false;
    QTest::newRow("X is not accepted") << int(Qt::Key_X) << false;
    QTest::newRow("Escape is not accepted") << int(Qt::Key_Escape) << false;
    QTest::newRow("Shift is not accepted") << int(Qt::Key_Shift) << false;
    QTest::newRow("Space is not accepted on key down") << int(Qt::Key_Space) << false;
}

// An accepted key without an action sets the guard and changes nothing; any other key is
// discarded and leaves the guard clear, so an accepted key pressed meanwhile acts at once.
void TestIngresso::keypadKeys() {
    QFETCH(int, tasto);
    QFETCH(bool, accettato);
    Schermo s;
    QVERIFY(s.ok);
    s.frm().PremiTasto(1);
    s.frm().PremiTasto(2);
    s.FuocoSu(s.Tasto(4));
    Giu(Qt::Key(tasto));
    QCOMPARE(s.frm().Tastierino.BloccoTastoGiu, accettato);
    QCOMPARE(s.p.stato.Risposta, u"12"_s);
    if (tasto != Qt::Key_Space) {
        QVERIFY(s.Tasto(4).HasFocus());
    }
    Giu(Qt::Key_C); // while the first key is still held
    QCOMPARE(s.p.stato.Risposta, accettato ? u"12"_s : u"1"_s);
    Su(Qt::Key_C);
    QVERIFY(!s.frm().Tastierino.BloccoTastoGiu);
}

void TestIngresso::keyboardDigits_data() {
    QTest::addColumn<QList<int>>("tasti");
    QTest::addColumn<QString>("risposta");
    const auto kp = int(Qt::KeypadModifier);
    QTest::newRow("1 then 2") << QList<int>{Qt::Key_1, Qt::Key_2} << u"12"_s;
    QTest::newRow("four digits keep three")
        << QList<int>{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4} << u"123"_s;
    QTest::newRow("a lone 0 is kept") << QList<int>{Qt::Key_0} << u"0"_s;
    QTest::newRow("a digit after a lone 0 replaces it")
        << QList<int>{Qt::Key_0, Qt::Key_5} << u"5"_s;
    QTest::newRow("numeric keypad digits type the same")
        << QList<int>{Qt::Key_1 | kp, Qt::Key_0 | kp} << u"10"_s;
    QTest::newRow("C after 12") << QList<int>{Qt::Key_1, Qt::Key_2, Qt::Key_C} << u"1"_s;
    QTest::newRow("C after 1") << QList<int>{Qt::Key_1, Qt::Key_C} << u""_s;
    QTest::newRow("C on an empty answer") << QList<int>{Qt::Key_C} << u""_s;
    QTest::newRow("NumLock is harmless") << QList<int>{Qt::Key_NumLock, Qt::Key_4 | kp} << u"4"_s;
    QTest::newRow("numeric keypad with NumLock off types its digits")
        << QList<int>{Qt::Key_End | kp, Qt::Key_Insert | kp, Qt::Key_Home | kp} << u"107"_s;
}

void TestIngresso::keyboardDigits() {
    QFETCH(QList<int>, tasti);
    QFETCH(QString, risposta);
    Schermo s;
    QVERIFY(s.ok);
    for (const int t : tasti) {
        Premi(Qt::Key(t & ~int(Qt::KeyboardModifierMask)),
              Qt::KeyboardModifiers(t & int(Qt::KeyboardModifierMask)));
    }
    QCOMPARE(s.p.stato.Risposta, risposta);
    QCOMPARE(s.Cella(), risposta.isEmpty() ? u"?"_s : risposta);
    QCOMPARE(s.Tasto(tastierino::Invio).Enabled(), !risposta.isEmpty());
    if (!risposta.isEmpty() && !tasti.contains(Qt::Key_C)) {
        QVERIFY(s.Tasto(tastierino::Invio).HasFocus()); // the digits take the focus to "Invio"
    }
}

void TestIngresso::lettersOnTheKeypad() {
    Schermo s;
    QVERIFY(s.ok);
    s.FuocoSu(s.Tasto(3));
    Premi(Qt::Key_E); // "Esco" is off during an exercise
    QVERIFY(s.Tasto(3).HasFocus());
    s.frm().PremiTasto(9);
    s.FuocoSu(s.Tasto(3));
    Premi(Qt::Key_I); // only moves the focus
    QVERIFY(s.Tasto(tastierino::Invio).HasFocus());
    QCOMPARE(s.p.stato.NumeroEsercizio, 0);
    Premi(Qt::Key_Return); // now the check
    QCOMPARE(s.p.stato.NumeroEsercizio, 1);

    s.FinoAllaFineTabella();
    QVERIFY(s.Tasto(tastierino::NuovaTabella).HasFocus());
    Premi(Qt::Key_7); // digits do nothing at the end of a table
    QCOMPARE(s.frm().lblRisultato(0).Caption(), u"9"_s);
    QVERIFY(!s.Tasto(tastierino::Invio).Enabled());
    Premi(Qt::Key_E);
    QVERIFY(s.Tasto(tastierino::Esco).HasFocus());
    Premi(Qt::Key_Return); // "Esco"
    QVERIFY(!s.frm().IsLoaded());
}

void TestIngresso::startScreenKeys_data() {
    QTest::addColumn<int>("tasto");
    QTest::addColumn<QString>("fuoco");
    const auto kp = int(Qt::KeypadModifier);
    QTest::newRow("3 moves to 13 without choosing") << int(Qt::Key_3) << u"Option1(3)"_s;
    QTest::newRow("numeric keypad 7") << (Qt::Key_7 | kp) << u"Option1(7)"_s;
    QTest::newRow("numeric keypad 7, NumLock off") << (Qt::Key_Home | kp) << u"Option1(7)"_s;
    QTest::newRow("numeric keypad multiply: 20") << (Qt::Key_Asterisk | kp) << u"Option1(10)"_s;
    QTest::newRow("N: no action") << int(Qt::Key_N) << u"Option1(5)"_s;
    QTest::newRow("X: discarded") << int(Qt::Key_X) << u"Option1(5)"_s;
}

void TestIngresso::startScreenKeys() {
    QFETCH(int, tasto);
    QFETCH(QString, fuoco);
    Programma p(InOrdine());
    p.Avvia();
    FrmInizio& f = p.frmInizio;
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    f.Option1(5).SetFocus();
    Premi(Qt::Key(tasto & ~int(Qt::KeyboardModifierMask)),
          Qt::KeyboardModifiers(tasto & int(Qt::KeyboardModifierMask)));
    QCOMPARE(NomeFuoco(), fuoco);
    QCOMPARE(f.Label1().Caption(), u"Tabella "_s);

    Premi(Qt::Key_Return); // Enter chooses the focused table and goes to "Vai"
    QCOMPARE(NomeFuoco(), u"Option2(0)"_s);
    Premi(Qt::Key_1);
    QCOMPARE(NomeFuoco(), u"Option2(1)"_s);
    Premi(Qt::Key_2); // no key reaches "Esci"
    Premi(Qt::Key_V);
    QCOMPARE(NomeFuoco(), u"Option2(1)"_s);
    Premi(Qt::Key_Return); // "Ripristina"
    QCOMPARE(NomeFuoco(), u"Option1(0)"_s);
    Premi(Qt::Key_0);
    QCOMPARE(NomeFuoco(), u"Option1(0)"_s);
    f.Option2(1).SetFocus();
    Premi(Qt::Key_0); // Enter went down on the commands and up on the tables: it acts at once
    QCOMPARE(NomeFuoco(), u"Option2(0)"_s);
    Premi(Qt::Key_Return); // "Vai"
    QVERIFY(p.frmOperativo.IsShown());
}

void TestIngresso::helpAndNoticeKeys() {
    Schermo s;
    QVERIFY(s.ok);
    s.Sbaglia();
    Premi(Qt::Key_N);
    QVERIFY(s.frm().Option3(1).HasFocus());
    Premi(Qt::Key_1, Qt::KeypadModifier);
    QVERIFY(s.frm().Option3(0).HasFocus());
    Premi(Qt::Key_2);
    QVERIFY(s.frm().Option3(1).HasFocus());
    Premi(Qt::Key_S);
    QVERIFY(s.frm().Option3(0).HasFocus());
    Premi(Qt::Key_Return); // "SI"
    QCOMPARE(int{s.frm().RigaCorrente}, 1);

    s.p.stato.NumeroEsercizio = 29; // the thirtieth exercise
    s.frm().PremiTasto(8);
    s.frm().PremiTasto(tastierino::Invio);
    QVERIFY(RiquadroDavanti(s.frm()) == u"fraAvviso");
    QVERIFY(s.frm().optAvviso(0).HasFocus());
    Premi(Qt::Key_Return); // "Stampa": the print window, without waiting for it
    QVERIFY(s.p.frmStampaEsercizio.IsShown());
    QVERIFY(!s.p.frmStampaEsercizio.Window()->isModal());
    QCOMPARE(s.p.frmStampaEsercizio.LblOp(0).Caption(), s.p.stato.Esercizi[0]);
    s.p.frmStampaEsercizio.Unload();
    s.frm().Window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.frm().Window()));
    s.frm().optAvviso(0).SetFocus();
    Premi(Qt::Key_R);
    QVERIFY(s.frm().optAvviso(1).HasFocus());
    Premi(Qt::Key_Return); // "Ricomincia"
    QVERIFY(RiquadroDavanti(s.frm()) == u"fraTastierino");
    QCOMPARE(int{s.p.stato.NumeroEsercizio}, 0);
}

// Every mouse button acts on the press; no button stays drawn pressed.
void TestIngresso::anyMouseButton() {
    Schermo s;
    QVERIFY(s.ok);
    QTest::mousePress(s.Tasto(7).Widget(), Qt::RightButton);
    QCOMPARE(s.p.stato.Risposta, u"7"_s);
    QVERIFY(s.Tasto(7).HasFocus());
    QTest::mouseRelease(s.Tasto(7).Widget(), Qt::RightButton);
    QVERIFY(!s.Tasto(7).Value());
    QTest::mousePress(s.Tasto(tastierino::Invio).Widget(),
                      Qt::MiddleButton); // wrong: the help offer
    QVERIFY(RiquadroDavanti(s.frm()) == u"fraAiuto");
    QTest::mouseRelease(s.Tasto(tastierino::Invio).Widget(), Qt::MiddleButton);
    QTest::mousePress(s.frm().Option3(1).Widget(), Qt::RightButton); // "NO"
    QCOMPARE(int{s.frm().ContaNo}, 1);
    QVERIFY(RiquadroDavanti(s.frm()) == u"fraTastierino");
    QTest::mouseRelease(s.frm().Option3(1).Widget(), Qt::RightButton);
    QVERIFY(!s.frm().Option3(1).Value());
}

// Enter held on "SI": the help runs once, and nothing is typed into the next row.
void TestIngresso::heldEnterOnSi() {
    Schermo s;
    QVERIFY(s.ok);
    s.Sbaglia();
    QVERIFY(s.frm().Option3(0).HasFocus());
    Tieni(Qt::Key_Return, 12);
    QCOMPARE(int{s.frm().RigaCorrente}, 1);
    QCOMPARE(s.frm().lblRisultato(1).Caption(), u"?"_s);
    QVERIFY(s.p.stato.Risposta.isEmpty());
    QCOMPARE(s.p.stato.Esercizi[1], regole::PrefissoEsercizio(10, 2));
    Premi(Qt::Key_8); // the next stroke works at once
    QCOMPARE(s.p.stato.Risposta, u"8"_s);
}

// Enter held on the third "NO" does not skip past "Intervengo io".
void TestIngresso::heldEnterOnTheThirdNo() {
    Schermo s;
    QVERIFY(s.ok);
    s.frm().ContaNo = 2;
    s.Sbaglia();
    Premi(Qt::Key_N);
    Tieni(Qt::Key_Return, 12);
    QVERIFY(RiquadroDavanti(s.frm()) == u"fraIntervento");
    QVERIFY(s.frm().optOK().HasFocus());
    QCOMPARE(int{s.frm().RigaCorrente}, 0);
    Premi(Qt::Key_Shift); // any key, Shift alone included
    QCOMPARE(int{s.frm().RigaCorrente}, 1);
    QCOMPARE(s.frm().lblRisultato(0).Caption(), u" 9"_s);
    QVERIFY(s.Tasto(0).HasFocus());
}

// A key that moved the focus to another array frees its own array when it goes up there:
// the next stroke on the first array acts at once. Held, it still acts only once.
void TestIngresso::keyUpElsewhereFreesItsArray() {
    Schermo s;
    QVERIFY(s.ok);
    Premi(Qt::Key_7);
    Premi(Qt::Key_7);
    Giu(Qt::Key_Return); // wrong: the help offer comes up, "SI" focused
    QVERIFY(s.frm().Option3(0).HasFocus());
    QVERIFY(s.frm().Tastierino.BloccoTastoGiu);
    Su(Qt::Key_Return); // up on "SI"
    QVERIFY(!s.frm().Tastierino.BloccoTastoGiu);
    QTest::mousePress(s.frm().Option3(1).Widget(), Qt::LeftButton); // "NO" by mouse
    QTest::mouseRelease(s.frm().Option3(1).Widget(), Qt::LeftButton);
    QVERIFY(s.Tasto(0).HasFocus());
    Premi(Qt::Key_5);
    QCOMPARE(s.p.stato.Risposta, u"5"_s);
}

// Enter on a table, Enter on "Vai", the exercise screen closed: the first digit pressed back
// on the start screen moves the focus at once.
void TestIngresso::noPressLostAfterAnotherWindow() {
    Programma p(InOrdine());
    p.Avvia();
    FrmInizio& f = p.frmInizio;
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    f.Option1(3).SetFocus();
    Premi(Qt::Key_Return); // down on the tables, up on "Vai"
    QCOMPARE(NomeFuoco(), u"Option2(0)"_s);
    Giu(Qt::Key_Return); // "Vai": the exercise screen takes the focus before the key goes up
    QVERIFY(QTest::qWaitForWindowActive(p.frmOperativo.Window()));
    Su(Qt::Key_Return);
    QVERIFY(!f.Tabelle.BloccoTastoGiu);
    QVERIFY(!f.Comandi.BloccoTastoGiu);
    p.frmOperativo.Window()->close();
    f.Window()->activateWindow(); // the desktop gives the start screen back its activation
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QTRY_COMPARE(NomeFuoco(), u"Option1(0)"_s);
    Premi(Qt::Key_5);
    QCOMPARE(NomeFuoco(), u"Option1(5)"_s);
}

// On the start screen a click on a table button clears the table choice's guard left by a key
// that went up elsewhere; the next key there acts at once.
void TestIngresso::mouseUpClearsStartScreenGuards() {
    Programma p(InOrdine());
    p.Avvia();
    FrmInizio& f = p.frmInizio;
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    f.Option1(4).SetFocus();
    Giu(Qt::Key_Return); // down on the tables, the focus now on "Vai", not yet up
    QVERIFY(f.Tabelle.BloccoTastoGiu);
    QTest::mousePress(f.Option1(6).Widget(), Qt::RightButton);
    QTest::mouseRelease(f.Option1(6).Widget(), Qt::RightButton);
    QVERIFY(!f.Tabelle.BloccoTastoGiu);
    QCOMPARE(f.Label1().Caption(), u"Tabella del 6"_s); // the press chose table 6
    f.Option1(2).SetFocus();
    Premi(Qt::Key_8);
    QCOMPARE(NomeFuoco(), u"Option1(8)"_s);
}

void TestIngresso::focusColours() {
    Schermo s;
    QVERIFY(s.ok);
    QCOMPARE(s.Tasto(0).BackColor(), tavolozza::ColoreFuoco);
    Premi(Qt::Key_Space); // scanning
    QCOMPARE(s.Tasto(0).BackColor(), tavolozza::ColoreRiposo);
    QCOMPARE(s.Tasto(1).BackColor(), tavolozza::ColoreFuoco);
    Premi(Qt::Key_4); // a digit key: to "Invio"
    QCOMPARE(s.Tasto(1).BackColor(), tavolozza::ColoreRiposo);
    QCOMPARE(s.Tasto(tastierino::Invio).BackColor(), tavolozza::ColoreFuoco);
    QTest::mousePress(s.Tasto(6).Widget(), Qt::LeftButton); // a mouse press
    QTest::mouseRelease(s.Tasto(6).Widget(), Qt::LeftButton);
    QCOMPARE(s.Tasto(tastierino::Invio).BackColor(), tavolozza::ColoreRiposo);
    QCOMPARE(s.Tasto(6).BackColor(), tavolozza::ColoreFuoco);
    s.frm().ContaNo = 2;
    s.frm().PremiTasto(tastierino::Invio); // a command: the help offer
    QCOMPARE(s.frm().Option3(0).BackColor(), tavolozza::ColoreFuoco);
    QCOMPARE(s.Tasto(6).BackColor(), tavolozza::ColoreRiposo);
    s.frm().NoNo();
    QCOMPARE(s.frm().optOK().BackColor(), platform::colour::Rgb(255, 192, 128));
    QCOMPARE(s.frm().Option3(0).BackColor(), tavolozza::ColoreRiposo);
    for (int i = 0; i < 14; ++i) {
        QVERIFY(!s.Tasto(i).Value());
    }
}

// An assistive tool's press on a button runs what Enter on it runs.
void TestIngresso::assistivePressIsEnter() {
    Schermo s;
    QVERIFY(s.ok);
    auto premi = [](Control& c) { static_cast<QAbstractButton*>(c.Widget())->click(); };
    premi(s.Tasto(9));
    QCOMPARE(s.p.stato.Risposta, u"9"_s);
    premi(s.Tasto(tastierino::Invio));
    QCOMPARE(int{s.p.stato.NumeroEsercizio}, 1);
    s.frm().PremiTasto(1);
    premi(s.Tasto(tastierino::Invio));
    premi(s.frm().Option3(0));
    QCOMPARE(int{s.p.stato.NumeroEsercizio}, 2);
}

void TestIngresso::wholeTableThreeWays_data() {
    QTest::addColumn<QString>("modo");
    QTest::newRow("keyboard only") << u"tastiera"_s;
    QTest::newRow("mouse only") << u"mouse"_s;
    QTest::newRow("Space and Enter only") << u"scansione"_s;
}

void TestIngresso::wholeTableThreeWays() {
    QFETCH(QString, modo);
    Schermo s;
    QVERIFY(s.ok);
    auto scorri = [&](int indice) { // Space until the button has the focus
        for (int i = 0; i < 14 && !s.Tasto(indice).HasFocus(); ++i) {
            Premi(Qt::Key_Space);
        }
        QVERIFY(s.Tasto(indice).HasFocus());
    };
    auto clic = [&](int indice) {
        QTest::mousePress(s.Tasto(indice).Widget(), Qt::LeftButton);
        QTest::mouseRelease(s.Tasto(indice).Widget(), Qt::LeftButton);
    };
    for (int riga = 0; riga < 10; ++riga) {
        const QString risposta = s.Atteso();
        for (const QChar c : risposta) {
            const int cifra = c.digitValue();
            if (modo == u"tastiera") {
                Premi(Qt::Key(Qt::Key_0 + cifra));
            } else if (modo == u"mouse") {
                clic(cifra);
            } else {
                scorri(cifra);
                Premi(Qt::Key_Return);
            }
        }
        QCOMPARE(s.Cella(), risposta);
        if (modo == u"tastiera") {
            Premi(Qt::Key_Return); // the focus is already on "Invio"
        } else if (modo == u"mouse") {
            clic(11);
        } else {
            scorri(11);
            Premi(Qt::Key_Return);
        }
        QCOMPARE(int{s.p.stato.NumeroEsercizio}, riga + 1);
    }
    QVERIFY(s.Tasto(tastierino::NuovaTabella).HasFocus());
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(s.p.stato.Esercizi[static_cast<std::size_t>(k)],
                 regole::PrefissoEsercizio(10, k + 1) + QString::number(9 - k) + u"  "_s);
    }
}

QTEST_MAIN(TestIngresso)
#include "tst_ingresso.moc"
