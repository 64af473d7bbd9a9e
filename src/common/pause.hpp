#pragma once
// The busy wait of the legacy program: it lets pending window events run (re-entrantly) while
// the time of day advances by the given number of seconds.
#include "platform/basic/clock.hpp"

#include <functional>

namespace kartino::common {

void pause(const basic::Clock &clock, const std::function<void()> &doEvents, float seconds);

} // namespace kartino::common
