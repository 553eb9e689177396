// Key strokes to virtual-key codes: the code is the physical key's, whatever Shift, Caps Lock,
// NumLock or the layout make it type.

#include "platform/keymap.h"
#include "platform/keys.h"

#include <QKeyEvent>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::KeyboardMap;
namespace vk = platform::vk;

class TestTasti : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyCodeFromTheKey_data();
    void keyCodeFromTheKey();
    void keyEventOnTheLayoutInUse_data();
    void keyEventOnTheLayoutInUse();
    void withoutAKeyboardMap_data();
    void withoutAKeyboardMap();
};

// X keycodes of a pc105 keyboard.
namespace kc {
constexpr int Digit1 = 10, Digit3 = 12, Digit5 = 14, Digit8 = 17, Digit2 = 11;
constexpr int Q = 24, C = 54, Backspace = 22, Return = 36, Space = 65, F2 = 68;
constexpr int BracketRight = 35; // "+" on an Italian keyboard
constexpr int Kp7 = 79, Kp5 = 84, Kp1 = 87, Kp0 = 90, KpDecimal = 91, KpMultiply = 63;
constexpr int KpEnter = 104;
} // namespace kc

void TestTasti::keyCodeFromTheKey_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("keycode");
    QTest::addColumn<QStringList>("modifiers"); // held Shift, Lock (Caps Lock), Mod2 (NumLock)
    QTest::addColumn<QString>("types");         // what the stroke types: the symbol Qt reports
    QTest::addColumn<int>("code");
    const QStringList none;
    const QStringList shift{u"Shift"_s};
    const QStringList caps{u"Lock"_s};
    const QStringList numLock{u"Mod2"_s};
    // clang-format off
    QTest::newRow("5")                           << u"us"_s << kc::Digit5 << none  << u"5"_s       << 53;
    QTest::newRow("Shift+5 types % and is 53")   << u"us"_s << kc::Digit5 << shift << u"percent"_s << 53;
    QTest::newRow("Caps Lock+5")                 << u"us"_s << kc::Digit5 << caps  << u"5"_s       << 53;
    QTest::newRow("Shift+8 types * and is 56")   << u"us"_s << kc::Digit8 << shift << u"asterisk"_s << 56;
    QTest::newRow("c")                           << u"us"_s << kc::C << none  << u"c"_s << 67;
    QTest::newRow("Shift+C")                     << u"us"_s << kc::C << shift << u"C"_s << 67;
    QTest::newRow("Caps Lock+C")                 << u"us"_s << kc::C << caps  << u"C"_s << 67;
    QTest::newRow("keypad 7, NumLock on")        << u"us"_s << kc::Kp7 << numLock << u"KP_7"_s      << 103;
    QTest::newRow("keypad 7, NumLock off")       << u"us"_s << kc::Kp7 << none    << u"KP_Home"_s   << 103;
    QTest::newRow("keypad 5, NumLock off")       << u"us"_s << kc::Kp5 << none    << u"KP_Begin"_s  << 101;
    QTest::newRow("keypad 1, NumLock off")       << u"us"_s << kc::Kp1 << none    << u"KP_End"_s    << 97;
    QTest::newRow("keypad 0, NumLock off")       << u"us"_s << kc::Kp0 << none    << u"KP_Insert"_s << 96;
    QTest::newRow("keypad 0, NumLock on, Shift") << u"us"_s << kc::Kp0 << QStringList{u"Mod2"_s, u"Shift"_s} << u"KP_Insert"_s << 96;
    QTest::newRow("keypad decimal, NumLock off") << u"us"_s << kc::KpDecimal << none << u"KP_Delete"_s << 110;
    QTest::newRow("keypad *")                    << u"us"_s << kc::KpMultiply << none << u"KP_Multiply"_s << 106;
    QTest::newRow("keypad Enter")                << u"us"_s << kc::KpEnter << none << u"KP_Enter"_s << 13;
    QTest::newRow("Enter")                       << u"us"_s << kc::Return << none << u"Return"_s << 13;
    QTest::newRow("Backspace")                   << u"us"_s << kc::Backspace << none << u"BackSpace"_s << 8;
    QTest::newRow("Space")                       << u"us"_s << kc::Space << shift << u"space"_s << 32;
    QTest::newRow("F2")                          << u"us"_s << kc::F2 << none << u"F2"_s << 113;
    QTest::newRow("Italian Shift+3 types £")     << u"it"_s << kc::Digit3 << shift << u"sterling"_s << 51;
    QTest::newRow("Italian Shift+1 types !")     << u"it"_s << kc::Digit1 << shift << u"exclam"_s << 49;
    QTest::newRow("Italian * over + is the + key") << u"it"_s << kc::BracketRight << shift << u"asterisk"_s << 187;
    QTest::newRow("Italian Caps Lock+C")         << u"it"_s << kc::C << caps << u"C"_s << 67;
    QTest::newRow("French top row types é: 2")   << u"fr"_s << kc::Digit2 << none << u"eacute"_s << 50;
    QTest::newRow("French A where US has Q")     << u"fr"_s << kc::Q << none << u"a"_s << 65;
    // clang-format on
}

