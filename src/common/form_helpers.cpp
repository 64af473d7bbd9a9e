#include "common/form_helpers.hpp"

#include "common/palette.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/system_colours.hpp"

namespace kartino::common {

namespace {

constexpr std::uint32_t kPaletteRelative = 1u << 25;

void line(ui::Form &form, int x1, int y1, int x2, int y2, ui::SystemColour c) {
    form.Line(gfx::PenPoint{static_cast<double>(x1), static_cast<double>(y1)},
              gfx::PenPoint{static_cast<double>(x2), static_cast<double>(y2)}, ui::systemColour(c));
}

} // namespace

void drawcancelbox(ui::Form &form, const ui::Control &LabelCancel) {
    using ui::SystemColour;
    const int L = basic::checkedInteger(LabelCancel.Left());
    const int T = basic::checkedInteger(LabelCancel.Top());
    const int R = basic::checkedInteger(L + LabelCancel.Width() - 1);
    const int B = basic::checkedInteger(T + LabelCancel.Height() - 1);
    form.Line(gfx::PenPoint{static_cast<double>(L), static_cast<double>(T)},
              gfx::PenPoint{static_cast<double>(R), static_cast<double>(B)},
              ui::systemColour(SystemColour::ButtonFace), gfx::BoxMode::Filled);
    line(form, L, T, L, B - 1, SystemColour::Highlight3D);
    line(form, L + 1, T, L + 1, B - 2, SystemColour::Light3D);
    line(form, L, T, R, T, SystemColour::Highlight3D);
    line(form, L + 1, T + 1, R, T + 1, SystemColour::Light3D);
    line(form, L + 1, B - 1, R, B - 1, SystemColour::ButtonShadow);
    line(form, L, B, R + 1, B, SystemColour::ButtonText);
    line(form, R - 1, T + 1, R - 1, B - 1, SystemColour::ButtonShadow);
    line(form, R, T, R, B, SystemColour::ButtonText);
    line(form, L + 4, T + 3, R - 4, B - 3, SystemColour::ButtonText);
    line(form, L + 5, T + 3, R - 3, B - 3, SystemColour::ButtonText);
    line(form, L + 4, B - 4, R - 4, T + 2, SystemColour::ButtonText);
    line(form, L + 5, B - 4, R - 3, T + 2, SystemColour::ButtonText);
}

void floodarea(ui::Form &form, const Shared &sh, int x, int y, int fillcolour, int bordercolour) {
    form.setFillStyle(0);
    form.setFillColor(palcolor(sh, fillcolour));
    form.FloodFill(x, y, palcolor(sh, bordercolour) | kPaletteRelative);
    form.setFillStyle(1);
}

} // namespace kartino::common
