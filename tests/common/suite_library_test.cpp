#include "common/suite_library.hpp"

#include <gtest/gtest.h>

using namespace kartino::common;

TEST(Roundx, RoundsHalvesAwayFromZeroOnTheDecimalSpelling) {
    EXPECT_EQ(ROUNDX(2.675, 2), 2.68);
    EXPECT_EQ(ROUNDX(1.005, 2), 1.01);
    EXPECT_EQ(ROUNDX(-1.005, 2), -1.01);
    EXPECT_EQ(ROUNDX(2.5, 0), 3);
    EXPECT_EQ(ROUNDX(-2.5, 0), -3);
    EXPECT_EQ(ROUNDX(1234.4999, 0), 1234);
    EXPECT_EQ(ROUNDX(99.995, 2), 100);
    EXPECT_EQ(ROUNDX(0.004, 2), 0);
    EXPECT_EQ(ROUNDX(66.666666666, 2), 66.67);
    EXPECT_EQ(ROUNDX(1e-20, 2), 0);
    EXPECT_EQ(ROUNDX(123456789.0, 2), 123456789.0);
}

TEST(FormatPicture, ThreePlacesForRecordPositions) {
    for (int v = 0; v <= 200; ++v) {
        std::string s = FORMATPBDLL(v, "###");
        ASSERT_EQ(s.size(), 3u) << v;
        EXPECT_EQ(std::stoi(s), v);
    }
    EXPECT_EQ(FORMATPBDLL(0, "###"), "  0");
    EXPECT_EQ(FORMATPBDLL(7, "###"), "  7");
    EXPECT_EQ(FORMATPBDLL(200, "###"), "200");
}

TEST(FormatPicture, SixPlacesForProtocolValues) {
    EXPECT_EQ(FORMATPBDLL(-1, "######"), "    -1");
    EXPECT_EQ(FORMATPBDLL(0, "######"), "     0");
    EXPECT_EQ(FORMATPBDLL(999999, "######"), "999999");
    EXPECT_EQ(FORMATPBDLL(-99999, "######"), "-99999");
    EXPECT_EQ(FORMATPBDLL(1234567, "######"), "1234567"); // too wide: written whole
    EXPECT_EQ(FORMATPBDLL(12.5, "######"), "    13");
    EXPECT_EQ(FORMATPBDLL(-0.4, "######"), "     0");
}

TEST(FormatPicture, DecimalsAndZeroPlaces) {
    EXPECT_EQ(FORMATPBDLL(3.14159, "##.##"), " 3.14");
    EXPECT_EQ(FORMATPBDLL(0.5, "#.##"), " .50");
    EXPECT_EQ(FORMATPBDLL(0.5, "0.00"), "0.50");
    EXPECT_EQ(FORMATPBDLL(5, "000"), "005");
    EXPECT_EQ(fnformat("######", 42), "    42");
}
