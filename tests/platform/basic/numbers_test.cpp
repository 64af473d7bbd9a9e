#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "support/error_number.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

using namespace kartino::basic;

using kartino::testkit::errorOf;

TEST(Str, FormatsLikeTheLegacyRuntime) {
    EXPECT_EQ(Str(std::int16_t{459}), " 459");
    EXPECT_EQ(Str(std::int16_t{-7}), "-7");
    EXPECT_EQ(Str(std::int32_t{-99999}), "-99999");
    EXPECT_EQ(Str(-459.65), "-459.65");
    EXPECT_EQ(Str(459.001), " 459.001");
    EXPECT_EQ(Str(0.24), " .24");
    EXPECT_EQ(Str(-0.5), "-.5");
    EXPECT_EQ(Str(1.0 / 3), " .333333333333333");
    EXPECT_EQ(Str(static_cast<float>(1.0 / 3)), " .3333333");
    EXPECT_EQ(Str(1e14), " 100000000000000");
    EXPECT_EQ(Str(1e15), " 1E+15");
    EXPECT_EQ(Str(123456789012345678.0), " 1.23456789012346E+17");
    EXPECT_EQ(Str(0.0001), " .0001");
    EXPECT_EQ(Str(0.00001), " 1E-05");
    EXPECT_EQ(Str(1.5e-5), " 1.5E-05");
    EXPECT_EQ(Str(10000000.0f), " 1E+07");
    EXPECT_EQ(Str(12345678.0f), " 1.234568E+07");
    EXPECT_EQ(Str(static_cast<double>(0.1f)), " .100000001490116");
    EXPECT_EQ(Str(-0.0), " 0");
    EXPECT_EQ(numberText(-999.0), "-999");
    EXPECT_EQ(numberText(12.5), "12.5");
}

TEST(Val, ReadsTheLongestNumericPrefix) {
    EXPECT_EQ(Val(" 2 45 7"), 2457);
    EXPECT_EQ(Val("    1615 198th Street N.E."), 1615198);
    EXPECT_EQ(Val("1.2.3"), 1.2);
    EXPECT_EQ(Val("12E3abc"), 12000);
    EXPECT_EQ(Val("1D2"), 100);
    EXPECT_EQ(Val("12e"), 12);
    EXPECT_EQ(Val("24 and 57"), 24);
    EXPECT_EQ(Val("L13.5"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("1,234"), 1);
    EXPECT_EQ(Val("-3.5"), -3.5);
    EXPECT_EQ(Val("+.5"), 0.5);
    EXPECT_EQ(Val("&HFFFF"), -1);
    EXPECT_EQ(Val("&HFFFFFFFF"), -1);
    EXPECT_EQ(Val("&HFFFFF"), 1048575);
    EXPECT_EQ(Val("&O17"), 15);
    EXPECT_EQ(Val("7x"), 7);
    EXPECT_EQ(errorOf([] { Val("1E400"); }), errOverflow);
}

TEST(CInt, RoundsHalvesToEven) {
    EXPECT_EQ(CInt(0.5), 0);
    EXPECT_EQ(CInt(1.5), 2);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-1.5), -2);
    EXPECT_EQ(CInt(2.5000001), 3);
    EXPECT_EQ(CLng(25427.55), 25428);
    EXPECT_EQ(CInt(-32768.5), -32768);
    EXPECT_EQ(CInt(32767.4), 32767);
}

TEST(CInt, OverflowsOutsideItsRange) {
    EXPECT_EQ(errorOf([] { CInt(32767.5); }), errOverflow);
    EXPECT_EQ(errorOf([] { CInt(-32769); }), errOverflow);
    EXPECT_EQ(errorOf([] { CInt(1e300); }), errOverflow);
    EXPECT_EQ(errorOf([] { CLng(2147483647.5); }), errOverflow);
    EXPECT_EQ(errorOf([] { CLng(std::nan("")); }), errOverflow);
    EXPECT_EQ(CLng(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(errorOf([] { CSng(1e39); }), errOverflow);
}

// The Single range has an inline test for the common case and the runtime's rule at its edge:
// what rounds to the largest Single still fits, NaN stays NaN.
TEST(CSng, KeepsTheSingleRangeToItsEdge) {
    constexpr float kMax = std::numeric_limits<float>::max();
    const double above = double(kMax) * (1 + 1e-9); // rounds down to the largest Single
    for (auto [v, single] : {std::pair{0.0, 0.0f},
                             {-2.5, -2.5f},
                             {1e-50, 0.0f},
                             {double(kMax), kMax},
                             {-double(kMax), -kMax},
                             {above, kMax},
                             {-above, -kMax}})
        EXPECT_EQ(CSng(v), single) << v;
    EXPECT_TRUE(std::isnan(CSng(std::nan(""))));
    for (double v : {1e39, -1e39, std::numeric_limits<double>::infinity()})
        EXPECT_EQ(errorOf([v] { CSng(v); }), errOverflow) << v;
}

TEST(Int, IsTheFloor) {
    EXPECT_EQ(Int(-8.4), -9);
    EXPECT_EQ(Int(-99.8), -100);
    EXPECT_EQ(Int(8.9), 8);
    EXPECT_EQ(Fix(-8.4), -8);
}

TEST(RuntimeError, CarriesNumberSourceAndDescription) {
    RuntimeError e(62);
    EXPECT_EQ(e.number(), 62);
    EXPECT_EQ(e.description(), "Input past end of file");
    EXPECT_EQ(e.source(), kErrorSource);
    EXPECT_EQ(RuntimeError(5).description(), "Invalid procedure call or argument");
    EXPECT_EQ(RuntimeError(52).description(), "Bad file name or number");
    EXPECT_EQ(RuntimeError(53).description(), "File not found");
    EXPECT_EQ(RuntimeError(6).description(), "Overflow");
}
