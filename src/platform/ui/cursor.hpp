#pragma once
// The mouse cursor's display counter (ShowCursor): show adds one, hide subtracts one, each
// returns the new count; the cursor is visible while the count is 0 or more. It starts at 0
// (a mouse is present). Only the transitions between 0 and -1 change what the trainee sees;
// they are passed to the backend and traced as "cursor shown" / "cursor hidden".
#include "platform/ui/backend.hpp"

namespace kartino::ui {

class CursorCounter {
  public:
    explicit CursorCounter(Backend &backend) : backend_(backend) {}

    int ShowCursor(bool show); // returns the new count
    int count() const { return count_; }
    bool visible() const { return count_ >= 0; }

  private:
    Backend &backend_;
    int count_ = 0;
};

} // namespace kartino::ui
