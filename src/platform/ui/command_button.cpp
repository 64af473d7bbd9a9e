#include "platform/ui/command_button.hpp"

#include "platform/gfx/draw.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/system_colours.hpp"

#include <algorithm>

namespace kartino::ui {

CommandButton::CommandButton(Form &parent, std::string name) : Control(parent, std::move(name)) {
    setForeColor(systemColour(SystemColour::ButtonText));
}

void CommandButton::pressed(bool down) {
    if (down == down_) return;
    down_ = down;
    Refresh();
}

void CommandButton::SetFocus() {
    parent().setFocus(this);
}

namespace {

// The two-pixel raised (or sunken) frame of a 3-D button.
void frame(gfx::Surface &s, bool sunken) {
    int r = s.width() - 1, b = s.height() - 1;
    gfx::Colour outerLight = systemColour(sunken ? SystemColour::DarkShadow3D : SystemColour::Highlight3D);
    gfx::Colour innerLight = systemColour(sunken ? SystemColour::ButtonShadow : SystemColour::Light3D);
    gfx::Colour outerDark = systemColour(sunken ? SystemColour::Highlight3D : SystemColour::DarkShadow3D);
    gfx::Colour innerDark = systemColour(sunken ? SystemColour::Light3D : SystemColour::ButtonShadow);
    gfx::line(s, 0, 0, r, 0, outerLight);
    gfx::line(s, 0, 0, 0, b, outerLight);
    gfx::line(s, 1, 1, r - 1, 1, innerLight);
    gfx::line(s, 1, 1, 1, b - 1, innerLight);
    gfx::line(s, 0, b, r + 1, b, outerDark);
    gfx::line(s, r, 0, r, b, outerDark);
    gfx::line(s, 1, b - 1, r, b - 1, innerDark);
    gfx::line(s, r - 1, 1, r - 1, b - 1, innerDark);
}

void focusRect(gfx::Surface &s, gfx::Colour c) {
    int l = 3, t = 3, r = s.width() - 4, b = s.height() - 4;
    if (r <= l || b <= t) return;
    for (int x = l; x <= r; x += 2) {
        gfx::pset(s, x, t, c);
        gfx::pset(s, x, b, c);
    }
    for (int y = t; y <= b; y += 2) {
        gfx::pset(s, l, y, c);
        gfx::pset(s, r, y, c);
    }
}

} // namespace

void CommandButton::render(gfx::Surface &look, std::vector<std::uint8_t> &mask) const {
    std::fill(mask.begin(), mask.end(), 1);
    look.fill(systemColour(SystemColour::ButtonFace));
    if (look.width() < 4 || look.height() < 4) return;
    frame(look, down_);
    FontSpec f = font();
    int pitch = textHeight(fonts(), f, dpi());
    std::vector<std::string> lines = wrapCaption(Caption(), look.width() - 8, fonts(), f, dpi());
    int shift = down_ ? 1 : 0;
    int y = (look.height() - pitch * static_cast<int>(lines.size())) / 2 + shift;
    for (const std::string &line : lines) {
        int x = (look.width() - textWidth(fonts(), f, dpi(), line)) / 2 + shift;
        if (Enabled()) {
            drawText(look, x, y, fonts(), f, dpi(), line, ForeColor());
        } else {
            drawText(look, x + 1, y + 1, fonts(), f, dpi(), line, systemColour(SystemColour::Highlight3D));
            drawText(look, x, y, fonts(), f, dpi(), line, systemColour(SystemColour::ButtonShadow));
        }
        y += pitch;
    }
    if (parent().focused() == this) focusRect(look, systemColour(SystemColour::ButtonText));
}

} // namespace kartino::ui
