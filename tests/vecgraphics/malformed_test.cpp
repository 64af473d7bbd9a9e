// Malformed records stop at their faulty command, keep what was drawn, are reported once and
// never write outside the surface.
#include "vec_fixture.hpp"

#include "support/fake_services.hpp"

#include <gmock/gmock.h>

using namespace kartino;

namespace {

struct Case {
    const char *text;
    int number;
    std::int32_t tokenpos;
    const char *token;
};

class MalformedTest : public testkit::VecFixture, public ::testing::WithParamInterface<Case> {};

TEST_P(MalformedTest, StopsAtTheFaultyCommand) {
    const Case &c = GetParam();
    auto fault = draw(c.text);
    ASSERT_TRUE(fault.has_value()) << c.text;
    EXPECT_EQ(fault->number, c.number) << c.text;
    EXPECT_EQ(fault->tokenpos, c.tokenpos) << c.text;
    EXPECT_EQ(fault->token, c.token) << c.text;
    EXPECT_EQ(surface.pen().fillStyle, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Records, MalformedTest,
    ::testing::Values(Case{"G100,", 9, 1, "G100"}, Case{"L1,0,M-1,", 9, 6, "M-1"},
                      Case{"Y99.5,", 9, 1, "Y99.5"}, Case{"Z150,", 9, 1, "Z150"}, Case{"E0,2,", 11, 1, "E0"},
                      Case{"e0,2,0,90,", 11, 1, "e0"}, Case{"C17,L5,0,", 9, 5, "L5"},
                      Case{"C-1,K3,", 9, 5, "K3"}, Case{"L5,", 5, 1, "L5"}, Case{"S4,4,0,", 5, 1, "S4"},
                      Case{"O0,10,0,0,5,6,", 11, 1, "O0"}, Case{"O13,10,0,0,5,6,", 5, 1, "O13"},
                      Case{"V0,10,0,0,", 11, 1, "V0"}, Case{"V11,10,0,0,", 5, 1, "V11"},
                      Case{"V-3,10,0,0,", 5, 1, "V-3"}, Case{"W40000,1,1,", 6, 1, "W40000"},
                      Case{"C99999,", 6, 1, "C99999"}, Case{"B1e30,0,F3,", 6, 9, "F3"},
                      Case{"W17,0,0,X0,3,10,", 9, 9, "X0"}, Case{"Q5,3,17,", 9, 1, "Q5"},
                      Case{"I1,1,32760,32767,", 6, 1, "I1"}));

class MalformedRecordTest : public testkit::VecFixture {};

TEST_F(MalformedRecordTest, WhatWasDrawnBeforeTheFaultStays) {
    auto fault = draw("L5,0,C17,L5,0,L5,0,");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->tokenpos, 10);
    EXPECT_EQ(count(15), 6);
}

TEST_F(MalformedRecordTest, RecordNumbersOutsideTheTables) {
    for (std::int16_t record : {std::int16_t{-1}, std::int16_t{201}, std::int16_t{32767}}) {
        auto fault = call(record);
        ASSERT_TRUE(fault) << record;
        EXPECT_EQ(fault->number, 9);
        EXPECT_EQ(fault->record, record);
    }
}

TEST_F(MalformedRecordTest, CommaBeyondTheSixteenBitPosition) {
    std::string text;
    while (text.size() < 32766)
        text += "A0,"; // commas at 3, 6, …, 32766: the last token still fits
    auto fault = draw(text + "A0,");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->number, 6);
    EXPECT_EQ(fault->tokenpos, 32767);
}

TEST_F(MalformedRecordTest, RunawayRepeatsAreCutOff) {
    std::string text;
    for (int k = 0; k < 9; ++k)
        text += "W30000,0,1,";
    auto fault = draw(text);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->token, "W30000");
    EXPECT_EQ(fault->tokenpos, 8 * 11 + 1);
}

TEST_F(MalformedRecordTest, HugeFiguresAreClippedAtTheSurface) {
    EXPECT_EQ(draw("B30000,0,K1e30,E1e30,1e29,U1e20,O12,1e30,0,5,3,4,L1e30,45,"), std::nullopt);
    EXPECT_EQ(draw("B-3000,90,S1e30,1e30,0,4,W100,1e30,91,"), std::nullopt);
    auto far = draw("L1e30,45,F3,"); // the fill's seed beyond 32 bits
    ASSERT_TRUE(far);
    EXPECT_EQ(far->number, 6);
    EXPECT_EQ(draw("B1e39,0,"), std::nullopt); // never drawn: no Single needed
    auto fault = draw("B1e39,0,L1,0,");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->number, 6);
}

TEST_F(MalformedRecordTest, TheNextRecordDrawsNormally) {
    ASSERT_TRUE(draw("C17,U3,", 4, -1, 0));
    EXPECT_EQ(surface.pen().fillStyle, 1);
    ASSERT_EQ(draw("K3,", 4, -1, 1), std::nullopt);
    EXPECT_EQ(at(32, 32), colour(0)); // an outline only: the fill style was put back
    EXPECT_EQ(at(35, 32), colour(15));
}

TEST_F(MalformedRecordTest, ReportedAsOneLineInTheErrorLog) {
    testkit::FakeServices fake;
    fake.shared.palette = shared.palette;
    vectors.loadedfile = "K:\\KARTEN\\EUROPA.VEC";
    vectors.recordlist = " 12 13";
    vectors.recordtext[1] = "C4,K3,G100,L5,0,*,";
    vectors.recordtext[0] = "K2,*,";
    fake.files.open(1, fake.dir.file("offen.txt"), basic::OpenMode::Output); // the caller's file stays open
    vecgraphics::vecdraw(fake.services, fake.shared, vectors, drawing, surface,
                         {.record = 1, .x = 32, .y = 32, .scalex = 4, .scaley = 4});
    vecgraphics::vecdraw(fake.services, fake.shared, vectors, drawing, surface,
                         {.record = 0, .x = 10, .y = 10, .scalex = 4, .scaley = 4});
    EXPECT_TRUE(fake.files.isOpen(1));
    std::string log = fake.errorLog();
    EXPECT_THAT(log, ::testing::EndsWith("kartino,vec:vecdraw,9,Subscript out of range,Datei: "
                                         "K:\\KARTEN\\EUROPA.VEC,Satz 13,Position 7,Token G100\r\n"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
    EXPECT_EQ(at(35, 32), colour(4));  // the first record's circle
    EXPECT_EQ(at(12, 10), colour(15)); // and the next record
    EXPECT_TRUE(fake.msgbox.boxes.empty());
}

TEST_F(MalformedRecordTest, ReportCutsLongTokensAndHidesControlCharacters) {
    vecgraphics::MalformedRecord fault{250, -1,         3, std::string("G\x01") + std::string(60, '9'),
                                       9,   "Subscript"};
    std::string text = vecgraphics::malformedtext(fault, "a.vec");
    EXPECT_THAT(text, ::testing::EndsWith(",Satz 250,Position 3,Token G?" + std::string(38, '9') + "..."));
}

} // namespace
