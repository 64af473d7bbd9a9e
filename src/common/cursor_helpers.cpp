#include "common/cursor_helpers.hpp"

namespace kartino::common {

namespace {

void lowerBelow(const ShowCursorFn &ShowCursor, int limit) {
    while (ShowCursor(false) >= limit) {
    }
}

void raiseTo(const ShowCursorFn &ShowCursor, int atLeast) {
    while (ShowCursor(true) < atLeast) {
    }
}

} // namespace

void hidecursor(const ShowCursorFn &ShowCursor) {
    lowerBelow(ShowCursor, -1);
    raiseTo(ShowCursor, 0);
    ShowCursor(false);
}

void showcursor(const ShowCursorFn &ShowCursor) {
    lowerBelow(ShowCursor, -1);
    raiseTo(ShowCursor, 0);
}

void restorecursor(const ShowCursorFn &ShowCursor, std::int32_t savedcursorcount) {
    lowerBelow(ShowCursor, savedcursorcount);
    raiseTo(ShowCursor, savedcursorcount + 1);
}

} // namespace kartino::common
