#pragma once
// The statistics of the first run of tasks for the session record: the points of each half,
// the per-cent right (find mode) or mean kilometre error (distance mode) of each half, the
// wrong answers and the mean answer times.
#include "session/session.hpp"

namespace kartino::exercise {

// Minutes the offered demonstration took: offeranswer / 60, never below 0 (so 0 when no
// demonstration was seen and offeranswer still holds its no-value marker).
float demominutes(const session::Session &s);

// Taken once, when the first run's task number reaches halftasks: the first half's points
// (result3) and mean answer time (result14), and the totals at the half (s.exerciserun.half...).
void halfrunstatistics(session::Session &s);

// Taken at the start of the first run's summary: the second half's points (result4), the total
// (result2), the rates of both halves (result11, result12), the wrong answers (result8,
// result9), the mean times (result5, result6, result15); in distance mode correctcount and
// result6 become the no-value marker.
void endrunstatistics(session::Session &s);

} // namespace kartino::exercise