void TestTasti::keyCodeFromTheKey() {
    QFETCH(QString, layout);
    QFETCH(int, keycode);
    QFETCH(QStringList, modifiers);
    QFETCH(QString, types);
    QFETCH(int, code);
    const auto map = KeyboardMap::FromNames(layout.toLatin1().constData());
    QVERIFY2(map != nullptr, "the keyboard layouts (xkb-data) are not installed");
    std::vector<QByteArray> names;
    std::vector<const char*> mods;
    for (const QString& m : modifiers) {
        names.push_back(m.toLatin1());
    }
    for (const QByteArray& n : names) {
        mods.push_back(n.constData());
    }
    QCOMPARE(KeyboardMap::KeysymName(map->Keysym(keycode, mods)), types);
    QCOMPARE(map->VirtualKey(keycode, 0), code);
}

// A key event names its key (the X keycode) and the layout in use (bits 13-14 of its state).
void TestTasti::keyEventOnTheLayoutInUse_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("keycode");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("code");
    const int shift = 1;
    const int second = 1 << 13;
    QTest::newRow("Shift+5 on US") << int(Qt::Key_Percent) << kc::Digit5 << shift << 53;
    QTest::newRow("the ] key on US")
        << int(Qt::Key_BracketRight) << kc::BracketRight << 0 << int(vk::Oem6);
    QTest::newRow("the same key on Italian, the second layout")
        << int(Qt::Key_Asterisk) << kc::BracketRight << (second | shift) << int(vk::OemPlus);
    QTest::newRow("Italian Shift+3")
        << int(Qt::Key_sterling) << kc::Digit3 << (second | shift) << 51;
    QTest::newRow("no keycode: Qt's key") << int(Qt::Key_7) << 0 << 0 << 55;
}

void TestTasti::keyEventOnTheLayoutInUse() {
    QFETCH(int, qtKey);
    QFETCH(int, keycode);
    QFETCH(int, state);
    QFETCH(int, code);
    const auto map = KeyboardMap::FromNames("us,it");
    QVERIFY(map != nullptr);
    const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier, quint32(keycode), 0,
                          quint32(state));
    QCOMPARE(platform::VirtualKey(event, map.get()), code);
}

// Off X (headless, or a display whose map cannot be read) the code comes from Qt's key: the
// keypad's movement keys are still its digits.
void TestTasti::withoutAKeyboardMap_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("code");
    QTest::newRow("keypad 7, NumLock off") << int(Qt::Key_Home) << true << 103;
    QTest::newRow("keypad 5, NumLock off") << int(Qt::Key_Clear) << true << 101;
    QTest::newRow("keypad 0, NumLock off") << int(Qt::Key_Insert) << true << 96;
    QTest::newRow("keypad 3") << int(Qt::Key_3) << true << 99;
    QTest::newRow("Home of the main block") << int(Qt::Key_Home) << false << int(vk::Home);
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << true << 106;
    QTest::newRow("a * of the main block is no digit")
        << int(Qt::Key_Asterisk) << false << int(vk::Unknown);
    QTest::newRow("arrow") << int(Qt::Key_Up) << false << int(vk::Up);
}

void TestTasti::withoutAKeyboardMap() {
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, qtKey, keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(platform::VirtualKey(event, nullptr), code);
}

QTEST_MAIN(TestTasti)
#include "tst_tasti.moc"
