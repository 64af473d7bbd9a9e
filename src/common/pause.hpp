#pragma once
// The pause of the legacy program: it lets window events run (re-entrantly) while the time of
// day advances by the given number of seconds. It waits on `waitUntil` (see Services) instead of
// spinning, so a headless script's waits, not its DoEvents calls, end it.
#include "platform/basic/clock.hpp"

#include <cstdint>
#include <functional>

namespace kartino::common {

void pause(const basic::Clock &clock, const std::function<void(std::int64_t)> &waitUntil, float seconds);

} // namespace kartino::common
