#pragma once
// A real clock as the program sees it while its session is recorded: the time stands still
// while the program works and moves only when it waits for input or time, as the headless
// clock does between a script's waits. So what the program reads of the clock is the time of
// the input or the deadline it last waited for, and a replay of the recording reads the same.
//
// It starts at the whole second of the real time of day, which is what a recording's first
// line can say, and catches up with the real time at the first wait.
#include "platform/basic/clock.hpp"

#include <cstdint>

namespace kartino::backend {

class SteppedClock final : public basic::Clock {
  public:
    explicit SteppedClock(const basic::Clock &real);

    basic::CivilTime now() const override { return shown_.now(); }
    std::int64_t monotonicMs() const override { return shown_.monotonicMs(); }

    basic::CivilTime start() const { return start_; }
    // The real clock now, and a time of this clock, on the real clock's scale and back.
    std::int64_t realNow() const { return real_.monotonicMs() - offset_; }
    std::int64_t toReal(std::int64_t ms) const { return ms + offset_; }
    // Moves on to `ms`; never back.
    void moveTo(std::int64_t ms) { shown_.advance(ms - shown_.monotonicMs()); }

  private:
    const basic::Clock &real_;
    basic::CivilTime start_;
    basic::FakeClock shown_;
    std::int64_t offset_ = 0;
};

} // namespace kartino::backend
