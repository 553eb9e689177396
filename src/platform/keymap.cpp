#include "platform/keymap.h"

#include "platform/keys.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QObject>
#include <algorithm>
#include <array>
#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace platform {

namespace {

int DigitOf(std::uint32_t sym) {
    return sym >= XKB_KEY_0 && sym <= XKB_KEY_9 ? int(sym - XKB_KEY_0) : -1;
}

int KeypadDigitOf(std::uint32_t sym) {
    return sym >= XKB_KEY_KP_0 && sym <= XKB_KEY_KP_9 ? int(sym - XKB_KEY_KP_0) : -1;
}

// The code of a key whose unshifted symbol is not a digit or a letter.
int VirtualKeyOfSymbol(std::uint32_t sym) {
    if (sym >= XKB_KEY_F1 && sym <= XKB_KEY_F24) {
        return vk::F1 + int(sym - XKB_KEY_F1);
    }
    switch (sym) {
    case XKB_KEY_BackSpace:
        return vk::Back;
    case XKB_KEY_Tab:
    case XKB_KEY_ISO_Left_Tab:
        return vk::Tab;
    case XKB_KEY_Return:
    case XKB_KEY_KP_Enter:
        return vk::Return;
    case XKB_KEY_Shift_L:
    case XKB_KEY_Shift_R:
        return vk::Shift;
    case XKB_KEY_Control_L:
    case XKB_KEY_Control_R:
        return vk::Control;
    case XKB_KEY_Alt_L:
    case XKB_KEY_Alt_R:
    case XKB_KEY_Meta_L:
    case XKB_KEY_Meta_R:
    case XKB_KEY_ISO_Level3_Shift:
        return vk::Menu;
    case XKB_KEY_Pause:
        return vk::Pause;
    case XKB_KEY_Caps_Lock:
        return vk::Capital;
    case XKB_KEY_Escape:
        return vk::Escape;
    case XKB_KEY_space:
        return vk::Space;
    case XKB_KEY_Prior:
        return vk::Prior;
    case XKB_KEY_Next:
        return vk::Next;
    case XKB_KEY_End:
        return vk::End;
    case XKB_KEY_Home:
        return vk::Home;
    case XKB_KEY_Left:
        return vk::Left;
    case XKB_KEY_Up:
        return vk::Up;
    case XKB_KEY_Right:
        return vk::Right;
    case XKB_KEY_Down:
        return vk::Down;
    case XKB_KEY_Print:
        return vk::Snapshot;
    case XKB_KEY_Insert:
        return vk::Insert;
    case XKB_KEY_Delete:
        return vk::Delete;
    case XKB_KEY_Super_L:
        return vk::LWin;
    case XKB_KEY_Super_R:
        return vk::RWin;
    case XKB_KEY_Menu:
        return vk::Apps;
    case XKB_KEY_Num_Lock:
        return vk::NumLock;
    case XKB_KEY_Scroll_Lock:
        return vk::Scroll;
    case XKB_KEY_KP_Multiply:
        return vk::Multiply;
    case XKB_KEY_KP_Add:
        return vk::Add;
    case XKB_KEY_KP_Separator:
        return vk::Separator;
    case XKB_KEY_KP_Subtract:
        return vk::Subtract;
    case XKB_KEY_KP_Decimal:
    case XKB_KEY_KP_Delete:
        return vk::Decimal;
    case XKB_KEY_KP_Divide:
        return vk::Divide;
    case XKB_KEY_semicolon:
        return vk::Oem1;
    case XKB_KEY_plus:
    case XKB_KEY_equal:
        return vk::OemPlus;
    case XKB_KEY_comma:
        return vk::OemComma;
    case XKB_KEY_minus:
        return vk::OemMinus;
    case XKB_KEY_period:
        return vk::OemPeriod;
    case XKB_KEY_slash:
        return vk::Oem2;
    case XKB_KEY_grave:
        return vk::Oem3;
    case XKB_KEY_bracketleft:
        return vk::Oem4;
    case XKB_KEY_backslash:
        return vk::Oem5;
    case XKB_KEY_bracketright:
        return vk::Oem6;
    case XKB_KEY_apostrophe:
        return vk::Oem7;
    case XKB_KEY_less:
        return vk::Oem102;
    default:
        // Any other symbol of the main block (an accented letter, a dead key): a key of the
        // keyboard that no button uses.
        return sym != XKB_KEY_NoSymbol ? vk::Unknown : -1;
    }
}

} // namespace

int VirtualKeyOfLevels(std::span<const std::uint32_t> keysyms) {
    if (keysyms.empty()) {
        return -1;
    }
    // A keypad digit key carries its digit on one level and a movement key on the other,
    // which NumLock chooses between: it is the digit either way.
    for (const std::uint32_t sym : keysyms) {
        if (const int d = KeypadDigitOf(sym); d >= 0) {
            return vk::Numpad(d);
        }
    }
    const std::uint32_t unshifted = keysyms[0];
    if (const int d = DigitOf(unshifted); d >= 0) {
        return vk::Digit(d);
    }
    const std::uint32_t upper = xkb_keysym_to_upper(unshifted);
    if (upper >= XKB_KEY_A && upper <= XKB_KEY_Z) {
        return vk::Letter(char('A' + (upper - XKB_KEY_A)));
    }
    // The top row of layouts that type punctuation unshifted (French) still carries the digits.
    for (const std::uint32_t sym : keysyms.subspan(1)) {
        if (const int d = DigitOf(sym); d >= 0) {
            return vk::Digit(d);
        }
    }
    return VirtualKeyOfSymbol(unshifted);
}

