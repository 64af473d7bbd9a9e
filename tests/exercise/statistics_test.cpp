#include "exercise/statistics.hpp"
#include "platform/basic/numbers.hpp"
#include "support/fake_services.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using namespace kartino::exercise;
using basic::Variant;

namespace {

class Statistics : public ::testing::Test {
  protected:
    testkit::FakeServices f;
    session::Session s{f.services};

    // A first run of `tasks` tasks in find or distance mode, help allowed, no demonstration.
    void run(std::int16_t tasks, bool findmode) {
        s.settings.taskcount = tasks;
        s.settings.halftasks = basic::CInt(tasks * 0.5);
        s.settings.flagbit0 = findmode;
        s.settings.helpallowed = true;
        s.settings.exerciseparam = std::int16_t{30};
        s.results.helptotal = 0;
        s.results.correctcount = 0;
    }
    // The run's totals so far.
    void reach(std::int16_t correct, std::int16_t helps, double time, float deviation = 0) {
        s.results.correctcount = correct;
        s.results.helptotal = helps;
        s.results.totaltime = time;
        s.exerciserun.deviationsum = deviation;
    }
};

} // namespace

TEST_F(Statistics, DemonstrationMinutes) {
    EXPECT_EQ(demominutes(s), 0); // offeranswer still holds its no-value marker
    s.results.offeranswer = std::int16_t{0};
    EXPECT_EQ(demominutes(s), 0);
    s.results.offeranswer = std::int16_t{90};
    EXPECT_FLOAT_EQ(demominutes(s), 1.5f);
    s.results.offeranswer = 20.0;
    EXPECT_FLOAT_EQ(demominutes(s), 1 / 3.0f);
    s.results.offeranswer = 45.0f;
    EXPECT_FLOAT_EQ(demominutes(s), 0.75f);
    s.results.offeranswer = -86000.0; // a demonstration across midnight
    EXPECT_EQ(demominutes(s), 0);
}

TEST_F(Statistics, FindModeNineTasksDividesTheLongerSecondHalfByFour) {
    run(9, true);
    ASSERT_EQ(s.settings.halftasks, 4);
    reach(3, 1, 20.0);
    halfrunstatistics(s);
    EXPECT_EQ(s.results.result3, Variant(105.0f)); // 50 + 3 x 20 - 5 for the help step
    EXPECT_EQ(s.results.result14, Variant(5.0));
    EXPECT_EQ(s.exerciserun.halfcorrect, 3);
    EXPECT_EQ(s.exerciserun.halfhelps, 1);
    EXPECT_EQ(s.exerciserun.halftime, 20.0);

    reach(7, 3, 56.0); // tasks 5 to 9: four right, two help steps
    endrunstatistics(s);
    const auto &r = s.results;
    EXPECT_EQ(r.result4, Variant(120.0f));
    EXPECT_EQ(r.result2, Variant(225.0f));
    EXPECT_EQ(r.result11, 75);
    EXPECT_EQ(r.result12, 100); // four right out of five tasks, measured against four
    EXPECT_EQ(r.correctcount, 7);
    EXPECT_EQ(r.result8, 2);
    EXPECT_EQ(r.result9, 1);
    EXPECT_DOUBLE_EQ(r.result6, 8.0);
    EXPECT_EQ(r.result15, Variant(9.0)); // 36 seconds over four
    EXPECT_DOUBLE_EQ(r.result5, 56.0 / 9);
}

TEST_F(Statistics, FindModePointsAndRates) {
    run(16, true);
    reach(1, 0, 10.0);
    s.results.offeranswer = std::int16_t{20}; // a third of a minute, charged to each half
    halfrunstatistics(s);
    EXPECT_EQ(basic::Str(s.results.result3), " 69.83334"); // single precision
    reach(1, 14, 10.0);                                    // no right answer, many help steps
    endrunstatistics(s);
    EXPECT_EQ(s.results.result4, Variant(std::int16_t{0})); // a half never scores below 0
    EXPECT_EQ(basic::Str(s.results.result2), " 69.83334");
    EXPECT_EQ(s.results.result11, 12); // 12.5 per cent rounds to the even neighbour
    EXPECT_EQ(s.results.result12, 0);
    EXPECT_DOUBLE_EQ(s.results.result6, 10.0);

    reach(0, 0, 10.0);
    endrunstatistics(s);
    EXPECT_DOUBLE_EQ(s.results.result6, session::noValue); // no right answer: no time per answer
    s.results.correctcount = 1;
    s.results.totaltime = 200000;
    endrunstatistics(s);
    EXPECT_DOUBLE_EQ(s.results.result6, 9999);
    EXPECT_DOUBLE_EQ(s.results.result5, 9999);
}

