#pragma once
// Pointing without a mouse: while a task waits for its answer, the arrow keys move the
// cross-hair over the map by one design unit (with Shift by eight) and Space answers where it
// stands. This is the arithmetic of a step; the form's keys are in keyboard_pointer.cpp.
#include "common/design_screen.hpp"
#include "content/map_geometry.hpp"
#include "platform/ui/events.hpp"

#include <optional>

namespace kartino::exercise {

inline constexpr int kAnswerKey = 32; // Space

struct DesignStep {
    int dx = 0, dy = 0;
};

// The step of an arrow key, or nothing for another key.
std::optional<DesignStep> arrowstep(int keycode, int shift);

// The screen pixel one step from `from`: on the design grid, inside the map rectangle (its
// outermost whole pixels), and a pixel at least away from `from` where the map leaves room
// (a design unit may be less than a pixel). Nothing when the map holds no whole pixel.
std::optional<ui::ScreenPoint> steppedpoint(const common::ScreenMetrics &sc, const content::MapGeometry &map,
                                            ui::ScreenPoint from, DesignStep step);

} // namespace kartino::exercise
