#pragma once
// The time of day as the legacy program sees it: Timer (seconds since midnight, Single),
// Date$ (mm-dd-yyyy) and Time$ (hh:mm:ss). A real clock reads the local time; the fake clock
// of tests and of the headless backend moves only when it is told to.
#include <cstdint>
#include <string>

namespace kartino::basic {

struct CivilTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual CivilTime now() const = 0;
    // Milliseconds since an arbitrary fixed point; never goes backwards. Timers run on it.
    virtual std::int64_t monotonicMs() const = 0;

    float timer() const;      // Timer
    std::string date() const; // Date$
    std::string time() const; // Time$
};

class RealClock final : public Clock {
  public:
    CivilTime now() const override;
    std::int64_t monotonicMs() const override;
};

class FakeClock final : public Clock {
  public:
    explicit FakeClock(CivilTime start = {});
    CivilTime now() const override;
    std::int64_t monotonicMs() const override { return elapsedMs_; }
    void advance(std::int64_t ms);

  private:
    CivilTime start_;
    std::int64_t elapsedMs_ = 0;
};

} // namespace kartino::basic
