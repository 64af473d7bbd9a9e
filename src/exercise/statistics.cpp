#include "exercise/statistics.hpp"

#include "common/small_helpers.hpp"
#include "platform/basic/numbers.hpp"

// Points and rates keep the number types of the original arithmetic: whole-number parts are
// Integers, a Single operand makes the expression Single, a Double (or Long with a Single) makes
// it Double, and `/` between whole numbers divides in double precision. The points fields are
// Variants and keep the type the expression had, which decides how many digits the record shows.
//
// A run of one task has halftasks = 0: its half-run values are never taken and every mean over
// halftasks has no divisor. Those fields keep their no-value markers (result11, result12 and
// result15 hold -99999, result3 stays -999), and the total points are the second half's alone.
// A run without tasks leaves result5 at -999 for the same reason.

namespace kartino::exercise {

using basic::Variant;
using session::noValue;
using session::noValueLong;

namespace {

std::int16_t helpsnow(const session::Session &s) {
    return s.settings.helpallowed ? s.results.helptotal : 0;
}

// fnmax(0, points): a half never scores below 0. The Integer 0 is the result only when it is the
// larger; otherwise the points keep their own type.
template <typename T> Variant notbelowzero(T points) {
    return 0 > points ? Variant(std::int16_t{0}) : Variant(points);
}

// The tolerance unit: at least 1, as the exercise form sets it at every run start; this keeps a
// direct call from dividing by zero.
Variant toleranceunit(const session::Session &s) {
    const Variant &unit = s.settings.exerciseparam;
    return 1 > unit.toDouble() ? Variant(std::int16_t{1}) : unit;
}

// Find-mode points of a half: 50 and 20 per right answer, less half a point per demonstration
// minute and 5 per help step.
Variant findpoints(int correct, float minutes, int helps) {
    return notbelowzero(correct * 20 + 50 - minutes / 2 - helps * 5);
}

// Distance-mode points of a half: 50 and 20 per task, less one per tolerance unit of summed
// error, half a point per demonstration minute and 5 per help step. The error (Single) divided
// by an Integer or Single unit stays Single; by a Long or Double unit it becomes Double.
Variant distancepoints(int tasks, float deviation, const Variant &unit, float minutes, int helps) {
    const int base = tasks * 20 + 50;
    const auto type = unit.type();
    if (type == Variant::Type::Integer || type == Variant::Type::Single) {
        const float quotient = deviation / static_cast<float>(unit.toDouble());
        return notbelowzero(base - quotient - minutes / 2 - helps * 5);
    }
    const double quotient = deviation / unit.toDouble();
    return notbelowzero(base - quotient - minutes / 2 - helps * 5);
}

// The sum of two points values in the wider of their types.
Variant addpoints(const Variant &a, const Variant &b) {
    auto rank = [](Variant::Type t) {
        switch (t) {
        case Variant::Type::Empty:
        case Variant::Type::Integer:
            return 0;
        case Variant::Type::Long:
            return 1;
        case Variant::Type::Single:
            return 2;
        default:
            return 3;
        }
    };
    const int ra = rank(a.type()), rb = rank(b.type());
    const int wider = (ra == 1 && rb == 2) || (ra == 2 && rb == 1) ? 3 : std::max(ra, rb);
    if (wider == 3) return Variant(a.toDouble() + b.toDouble());
    if (wider == 2) return Variant(static_cast<float>(a.toDouble()) + static_cast<float>(b.toDouble()));
    const auto sum = static_cast<std::int64_t>(a.toDouble()) + static_cast<std::int64_t>(b.toDouble());
    if (wider == 0 && sum >= -32768 && sum <= 32767) return Variant(static_cast<std::int16_t>(sum));
    return Variant(basic::checkedLong(sum));
}

} // namespace

float demominutes(const session::Session &s) {
    const Variant &seconds = s.results.offeranswer;
    // Seconds kept as a Single divide in single precision, all others in double precision.
    if (seconds.type() == Variant::Type::Single)
        return common::fnmax(0.0f, static_cast<float>(seconds.toDouble()) / 60);
    return static_cast<float>(common::fnmax(0.0, seconds.toDouble() / 60));
}

void halfrunstatistics(session::Session &s) {
    auto &r = s.results;
    auto &exerciserun = s.exerciserun;
    const std::int16_t halftasks = s.settings.halftasks;
    const std::int16_t helps = helpsnow(s);
    const float w = demominutes(s);

    if (s.settings.flagbit0) {
        r.result3 = findpoints(r.correctcount, w, helps);
        exerciserun.halfcorrect = r.correctcount;
    } else {
        r.result3 = distancepoints(halftasks, exerciserun.deviationsum, toleranceunit(s), w, helps);
        exerciserun.halfdeviation = exerciserun.deviationsum;
    }
    exerciserun.halfhelps = helps;
    r.result14 = halftasks > 0 ? Variant(r.totaltime / halftasks) : Variant(noValueLong);
    exerciserun.halftime = r.totaltime;
}

void endrunstatistics(session::Session &s) {
    auto &r = s.results;
    const auto &exerciserun = s.exerciserun;
    const std::int16_t taskcount = s.settings.taskcount;
    const std::int16_t halftasks = s.settings.halftasks;
    const bool halves = halftasks > 0;
    const std::int16_t helps = helpsnow(s);
    const float w = demominutes(s);

    if (s.settings.flagbit0) {
        const int secondhalf = r.correctcount - exerciserun.halfcorrect;
        r.result4 = findpoints(secondhalf, w, helps - exerciserun.halfhelps);
        // Per cent right in each half; both halves are measured against halftasks tasks.
        r.result11 = halves ? basic::CLng(static_cast<double>(exerciserun.halfcorrect * 100) / halftasks)
                            : noValueLong;
        r.result12 = halves ? basic::CLng(static_cast<double>(secondhalf * 100) / halftasks) : noValueLong;
        r.result8 = static_cast<std::int16_t>(taskcount - r.correctcount);
        r.result9 = static_cast<std::int16_t>(halftasks - exerciserun.halfcorrect);
        r.result6 = noValue;
        if (r.correctcount >= 1) r.result6 = common::fnmin(9999.0, r.totaltime / r.correctcount);
    } else {
        const float secondhalf = exerciserun.deviationsum - exerciserun.halfdeviation;
        r.result4 = distancepoints(halftasks, secondhalf, toleranceunit(s), w, helps - exerciserun.halfhelps);
        // Mean kilometre error of each half, divided in single precision.
        const float tasks = halftasks;
        r.result11 = halves ? basic::CLng(exerciserun.halfdeviation / tasks) : noValueLong;
        r.result12 = halves ? basic::CLng(secondhalf / tasks) : noValueLong;
        r.correctcount = noValue; // right answers have no meaning here
        r.result6 = noValue;
    }
    r.result2 = halves ? addpoints(r.result4, r.result3) : r.result4;
    r.result15 = halves ? Variant((r.totaltime - exerciserun.halftime) / halftasks) : Variant(noValueLong);
    r.result5 = taskcount > 0 ? common::fnmin(9999.0, r.totaltime / taskcount) : double{noValue};
}

} // namespace kartino::exercise
