#include "common/scale_control.hpp"

#include "platform/basic/numbers.hpp"

#include <algorithm>
#include <limits>

namespace kartino::common {

int topixels(double v) {
    constexpr double limit = 1 << 24; // far beyond any screen; keeps the conversion defined
    return static_cast<int>(basic::roundHalfEven(std::clamp(v, -limit, limit)));
}

void scalecontrol(const Shared &sh, ui::Control &control) {
    const ScreenMetrics &m = sh.screen;
    const int left = topixels(ctlscreenx(m, control.Left()));
    const int top = topixels(ctlscreeny(m, control.Top()));
    const int width = topixels(ctlscalex(m, control.Width()));
    const int height = topixels(ctlscaley(m, control.Height()));
    control.Move(left, top, width, height);
    control.setFontSize(ctlscaley(m, control.FontSize()));
    control.setFontCharset(sh.charsetnumber);
}

void placeindesign(ui::Control &control, const DesignRect &r) { control.Move(r.x, r.y, r.width, r.height); }

} // namespace kartino::common
