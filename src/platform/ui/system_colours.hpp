#pragma once
// The system colours of 3-D controls (the classic desktop scheme), for command buttons and for
// the program's own painted buttons and close box. A colour value with the high bit set
// (0x800000nn, the legacy system-colour constants) stands for system colour nn.
#include "platform/gfx/surface.hpp"

#include <cstdint>

namespace kartino::ui {

enum class SystemColour {
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    Highlight3D = 20,
    DarkShadow3D = 21,
    Light3D = 22,
};

gfx::Colour systemColour(SystemColour which);

// A colour as a property holds it: a plain 0x00BBGGRR value, or 0x800000nn for system colour nn.
gfx::Colour resolveColour(std::uint32_t value);

} // namespace kartino::ui
