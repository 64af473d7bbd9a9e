#include "common/fields.hpp"
#include "common/file_helpers.hpp"
#include "common/flags.hpp"
#include "common/keys.hpp"
#include "common/pause.hpp"
#include "common/small_helpers.hpp"
#include "platform/basic/errors.hpp"
#include "support/error_number.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace kartino;
using namespace kartino::common;

TEST(Flags, MaskLiterals) {
    EXPECT_EQ(fnbits("b100000"), 32);
    EXPECT_EQ(fnbits("   B1"), 1);
    EXPECT_EQ(fnbits("12"), 12);
    EXPECT_EQ(fnbits("b"), 0);
    EXPECT_EQ(fnbits("b01100011100"), 0x31C);
    EXPECT_EQ(fnbits("b101010100111"), 0xAA7);
    EXPECT_EQ(fnbits("b1x1"), 5); // characters other than "1" count as 0
    EXPECT_EQ(fnbits(""), 0);
    EXPECT_EQ(fnbits(" 2.5"), 2); // a plain number rounds half to even
    EXPECT_THROW(fnbits("b" + std::string(40, '1')), basic::RuntimeError);
}

TEST(Flags, BitTest) {
    EXPECT_EQ(fnbitset(0x20, 5), -1);
    EXPECT_EQ(fnbitset(0x20, 4), 0);
    EXPECT_EQ(fnbitset(-32768, 15), -1);
    EXPECT_EQ(fnbitset(1, 16), 0);
}

TEST(Fields, NextFieldTrimsAndConsumes) {
    std::string list = "  12  , b ,c,";
    EXPECT_EQ(fnnextfield(list), "12");
    EXPECT_EQ(list, " b ,c,");
    EXPECT_EQ(fnnextfield(list), "b");
    EXPECT_EQ(fnnextfield(list), "c");
    EXPECT_EQ(list, "");
    std::string unterminated = "last";
    EXPECT_EQ(testkit::errorOf([&] { fnnextfield(unterminated); }), basic::errInvalidCall);
    EXPECT_EQ(unterminated, "last");
}

