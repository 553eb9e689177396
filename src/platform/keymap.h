#pragma once

// The keyboard's own map: which symbols each physical key carries on each layout. A key's
// virtual-key code comes from the key itself, not from the character it types, so Shift,
// Caps Lock, a Shift latched by the desktop's Sticky Keys, NumLock and the layout change
// nothing: Shift+5 is still 53 and the keypad's 7 is still 103 with NumLock off.

#include <QString>
#include <cstdint>
#include <memory>
#include <span>

struct xkb_context;
struct xkb_keymap;

namespace platform {

// The virtual-key code of a key from the symbols of its levels on the active layout (level 0
// is what the key types unshifted), or -1 when none of them has a code.
int VirtualKeyOfLevels(std::span<const std::uint32_t> keysyms);

class KeyboardMap final {
public:
    // The map of a layout by its names ("us", "it"), as a keyboard configured so would have.
    static std::unique_ptr<KeyboardMap> FromNames(const char* layout, const char* variant = "");
    // The map the X display uses now; null when there is no X display.
    static std::unique_ptr<KeyboardMap> FromX11Display();
    ~KeyboardMap();
    KeyboardMap(const KeyboardMap&) = delete;
    KeyboardMap& operator=(const KeyboardMap&) = delete;

    // The virtual-key code of the key with this X keycode on layout `group`, or -1 when the key
    // is not in the map or has no code.
    int VirtualKey(std::uint32_t keycode, int group) const;
    // The symbol the key types with the given modifiers held or locked ("Shift", "Lock",
    // "Mod2" for NumLock), on the first layout: what the desktop delivers as the key's text.
    std::uint32_t Keysym(std::uint32_t keycode, std::span<const char* const> modifiers) const;
    static QString KeysymName(std::uint32_t keysym);

private:
    KeyboardMap(xkb_context* context, xkb_keymap* keymap);
    xkb_context* context_;
    xkb_keymap* keymap_;
};

// The X display's map, kept up to date: it is read again after the desktop changes the layout
// (setxkbmap, a layout switch). Null when the program does not run on X.
const KeyboardMap* DisplayKeyboardMap();

} // namespace platform
