#include "exercise/keyboard_pointer.hpp"

#include "exercise/form_kartino.hpp"
#include "platform/ui/application.hpp"

#include <algorithm>
#include <cmath>

namespace kartino::exercise {

namespace {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
constexpr int kShiftUnits = 8;

// One axis of a step: design position `from` pixel, `units` design units on, between the edges
// `first` and `last` (design units); `toscreen` and `todesign` convert.
template <typename ToScreen, typename ToDesign>
std::optional<int> stepaxis(int from, int units, int first, int last, ToScreen toscreen, ToDesign todesign) {
    const int lo = static_cast<int>(std::ceil(toscreen(first)));
    const int hi = static_cast<int>(std::floor(toscreen(last)));
    if (lo > hi) return std::nullopt;
    if (units == 0) return std::clamp(from, lo, hi);
    const double design = std::clamp(std::round(todesign(from)) + units, double(first), double(last));
    int to = std::clamp(static_cast<int>(std::lround(toscreen(design))), lo, hi);
    if (to == from) to = std::clamp(from + (units > 0 ? 1 : -1), lo, hi);
    return to;
}

} // namespace

std::optional<DesignStep> arrowstep(int keycode, int shift) {
    const int n = (shift & ui::kShiftMask) ? kShiftUnits : 1;
    switch (keycode) {
    case kLeft:
        return DesignStep{-n, 0};
    case kRight:
        return DesignStep{n, 0};
    case kUp:
        return DesignStep{0, -n};
    case kDown:
        return DesignStep{0, n};
    default:
        return std::nullopt;
    }
}

std::optional<ui::ScreenPoint> steppedpoint(const common::ScreenMetrics &sc, const content::MapGeometry &map,
                                            ui::ScreenPoint from, DesignStep step) {
    const auto x = stepaxis(
        from.x, step.dx, map.mapleft, map.mapright, [&](double v) { return common::screenx(sc, v); },
        [&](double v) { return common::designx(sc, v); });
    const auto y = stepaxis(
        from.y, step.dy, map.maptop, map.mapbottom, [&](double v) { return common::screeny(sc, v); },
        [&](double v) { return common::designy(sc, v); });
    if (!x || !y) return std::nullopt;
    return ui::ScreenPoint{*x, *y};
}

// The keys of pointing without a mouse, while a task waits for its answer: an arrow moves the
// cross-hair as a mouse move there would, and the mouse cursor with it, so that a real move
// later goes on from there; Space answers as a click at the cross-hair would. True when the key
// was one of them.
bool FormKartino::pointbykey(int keycode, int shift) {
    exercise::ExerciseRun &exerciserun = s_.exerciserun;
    if (!keyboardpointer_ || !exerciserun.awaitingclick) return false;
    if (keycode == kAnswerKey) {
        if (!exerciserun.systemcursor)
            Form_MouseDown(ui::kLeftButton, shift, static_cast<float>(exerciserun.crossx),
                           static_cast<float>(exerciserun.crossy));
        return true;
    }
    const std::optional<DesignStep> step = arrowstep(keycode, shift);
    if (!step) return false;
    const ui::ScreenPoint from = exerciserun.systemcursor
                                     ? app().GetCursorPos()
                                     : ui::ScreenPoint{static_cast<int>(std::lround(exerciserun.crossx)),
                                                       static_cast<int>(std::lround(exerciserun.crossy))};
    const std::optional<ui::ScreenPoint> to = steppedpoint(s_.shared.screen, s_.map, from, *step);
    if (!to) return true;
    Form_MouseMove(0, shift, static_cast<float>(to->x), static_cast<float>(to->y));
    app().SetCursorPos(*to);
    return true;
}

} // namespace kartino::exercise
