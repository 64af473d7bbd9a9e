#pragma once
// The abort key: the combination the host configures (a modifier and a scan code) with which
// the trainee can leave the exercise at any moment. Every form's key-down handler tests it first.
#include <cstdint>
#include <string>

namespace kartino::common {

struct AbortKey {
    std::int16_t abortkeymodifier = 0; // 4 Ctrl, 8 Alt
    std::int16_t abortkeyscancode = 0; // scan code of the key
};

// Shift-state bits of key events.
inline constexpr int shiftMask = 1, ctrlMask = 2, altMask = 4;

// The keyboard scan code of the six keys that can be configured (C, X, Q, Esc, Backspace,
// Delete); 0 for any other key code.
std::int16_t scancodeOf(int keycode);

std::int16_t fnabortkey(const AbortKey &key, int keycode, int shift);

// The key code is the first character of `letter` (the yes and no keys of the instruction file);
// an empty letter has no key.
bool iskeyof(int keycode, const std::string &letter);

// The key code is one of the go-on keys of the comma-separated key list.
bool isgoonkey(const std::string &keylist, int keycode);

} // namespace kartino::common
