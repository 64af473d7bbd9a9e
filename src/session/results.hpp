#pragma once
// The result state of a session: the fields of the session record the host reads from R.DAT,
// the waiting protocol lines, the task lists of the run and the repetition file.
#include "platform/basic/variant.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace kartino::session {

inline constexpr std::int16_t noValue = -999;       // Integer-sized no-value marker
inline constexpr std::int32_t noValueLong = -99999; // Long-sized no-value marker
inline constexpr int maxProtocolLines = 80;

struct Results {
    // Session record fields 2 to 29, in record order.
    basic::Variant result2 = noValue;        // total points of the run
    basic::Variant result3 = noValue;        // points of the first half
    basic::Variant result4 = noValue;        // points of the second half
    double result5 = noValue;                // mean answer time
    double result6 = noValue;                // mean time per right answer
    std::int16_t correctcount = noValue;     // right answers of the run
    std::int16_t result8 = noValue;          // wrong answers
    std::int16_t result9 = noValue;          // wrong answers in the first half
    std::int16_t helptotal = noValue;        // help steps used in the run
    std::int32_t result11 = noValueLong;     // rate of the first half
    std::int32_t result12 = noValueLong;     // rate of the second half
    std::int32_t headerresult = noValueLong; // projection code of the map header
    basic::Variant result14 = noValueLong;   // mean answer time of the first half
    basic::Variant result15 = noValueLong;   // mean answer time of the second half
    basic::Variant offeranswer = noValueLong;
    std::int16_t tasknumber = 0; // number of the current task
    std::int16_t resultmask = 15;
    std::string variantletter = "A";
    std::int16_t result20 = 0;
    std::string result21;
    std::int16_t statusflags = 0;
    std::int16_t offerflags = 0;
    std::int16_t featuremaskused = 0;
    std::int16_t exerciseflags = 0;
    std::int16_t resultflags = 1;
    std::int16_t result27 = noValue;
    std::int32_t result28 = noValueLong;
    basic::Variant offertime = noValueLong;

    // Protocol lines waiting for the next write of R.DAT.
    std::array<std::string, maxProtocolLines + 1> protocollines{}; // 1..80
    std::int16_t protocolcount = 0;
    bool resultwritten = false;     // R.DAT was written by this process: later writes append
    std::int16_t answeredcount = 0; // answered tasks not yet in a session record

    std::string tasklist1, tasklist2, tasklist3, tasklist4;
    std::int16_t repeatnumber = 0; // 0 in the first run
    std::string repeatfile;        // "X" or "XX"
    std::int16_t repeatcount = 0;
    double totaltime = 0; // the run's sum of answer times
};

} // namespace kartino::session
