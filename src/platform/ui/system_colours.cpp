#include "platform/ui/system_colours.hpp"

namespace kartino::ui {

gfx::Colour systemColour(SystemColour which) {
    switch (which) {
    case SystemColour::ButtonFace:
        return gfx::rgb(192, 192, 192);
    case SystemColour::ButtonShadow:
        return gfx::rgb(128, 128, 128);
    case SystemColour::GrayText:
        return gfx::rgb(128, 128, 128);
    case SystemColour::ButtonText:
        return gfx::rgb(0, 0, 0);
    case SystemColour::Highlight3D:
        return gfx::rgb(255, 255, 255);
    case SystemColour::DarkShadow3D:
        return gfx::rgb(0, 0, 0);
    case SystemColour::Light3D:
        return gfx::rgb(223, 223, 223);
    }
    return 0;
}

gfx::Colour resolveColour(std::uint32_t value) {
    if ((value & 0x80000000u) == 0) return value & 0xFFFFFF;
    switch (value & 0xFF) {
    case 5:
        return gfx::rgb(255, 255, 255); // window background
    case 8:
        return gfx::rgb(0, 0, 0); // window text
    case 15:
        return systemColour(SystemColour::ButtonFace);
    case 16:
        return systemColour(SystemColour::ButtonShadow);
    case 17:
        return systemColour(SystemColour::GrayText);
    case 18:
        return systemColour(SystemColour::ButtonText);
    case 20:
        return systemColour(SystemColour::Highlight3D);
    case 21:
        return systemColour(SystemColour::DarkShadow3D);
    case 22:
        return systemColour(SystemColour::Light3D);
    default:
        return systemColour(SystemColour::ButtonFace);
    }
}

} // namespace kartino::ui
