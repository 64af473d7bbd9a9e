#pragma once
// Bringing the mouse cursor's display counter to a known value, whatever calls before left it
// at: hidden (-1), shown (0), or back to the count found when the exercise form was loaded.
#include <cstdint>
#include <functional>

namespace kartino::common {

// ShowCursor(show): raises or lowers the display counter and returns the new count.
using ShowCursorFn = std::function<int(bool show)>;

void hidecursor(const ShowCursorFn &ShowCursor);
void showcursor(const ShowCursorFn &ShowCursor);
void restorecursor(const ShowCursorFn &ShowCursor, std::int32_t savedcursorcount);

} // namespace kartino::common
