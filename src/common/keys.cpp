#include "common/keys.hpp"

#include "common/fields.hpp"

namespace kartino::common {

namespace {

struct ScanCode {
    int keycode;
    std::int16_t scancode;
};
// C, X, Q, Esc, Backspace, Delete.
constexpr ScanCode kScanCodes[] = {{67, 46}, {88, 45}, {81, 16}, {27, 1}, {8, 14}, {46, 83}};

} // namespace

std::int16_t scancodeOf(int keycode) {
    for (const ScanCode &k : kScanCodes)
        if (k.keycode == keycode) return k.scancode;
    return 0;
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
