#include "common/pause.hpp"

#include <algorithm>
#include <cmath>

namespace kartino::common {

void pause(const basic::Clock &clock, const std::function<void(std::int64_t)> &waitUntil, float seconds) {
    float start = clock.timer();
    // The end on the millisecond clock: what the events wait for. The Timer decides when the
    // pause is over; where its coarse Single steps lag behind, the pause waits on a millisecond
    // at a time, never for nothing.
    const std::int64_t endMs = clock.monotonicMs() + std::llround(seconds * 1000.0);
    for (;;) {
        float now = clock.timer();
        if (now - start >= seconds) return;
        if (waitUntil) waitUntil(std::max(endMs, clock.monotonicMs() + 1));
        now = clock.timer();
        if (now < start) start -= 86400; // midnight passed: the time of day started again at 0
    }
}

} // namespace kartino::common
