#include "platform/keys.h"

#include "platform/keymap.h"

#include <QKeyEvent>

namespace platform {

namespace {

// The keypad's digit keys with NumLock off arrive as movement keys: they are their digits.
int KeypadDigitKey(int key) {
    switch (key) {
    case Qt::Key_Insert:
        return vk::Numpad(0);
    case Qt::Key_End:
        return vk::Numpad(1);
    case Qt::Key_Down:
        return vk::Numpad(2);
    case Qt::Key_PageDown:
        return vk::Numpad(3);
    case Qt::Key_Left:
        return vk::Numpad(4);
    case Qt::Key_Clear:
        return vk::Numpad(5);
    case Qt::Key_Right:
        return vk::Numpad(6);
    case Qt::Key_Home:
        return vk::Numpad(7);
    case Qt::Key_Up:
        return vk::Numpad(8);
    case Qt::Key_PageUp:
        return vk::Numpad(9);
    default:
        return -1;
    }
}

// Without the keyboard's map: from Qt's key, which for a shifted key is its shifted symbol.
int VirtualKeyOfQtKey(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (keypad) {
        if (const int digit = KeypadDigitKey(key); digit >= 0) {
            return digit;
        }
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return keypad ? vk::Numpad(key - Qt::Key_0) : vk::Digit(key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return vk::Letter(char('A' + (key - Qt::Key_A)));
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return vk::F1 + (key - Qt::Key_F1);
    }
    switch (key) {
    case Qt::Key_Backspace:
        return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Return;
    case Qt::Key_Shift:
        return vk::Shift;
    case Qt::Key_Control:
        return vk::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return vk::Menu;
    case Qt::Key_Pause:
        return vk::Pause;
    case Qt::Key_CapsLock:
        return vk::Capital;
    case Qt::Key_Escape:
        return vk::Escape;
    case Qt::Key_Space:
        return vk::Space;
    case Qt::Key_PageUp:
        return vk::Prior;
    case Qt::Key_PageDown:
        return vk::Next;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Print:
        return vk::Snapshot;
    case Qt::Key_Insert:
        return vk::Insert;
    case Qt::Key_Delete:
        return keypad ? vk::Decimal : vk::Delete;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
        return vk::LWin;
    case Qt::Key_Super_R:
        return vk::RWin;
    case Qt::Key_Menu:
        return vk::Apps;
    case Qt::Key_Asterisk: // on the main block, a shifted symbol: its key is not known here
        return keypad ? vk::Multiply : vk::Unknown;
    case Qt::Key_Plus:
        return keypad ? vk::Add : vk::OemPlus;
    case Qt::Key_Minus:
        return keypad ? vk::Subtract : vk::OemMinus;
    case Qt::Key_Period:
        return keypad ? vk::Decimal : vk::OemPeriod;
    case Qt::Key_Comma:
        return keypad ? vk::Separator : vk::OemComma;
    case Qt::Key_Slash:
        return keypad ? vk::Divide : vk::Oem2;
    case Qt::Key_NumLock:
        return vk::NumLock;
    case Qt::Key_ScrollLock:
        return vk::Scroll;
    default:
        return vk::Unknown;
    }
}

} // namespace

int VirtualKey(const QKeyEvent& event, const KeyboardMap* map) {
    if (map != nullptr && event.nativeScanCode() != 0) {
        // The layout in use is in bits 13 and 14 of the X key event's state.
        const int group = int((event.nativeModifiers() >> 13) & 3);
        const int code = map->VirtualKey(event.nativeScanCode(), group);
        if (code >= 0) {
            return code;
        }
    }
    return VirtualKeyOfQtKey(event);
}

int VirtualKey(const QKeyEvent& event) {
    return VirtualKey(event, DisplayKeyboardMap());
}

int ShiftState(const QKeyEvent& event) {
    const auto mods = event.modifiers();
    return (mods.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (mods.testFlag(Qt::ControlModifier) ? 2 : 0) | (mods.testFlag(Qt::AltModifier) ? 4 : 0);
}

int AsciiCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1) {
        return 0;
    }
    const char16_t c = text.at(0).unicode();
    return c > 0 && c < 128 ? c : 0;
}

} // namespace platform