TEST(Fields, ReplaceScansLeftToRightWithoutOverlap) {
    EXPECT_EQ(fnreplace("1,,2", ",", "."), "1..2");
    EXPECT_EQ(fnreplace("a,b,c", ",", "\r\n"), "a\r\nb\r\nc");
    EXPECT_EQ(fnreplace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(fnreplace("Ab", "a", "x"), "Ab");
    EXPECT_EQ(fnreplace("x", "", "y"), "x");
}

TEST(Fields, KeyList) {
    EXPECT_EQ(fninlist("13, 32,74", 32), -1);
    EXPECT_EQ(fninlist("13, 32,74", 74), -1);
    EXPECT_EQ(fninlist("13, 32,74", 65), 0);
    EXPECT_EQ(fninlist("", 0), -1); // an empty list holds one empty field, value 0
    EXPECT_EQ(fninlist("", 13), 0);
}

TEST(Keys, AbortCombination) {
    AbortKey altEsc{8, 1};
    EXPECT_EQ(fnabortkey(altEsc, 27, altMask), -1);
    EXPECT_EQ(fnabortkey(altEsc, 27, altMask | shiftMask), -1);
    EXPECT_EQ(fnabortkey(altEsc, 27, ctrlMask), 0);
    EXPECT_EQ(fnabortkey(altEsc, 27, 0), 0);
    AbortKey ctrlQ{4, 16};
    EXPECT_EQ(fnabortkey(ctrlQ, 81, ctrlMask), -1);
    EXPECT_EQ(fnabortkey(ctrlQ, 81, altMask), 0);
    EXPECT_EQ(fnabortkey(ctrlQ, 65, ctrlMask), 0);
    AbortKey none{};
    EXPECT_EQ(fnabortkey(none, 65, ctrlMask), 0); // an unknown key never matches scan code 0
    for (auto [code, scan] : {std::pair{67, 46}, {88, 45}, {81, 16}, {27, 1}, {8, 14}, {46, 83}, {13, 0}})
        EXPECT_EQ(scancodeOf(code), scan);
}

TEST(SmallHelpers, MinMaxCountAndSwap) {
    basic::Integer a = 3, b = 3;
    EXPECT_EQ(fnmin(2.0, 5.0), 2.0);
    EXPECT_EQ(fnmax(2.0, 5.0), 5.0);
    // On equality the second argument wins: visible with values that compare equal but differ.
    EXPECT_TRUE(std::signbit(fnmin(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(fnmax(-0.0, 0.0)));
    incr(a);
    incr(a, basic::Integer(5));
    decr(b);
    EXPECT_EQ(a.value(), 9);
    EXPECT_EQ(b.value(), 2);
    swap(a, b);
    EXPECT_EQ(a.value(), 2);
    basic::Integer top = 32767;
    EXPECT_THROW(incr(top), basic::RuntimeError);
}

TEST(SmallHelpers, RandomWholeNumbersStayInRange) {
    basic::Random rnd;
    EXPECT_EQ(fnrandom(rnd, 10), 8); // Int(10 * .7055475) + 1
    int seen[7] = {};
    for (int i = 0; i < 5000; ++i) {
        int r = fnrandom(rnd, 6);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 6);
        ++seen[r];
    }
    for (int v = 1; v <= 6; ++v)
        EXPECT_GT(seen[v], 600);
}

TEST(FileHelpers, SkipToMarker) {
    testkit::TempDir dir;
    dir.write("f", "text\r\n**\r\n* one\r\n***x\r\nafter\r\n");
    basic::PathResolver paths;
    basic::FileTable files(paths);
    files.open(1, dir.file("f"), basic::OpenMode::Input);
    skiptomarker(files, 3);
    EXPECT_EQ(files.lineInput(1), "after");
    files.close(1);
    files.open(1, dir.file("f"), basic::OpenMode::Input);
    skiptomarker(files, 1);
    EXPECT_EQ(files.lineInput(1), "* one"); // "**" already begins with one asterisk
    files.close(1);
    files.open(1, dir.file("f"), basic::OpenMode::Input);
    EXPECT_EQ(testkit::errorOf([&] { skiptomarker(files, 4); }), basic::errInputPastEnd);
}

TEST(Pause, EndsAfterTheRequestedTime) {
    basic::FakeClock clock({2026, 5, 4, 10, 0, 0, 0});
    std::vector<std::int64_t> asked;
    // The waiter returns early each time (an event came after 100 ms): the pause waits again
    // for the rest.
    pause(
        clock, [&](std::int64_t until) { asked.push_back(until), clock.advance(100); }, 1.5f);
    ASSERT_EQ(asked.size(), 15u);
    EXPECT_EQ(asked.front(), 1500);
    EXPECT_EQ(asked.back(), 1500);
    EXPECT_EQ(clock.monotonicMs(), 1500);
}

TEST(Pause, EndsAcrossMidnightAndNotADayLater) {
    basic::FakeClock clock({2026, 5, 4, 23, 59, 59, 0});
    pause(
        clock, [&](std::int64_t) { clock.advance(250); }, 2.0f);
    EXPECT_EQ(clock.monotonicMs(), 2000);
    EXPECT_EQ(clock.time(), "00:00:01");
}

TEST(Pause, LetsEventsEndTheSession) {
    basic::FakeClock clock;
    struct End {};
    EXPECT_THROW(pause(
                     clock, [](std::int64_t) { throw End{}; }, 1.0f),
                 End);
}

#include "common/cursor_helpers.hpp"

namespace {

// A display counter as the platform keeps it, with the number of calls made.
struct Counter {
    int count = 0, calls = 0;
    ShowCursorFn fn() {
        return [this](bool show) {
            ++calls;
            return count += show ? 1 : -1;
        };
    }
};

} // namespace

TEST(CursorHelpers, BringTheCounterToAKnownValue) {
    for (int start : {-5, -1, 0, 3}) {
        Counter c{start};
        hidecursor(c.fn());
        EXPECT_EQ(c.count, -1) << start;
        showcursor(c.fn());
        EXPECT_EQ(c.count, 0) << start;
        c.count = start;
        restorecursor(c.fn(), 1);
        EXPECT_EQ(c.count, 2) << start;
        c.count = start;
        restorecursor(c.fn(), -3);
        EXPECT_EQ(c.count, -2) << start;
    }
}
