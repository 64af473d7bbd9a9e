#include "platform/ui/cursor.hpp"

namespace kartino::ui {

int CursorCounter::ShowCursor(bool show) {
    bool wasVisible = visible();
    count_ += show ? 1 : -1;
    if (visible() != wasVisible) {
        backend_.setCursorVisible(visible());
        backend_.trace().line(visible() ? "cursor shown" : "cursor hidden");
    }
    return count_;
}

} // namespace kartino::ui
