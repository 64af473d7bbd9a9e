#include "platform/backend/sdl/sdl_keys.hpp"

namespace kartino::backend {

namespace {

// A run of SDL key symbols whose legacy codes run in the same order from `code`.
struct KeyRange {
    SDL_Keycode first, last;
    int code;
};

constexpr KeyRange kKeyRanges[] = {
    {SDLK_a, SDLK_z, 'A'},
    {SDLK_0, SDLK_9, '0'},
    {SDLK_F1, SDLK_F12, 112},
    {SDLK_KP_1, SDLK_KP_9, 97},
};

// Every other key the program sees, with its legacy virtual-key code.
struct KeyCode {
    SDL_Keycode sym;
    int code;
};

constexpr KeyCode kKeyCodes[] = {
    {SDLK_KP_0, 96},          {SDLK_RETURN, 13},       {SDLK_KP_ENTER, 13},     {SDLK_ESCAPE, 27},
    {SDLK_SPACE, 32},         {SDLK_BACKSPACE, 8},     {SDLK_TAB, 9},           {SDLK_DELETE, 46},
    {SDLK_INSERT, 45},        {SDLK_HOME, 36},         {SDLK_END, 35},          {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34},      {SDLK_LEFT, 37},         {SDLK_UP, 38},           {SDLK_RIGHT, 39},
    {SDLK_DOWN, 40},          {SDLK_LSHIFT, 16},       {SDLK_RSHIFT, 16},       {SDLK_LCTRL, 17},
    {SDLK_RCTRL, 17},         {SDLK_LALT, 18},         {SDLK_RALT, 18},         {SDLK_PAUSE, 19},
    {SDLK_CAPSLOCK, 20},      {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},     {SDLK_KP_MINUS, 109},
    {SDLK_KP_PERIOD, 110},    {SDLK_KP_DIVIDE, 111},   {SDLK_SEMICOLON, 186},   {SDLK_EQUALS, 187},
    {SDLK_PLUS, 187},         {SDLK_COMMA, 188},       {SDLK_MINUS, 189},       {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},        {SDLK_BACKQUOTE, 192},   {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
};

} // namespace

int legacyKeyCode(SDL_Keycode sym) {
    for (const KeyRange &r : kKeyRanges)
        if (sym >= r.first && sym <= r.last) return r.code + (sym - r.first);
    for (const KeyCode &k : kKeyCodes)
        if (k.sym == sym) return k.code;
    return 0;
}

int legacyShift(Uint16 mod) {
    return ((mod & KMOD_SHIFT) ? 1 : 0) | ((mod & KMOD_CTRL) ? 2 : 0) | ((mod & KMOD_ALT) ? 4 : 0);
}

int legacyButton(Uint8 sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 4;
    default:
        return 0;
    }
}

int legacyButtons(Uint32 state) {
    return ((state & SDL_BUTTON_LMASK) ? 1 : 0) | ((state & SDL_BUTTON_RMASK) ? 2 : 0) |
           ((state & SDL_BUTTON_MMASK) ? 4 : 0);
}

} // namespace kartino::backend
