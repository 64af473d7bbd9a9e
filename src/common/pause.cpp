#include "common/pause.hpp"

namespace kartino::common {

void pause(const basic::Clock &clock, const std::function<void()> &doEvents, float seconds) {
    float start = clock.timer();
    for (;;) {
        float now = clock.timer();
        if (now - start >= seconds) return;
        if (doEvents) doEvents();
        now = clock.timer();
        if (now < start) start -= 86400; // midnight passed: the time of day started again at 0
    }
}

} // namespace kartino::common
