#include "platform/basic/clock.hpp"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace kartino::basic {

namespace {

std::string twoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}

int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[(month - 1) % 12];
}

} // namespace

float Clock::timer() const {
    CivilTime t = now();
    double seconds = (t.hour * 60.0 + t.minute) * 60.0 + t.second + t.millisecond / 1000.0;
    return static_cast<float>(seconds);
}

std::string Clock::date() const {
    CivilTime t = now();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.month, t.day, t.year % 10000);
    return buf;
}

std::string Clock::time() const {
    CivilTime t = now();
    return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

CivilTime RealClock::now() const {
    auto tp = std::chrono::system_clock::now();
    std::time_t secs = std::chrono::system_clock::to_time_t(tp);
    std::tm local{};
    localtime_r(&secs, &local);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(tp.time_since_epoch()).count() % 1000;
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,       local.tm_hour,
            local.tm_min,         local.tm_sec,     static_cast<int>(ms)};
}

std::int64_t RealClock::monotonicMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

FakeClock::FakeClock(CivilTime start) : start_(start) {}

void FakeClock::advance(std::int64_t ms) {
    if (ms > 0) elapsedMs_ += ms;
}

CivilTime FakeClock::now() const {
    CivilTime t = start_;
    std::int64_t total = ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond + elapsedMs_;
    std::int64_t days = total / 86'400'000;
    total %= 86'400'000;
    t.millisecond = static_cast<int>(total % 1000);
    t.second = static_cast<int>(total / 1000 % 60);
    t.minute = static_cast<int>(total / 60'000 % 60);
    t.hour = static_cast<int>(total / 3'600'000);
    for (; days > 0; --days) {
        if (++t.day > daysInMonth(t.year, t.month)) {
            t.day = 1;
            if (++t.month > 12) {
                t.month = 1;
                ++t.year;
            }
        }
    }
    return t;
}

} // namespace kartino::basic