TEST_F(Statistics, HelpStepsCountOnlyWhenHelpIsAllowed) {
    run(4, true);
    reach(2, 0, 8.0);
    s.settings.helpallowed = false;
    s.results.helptotal = session::noValue;
    halfrunstatistics(s);
    EXPECT_EQ(s.results.result3, Variant(90.0f));
    EXPECT_EQ(s.exerciserun.halfhelps, 0);
}

TEST_F(Statistics, DistanceModeNineTasks) {
    run(9, false);
    reach(0, 0, 24.0, 300);
    halfrunstatistics(s);
    EXPECT_EQ(s.results.result3, Variant(120.0f)); // 50 + 4 x 20 - 300 km / 30 km
    EXPECT_FLOAT_EQ(s.exerciserun.halfdeviation, 300);

    reach(0, 1, 60.0, 750);
    endrunstatistics(s);
    const auto &r = s.results;
    EXPECT_EQ(r.result4, Variant(110.0f)); // 130 - 450 / 30 - 5
    EXPECT_EQ(r.result2, Variant(230.0f));
    EXPECT_EQ(r.result11, 75);
    EXPECT_EQ(r.result12, 112); // 112.5 km rounds to the even neighbour
    EXPECT_EQ(r.correctcount, session::noValue);
    EXPECT_DOUBLE_EQ(r.result6, session::noValue);
    EXPECT_EQ(r.result8, session::noValue); // wrong answers are not counted in distance mode
    EXPECT_EQ(r.result15, Variant(9.0));
}

TEST_F(Statistics, DistancePointsTakeThePrecisionOfTheToleranceUnit) {
    run(8, false);
    reach(0, 0, 10.0, 100);
    halfrunstatistics(s);
    EXPECT_EQ(basic::Str(s.results.result3), " 126.6667");
    s.settings.exerciseparam = 30.0;
    halfrunstatistics(s);
    EXPECT_EQ(basic::Str(s.results.result3), " 126.666666666667");

    s.settings.exerciseparam = std::int16_t{0}; // below the least unit: measured in whole km
    halfrunstatistics(s);
    EXPECT_EQ(s.results.result3, Variant(30.0f));
    reach(0, 0, 10.0, 5000);
    endrunstatistics(s);
    EXPECT_EQ(s.results.result4, Variant(std::int16_t{0}));
}

TEST_F(Statistics, OneTaskRunHasNoHalves) {
    for (bool findmode : {true, false}) {
        SCOPED_TRACE(findmode ? "find mode" : "distance mode");
        s.results = session::Results{};
        s.exerciserun = exercise::ExerciseRun{};
        run(1, findmode);
        ASSERT_EQ(s.settings.halftasks, 0);
        reach(1, 0, 4.0, 30);
        endrunstatistics(s);
        const auto &r = s.results;
        EXPECT_EQ(r.result3, Variant(session::noValue));
        EXPECT_EQ(r.result2, r.result4);
        EXPECT_EQ(r.result2, Variant(findmode ? 70.0f : 49.0f));
        EXPECT_EQ(r.result11, session::noValueLong);
        EXPECT_EQ(r.result12, session::noValueLong);
        EXPECT_EQ(r.result15, Variant(session::noValueLong));
        EXPECT_DOUBLE_EQ(r.result5, 4.0);

        halfrunstatistics(s); // not called by the run, but safe
        EXPECT_EQ(s.results.result14, Variant(session::noValueLong));
    }
}

TEST_F(Statistics, RunWithoutTasksKeepsTheMeanTimeMarker) {
    run(0, true);
    endrunstatistics(s);
    EXPECT_DOUBLE_EQ(s.results.result5, session::noValue);
    EXPECT_EQ(s.results.result11, session::noValueLong);
}
