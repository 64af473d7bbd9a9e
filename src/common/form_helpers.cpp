#include "common/form_helpers.hpp"

#include "common/palette.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/system_colours.hpp"

namespace kartino::common {

namespace {

constexpr std::uint32_t kPaletteRelative = 1u << 25;

} // namespace

void systemline(ui::Form &form, int x1, int y1, int x2, int y2, ui::SystemColour c) {
    form.Line(gfx::PenPoint{static_cast<double>(x1), static_cast<double>(y1)},
              gfx::PenPoint{static_cast<double>(x2), static_cast<double>(y2)}, ui::systemColour(c));
}

ButtonRect buttonrect(const ui::Control &control) {
    ButtonRect r;
    r.L = basic::checkedInteger(control.Left());
    r.T = basic::checkedInteger(control.Top());
    r.R = basic::checkedInteger(r.L + control.Width() - 1);
    r.B = basic::checkedInteger(r.T + control.Height() - 1);
    return r;
}

void drawbuttonface(ui::Form &form, const ButtonRect &r) {
    form.Line(gfx::PenPoint{static_cast<double>(r.L), static_cast<double>(r.T)},
              gfx::PenPoint{static_cast<double>(r.R), static_cast<double>(r.B)},
              ui::systemColour(ui::SystemColour::ButtonFace), gfx::BoxMode::Filled);
}

void drawraisededges(ui::Form &form, const ButtonRect &r) {
    using ui::SystemColour;
    const auto [L, T, R, B] = r;
    systemline(form, L, T, L, B - 1, SystemColour::Highlight3D);
    systemline(form, L + 1, T, L + 1, B - 2, SystemColour::Light3D);
    systemline(form, L, T, R, T, SystemColour::Highlight3D);
    systemline(form, L + 1, T + 1, R, T + 1, SystemColour::Light3D);
    systemline(form, L + 1, B - 1, R, B - 1, SystemColour::ButtonShadow);
    systemline(form, L, B, R + 1, B, SystemColour::ButtonText);
    systemline(form, R - 1, T + 1, R - 1, B - 1, SystemColour::ButtonShadow);
    systemline(form, R, T, R, B, SystemColour::ButtonText);
}

void drawcancelbox(ui::Form &form, const ui::Control &LabelCancel) {
    using ui::SystemColour;
    const ButtonRect r = buttonrect(LabelCancel);
    const auto [L, T, R, B] = r;
    drawbuttonface(form, r);
    drawraisededges(form, r);
    systemline(form, L + 4, T + 3, R - 4, B - 3, SystemColour::ButtonText);
    systemline(form, L + 5, T + 3, R - 3, B - 3, SystemColour::ButtonText);
    systemline(form, L + 4, B - 4, R - 4, T + 2, SystemColour::ButtonText);
    systemline(form, L + 5, B - 4, R - 3, T + 2, SystemColour::ButtonText);
}

void floodarea(ui::Form &form, const Shared &shared, int x, int y, int fillcolour, int bordercolour) {
    form.setFillStyle(0);
    form.setFillColor(palcolor(shared, fillcolour));
    form.FloodFill(x, y, palcolor(shared, bordercolour) | kPaletteRelative);
    form.setFillStyle(1);
}

} // namespace kartino::common
