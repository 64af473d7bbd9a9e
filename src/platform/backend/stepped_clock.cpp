#include "platform/backend/stepped_clock.hpp"

namespace kartino::backend {

namespace {

basic::CivilTime wholeSecond(basic::CivilTime t) {
    t.millisecond = 0;
    return t;
}

} // namespace

SteppedClock::SteppedClock(const basic::Clock &real)
    : real_(real), start_(real.now()), shown_(wholeSecond(start_)),
      offset_(real.monotonicMs() - start_.millisecond) {
    start_.millisecond = 0;
}

} // namespace kartino::backend
