#pragma once
// SDL key symbols and modifier states in the legacy terms (internal to the SDL backend).
#include <SDL.h>

namespace kartino::backend {

// The legacy virtual-key code of a key, or 0 for a key the program cannot see.
int legacyKeyCode(SDL_Keycode sym);
// Shift bits: 1 Shift, 2 Ctrl, 4 Alt.
int legacyShift(Uint16 mod);
// Mouse buttons: 1 left, 2 right, 4 middle.
int legacyButton(Uint8 sdlButton);
int legacyButtons(Uint32 sdlState);

} // namespace kartino::backend