KeyboardMap::KeyboardMap(xkb_context* context, xkb_keymap* keymap)
    : context_(context), keymap_(keymap) {
}

KeyboardMap::~KeyboardMap() {
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

std::unique_ptr<KeyboardMap> KeyboardMap::FromNames(const char* layout, const char* variant) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (context == nullptr) {
        return nullptr;
    }
    const xkb_rule_names names{"evdev", "pc105", layout, variant, ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap == nullptr) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<KeyboardMap>(new KeyboardMap(context, keymap));
}

std::unique_ptr<KeyboardMap> KeyboardMap::FromX11Display() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return nullptr;
    }
    if (xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr) != 1) {
        return nullptr;
    }
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0) {
        return nullptr;
    }
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (context == nullptr) {
        return nullptr;
    }
    xkb_keymap* keymap =
        xkb_x11_keymap_new_from_device(context, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap == nullptr) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<KeyboardMap>(new KeyboardMap(context, keymap));
}

int KeyboardMap::VirtualKey(std::uint32_t keycode, int group) const {
    if (!xkb_keycode_is_legal_ext(keycode) || keycode < xkb_keymap_min_keycode(keymap_) ||
        keycode > xkb_keymap_max_keycode(keymap_)) {
        return -1;
    }
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(keymap_, keycode);
    if (layouts == 0) {
        return -1;
    }
    const auto layout = xkb_layout_index_t(group) < layouts ? xkb_layout_index_t(group) : 0;
    // A key has a handful of levels (two, four with AltGr, eight at most in the layouts).
    std::array<std::uint32_t, 8> levels{};
    const std::size_t count = std::min<std::size_t>(
        levels.size(), xkb_keymap_num_levels_for_key(keymap_, keycode, layout));
    for (std::size_t level = 0; level < count; ++level) {
        const xkb_keysym_t* syms = nullptr;
        const int n = xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout,
                                                       xkb_level_index_t(level), &syms);
        levels[level] = n > 0 ? syms[0] : XKB_KEY_NoSymbol;
    }
    return VirtualKeyOfLevels(std::span(levels.data(), count));
}

std::uint32_t KeyboardMap::Keysym(std::uint32_t keycode,
                                  std::span<const char* const> modifiers) const {
    xkb_state* state = xkb_state_new(keymap_);
    if (state == nullptr) {
        return XKB_KEY_NoSymbol;
    }
    xkb_mod_mask_t depressed = 0;
    xkb_mod_mask_t locked = 0;
    for (const char* name : modifiers) {
        const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap_, name);
        if (index == XKB_MOD_INVALID) {
            continue;
        }
        const bool isLock = qstrcmp(name, XKB_MOD_NAME_SHIFT) != 0;
        (isLock ? locked : depressed) |= xkb_mod_mask_t(1) << index;
    }
    xkb_state_update_mask(state, depressed, 0, locked, 0, 0, 0);
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(state, keycode);
    xkb_state_unref(state);
    return sym;
}

QString KeyboardMap::KeysymName(std::uint32_t keysym) {
    char name[64] = {};
    if (xkb_keysym_get_name(keysym, name, sizeof name) < 0) {
        return {};
    }
    return QString::fromLatin1(name);
}

namespace {

// Keeps the X display's map and reads it again when the X server reports a new keyboard or a
// changed map; lives as long as the application.
class DisplayMap final : public QObject, public QAbstractNativeEventFilter {
public:
    explicit DisplayMap(QObject* parent) : QObject(parent) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 != nullptr && x11->connection() != nullptr) {
            std::uint8_t firstEvent = 0;
            if (xkb_x11_setup_xkb_extension(x11->connection(), XKB_X11_MIN_MAJOR_XKB_VERSION,
                                            XKB_X11_MIN_MINOR_XKB_VERSION,
                                            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr,
                                            &firstEvent, nullptr) == 1) {
                xkbEvent_ = firstEvent;
            }
        }
        qGuiApp->installNativeEventFilter(this);
    }
    ~DisplayMap() override {
        if (qGuiApp != nullptr) {
            qGuiApp->removeNativeEventFilter(this);
        }
    }

    const KeyboardMap* Map() {
        if (stale_) {
            map_ = KeyboardMap::FromX11Display();
            stale_ = false;
        }
        return map_.get();
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (xkbEvent_ >= 0 && type == "xcb_generic_event_t") {
            const auto* event = static_cast<const xcb_generic_event_t*>(message);
            // The XKB events share one event number; their kind is in the next byte. 0 is a
            // new keyboard, 1 a changed map.
            if ((event->response_type & 0x7f) == xkbEvent_) {
                const auto kind = reinterpret_cast<const std::uint8_t*>(event)[1];
                if (kind == 0 || kind == 1) {
                    stale_ = true;
                }
            }
        }
        return false;
    }

private:
    std::unique_ptr<KeyboardMap> map_;
    bool stale_ = true;
    int xkbEvent_ = -1;
};

} // namespace

const KeyboardMap* DisplayKeyboardMap() {
    if (qGuiApp == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    static const char* const kName = "platform::DisplayMap";
    auto* map = dynamic_cast<DisplayMap*>(
        qGuiApp->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly));
    if (map == nullptr) {
        map = new DisplayMap(qGuiApp);
        map->setObjectName(QLatin1String(kName));
    }
    return map->Map();
}

} // namespace platform
