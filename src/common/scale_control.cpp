#include "common/scale_control.hpp"

#include "platform/basic/numbers.hpp"
#include "platform/ui/text_render.hpp"

#include <algorithm>
#include <limits>

namespace kartino::common {

int topixels(double v) {
    constexpr double limit = 1 << 24; // far beyond any screen; keeps the conversion defined
    return static_cast<int>(basic::roundHalfEven(std::clamp(v, -limit, limit)));
}

void scalecontrol(const Shared &shared, ui::Control &control) {
    const ScreenMetrics &m = shared.screen;
    const int left = topixels(ctlscreenx(m, control.Left()));
    const int top = topixels(ctlscreeny(m, control.Top()));
    const int width = topixels(ctlscalex(m, control.Width()));
    const int height = topixels(ctlscaley(m, control.Height()));
    control.Move(left, top, width, height);
    control.setFontSize(ctlscaley(m, control.FontSize()));
    control.setFontCharset(shared.charsetnumber);
}

void placeindesign(ui::Control &control, const DesignRect &r) {
    control.Move(r.x, r.y, r.width, r.height);
}

void fitcaption(ui::Control &label, const std::string &caption, int rightlimit) {
    const ui::FontSpec font = label.font();
    const int width = std::max(label.Width(), ui::textWidth(label.fonts(), font, label.dpi(), caption) + 1);
    const int height = std::max(label.Height(), ui::textHeight(label.fonts(), font, label.dpi()));
    const int left = label.Left() + width > rightlimit ? std::max(0, rightlimit - width) : label.Left();
    label.Move(left, label.Top(), width, height);
}

} // namespace kartino::common
