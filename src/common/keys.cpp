#include "common/keys.hpp"

#include "common/fields.hpp"

namespace kartino::common {

std::int16_t scancodeOf(int keycode) {
    switch (keycode) {
    case 67:
        return 46; // C
    case 88:
        return 45; // X
    case 81:
        return 16; // Q
    case 27:
        return 1; // Esc
    case 8:
        return 14; // Backspace
    case 46:
        return 83; // Delete
    default:
        return 0;
    }
}

std::int16_t fnabortkey(const AbortKey &key, int keycode, int shift) {
    std::int16_t scan = scancodeOf(keycode);
    if (scan == 0 || scan != key.abortkeyscancode) return 0;
    bool alt = key.abortkeymodifier == 8 && (shift & altMask);
    bool ctrl = key.abortkeymodifier == 4 && (shift & ctrlMask);
    return alt || ctrl ? -1 : 0;
}

bool iskeyof(int keycode, const std::string &letter) {
    return !letter.empty() && keycode == static_cast<unsigned char>(letter.front());
}

bool isgoonkey(const std::string &keylist, int keycode) {
    if (keycode < -32768 || keycode > 32767) return false;
    return fninlist(keylist, static_cast<std::int16_t>(keycode)) != 0;
}

} // namespace kartino::common
