// The start-up's readers of host data: command-line columns, the exercise definition file's
// blocks and variants, the derived flags and the map header's parameters and switches.
#include "platform/basic/errors.hpp"
#include "session/command_line.hpp"
#include "session/exercise_file.hpp"
#include "session/exercise_header.hpp"
#include "session/startup_values.hpp"
#include "support/error_number.hpp"
#include "support/fake_services.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using namespace kartino::session;

using kartino::testkit::errorOf;

namespace {

TEST(CommandLine, FixedColumns) {
    Settings st;
    readcommandline(st, "EUROP 3 2 2 15 9C:\\TALI\\");
    EXPECT_EQ(st.exercisefile, "EUROP");
    EXPECT_EQ(st.cmdfield6, 3);
    EXPECT_EQ(st.blocknumber, 2);
    EXPECT_EQ(st.cmdoptions, 2);
    EXPECT_EQ(st.taskcount, 15);
    EXPECT_EQ(st.cmdfield15, 9);
    EXPECT_EQ(hostfolderof("EUROP 3 2 2 15 9C:\\TALI\\"), "C:\\TALI\\");
}

TEST(CommandLine, ShortLinesLettersAndOverflow) {
    Settings st;
    readcommandline(st, "EUR");
    EXPECT_EQ(st.exercisefile, "EUR");
    EXPECT_EQ(st.blocknumber, 0);
    EXPECT_EQ(st.taskcount, 0);
    EXPECT_EQ(hostfolderof("EUROP 0 1 0 10 0"), "");

    readcommandline(st, "EUROP 07x 0x1  0");
    EXPECT_EQ(st.blocknumber, 7);
    EXPECT_EQ(st.taskcount, 0); // "x1 " holds no leading number
    EXPECT_EQ(errorOf([&] { readcommandline(st, "EUROP 0 1 01E9 0"); }), 6);
    readcommandline(st, "EUROP 0 1 02.5 0");
    EXPECT_EQ(st.taskcount, 2); // halves to even
}

class Header : public ::testing::Test {
  protected:
    testkit::FakeServices f;
    Session s{f.services};
    void parse(const std::string &header) { parseexerciseheader(s, header); }
};

TEST_F(Header, ParameterBlockWithAMissingField) {
    parse("<3;1.5;2> ");
    EXPECT_EQ(s.settings.mapscale, 3);
    EXPECT_EQ(s.results.headerresult, 3);
    EXPECT_FLOAT_EQ(s.settings.scalebarkm, 1.5f);
    EXPECT_EQ(s.settings.scalebarx, 2);
    EXPECT_EQ(s.settings.scalebary, 0);
}

TEST_F(Header, ZoomSwitch) {
    parse("<-1> /m=2.5");
    EXPECT_EQ(s.settings.mapzoom, basic::Variant(2.5));
    EXPECT_TRUE(s.settings.mswitch);
    parse("<-1> /m 3");
    EXPECT_EQ(s.settings.mapzoom, basic::Variant(std::int16_t{4}));
    EXPECT_FALSE(s.settings.mswitch);
}

TEST_F(Header, SwitchesAnywhereAndCaseSensitive) {
    parse("<0> /90 /K /x/u");
    EXPECT_EQ(s.settings.limit9, 29); // also as the start of /90
    EXPECT_FALSE(s.settings.switchk);
    EXPECT_TRUE(s.settings.switchx);
    EXPECT_TRUE(s.settings.switchu);
    EXPECT_FALSE(s.settings.switch2);
    parse("<0> /k /2");
    EXPECT_EQ(s.settings.limit9, 30);
    EXPECT_TRUE(s.settings.switchk);
    EXPECT_TRUE(s.settings.switch2);
}

TEST_F(Header, ShiftsOfTheMapCentre) {
    parse("<0> /-12.5 /=-7");
    EXPECT_EQ(s.settings.minusvalue, 12);
    EXPECT_EQ(s.settings.equalvalue, -7);
    parse("<0>");
    EXPECT_EQ(s.settings.minusvalue, 0);
    EXPECT_EQ(errorOf([&] { parse("<0> /-99999"); }), 6);
}

TEST_F(Header, BracketsMissingOrReversed) {
    EXPECT_EQ(errorOf([&] { parse("no block /m=2"); }), 5);
    EXPECT_EQ(errorOf([&] { parse("> 1 <"); }), 5);
    parse("<>");
    EXPECT_EQ(s.settings.mapscale, 0);
}

TEST(Variants, NamesBeforeTheLastSlash) {
    Settings st;
    st.mapfile = "Europa/Asien/Afrika";
    splitvariants(st);
    EXPECT_EQ(st.variantcount, 2);
    EXPECT_EQ(st.variantnames[1], "Europa");
    EXPECT_EQ(st.variantnames[2], "Asien");
    EXPECT_EQ(st.variantinitials, "EA");
    EXPECT_EQ(st.mapfile, "Afrika");
    EXPECT_TRUE(st.hasvariants);
    EXPECT_EQ(st.variantshown, 2);

    Settings plain;
    plain.mapfile = "EUROPA.VEC";
    splitvariants(plain);
    EXPECT_FALSE(plain.hasvariants);
    EXPECT_EQ(plain.mapfile, "EUROPA.VEC");
}

TEST(Variants, LowerCaseInitialsAndTheLimit) {
    Settings st;
    st.mapfile = "\xE4gypten/nord/";
    splitvariants(st);
    EXPECT_EQ(st.variantinitials, "\xC4N");
    Settings many;
    for (int i = 0; i < 31; ++i)
        many.mapfile += "v/";
    EXPECT_EQ(errorOf([&] { splitvariants(many); }), 9);
}

TEST(TimeLimit, OfferedOnlyWhenAskedForAndPositive) {
    Settings st;
    st.timelimit = -1;
    st.exerciseflags = 128;
    timelimitrule(st);
    EXPECT_EQ(st.timelimit, 3600);
    EXPECT_TRUE(st.timelimitoffer);

    st.timelimit = 0;
    timelimitrule(st);
    EXPECT_FALSE(st.timelimitoffer);

    st.exerciseflags = 0;
    st.timelimit = 300;
    timelimitrule(st);
    EXPECT_FALSE(st.timelimitoffer);
    st.hostoptions = 32;
    timelimitrule(st);
    EXPECT_TRUE(st.timelimitoffer);
}

TEST(DerivedFlags, HelpStepsAndTheColourHitMode) {
    testkit::FakeServices f;
    Session s{f.services};
    s.settings.exerciseflags = 0b0100'0010'0010'0000; // bits 5, 9, 14
    s.settings.helpoptions = 0b1011'0011;             // bits 0, 1, 4, 5, 7
    s.settings.taskcount = 5;
    s.settings.featuremask = -1;
    deriveflags(s);
    EXPECT_FALSE(s.settings.colourhitmode) << "bit 5 counts only with bit 0";
    EXPECT_TRUE(s.settings.shuffleflag);
    EXPECT_TRUE(s.settings.demoonly);
    EXPECT_EQ(s.settings.helpcount, 3); // four of bits 0..5, less one for bits 7, 5 and 4
    EXPECT_EQ(s.settings.halftasks, 2); // 2.5 to even
    EXPECT_EQ(s.results.featuremaskused, 0b01100011100);
    EXPECT_EQ(s.results.statusflags, 256);
    EXPECT_FLOAT_EQ(static_cast<float>(s.settings.starttime), 9 * 3600 + 30 * 60 + 15);

    s.settings.hostoptions = 1;
    sethelpallowed(s);
    EXPECT_TRUE(s.settings.helpallowed);
    EXPECT_EQ(s.results.statusflags, 257);
    s.settings.helpcount = 0;
    sethelpallowed(s);
    EXPECT_FALSE(s.settings.helpallowed);
}

TEST(DemoText, SplitAtTheFirstSlash) {
    Settings st;
    st.exercisetexts[session::kDemoTimeText] = " Vorf\xFChrung / \xDC"
                                               "bung / mehr ";
    splitdemotext(st);
    EXPECT_EQ(st.demotextleft, "Vorf\xFChrung");
    EXPECT_EQ(st.demotextright, "\xDC"
                                "bung / mehr");
    st.exercisetexts[session::kDemoTimeText] = "ohne";
    EXPECT_EQ(errorOf([&] { splitdemotext(st); }), 5);
}

class ExerciseFile : public ::testing::Test {
  protected:
    testkit::FakeServices f;
    Session s{f.services};
    void read(const std::string &bytes, int block) {
        f.dir.write("EX", bytes);
        s.shared.currentfile = f.dir.file("EX");
        s.settings.blocknumber = static_cast<std::int16_t>(block);
        readexercisefile(s);
    }
};

const std::string twoBlocks =
    "frei\r\n**\r\nT0\r\n\"a, b\"\r\nS\x84tze\r\n**\r\n"
    "Block 1\r\n*\r\n\"b1\",\"b0\",\"b10\",\"b11\"\r\n7,0,,0\r\n\"A/B/\",\"L\",\"A.LST\"\r\n2,6,0\r\n"
    "***\r\nBlock 2\r\n*\r\n\"b1000000001\",\"b0\",\"b0\",\"b1\"\r\n8,300,12,1.5\r\n"
    "\"EUROPA.VEC\",\"E\",\"E.LST\"\r\n3,4,0\r\n";

TEST_F(ExerciseFile, TextsAndTheFirstBlock) {
    read(twoBlocks, 1);
    EXPECT_EQ(s.settings.exercisetexts[1], "a, b");
    EXPECT_EQ(s.settings.exercisetexts[2], "S\xE4tze"); // code page 850 to ANSI
    EXPECT_EQ(s.settings.exercisetextlast, 2);
    EXPECT_EQ(s.settings.exerciseflags, 1);
    EXPECT_EQ(s.settings.exerciseflags3, 2);
    EXPECT_EQ(s.settings.exerciseparam, basic::Variant(std::int16_t{30})) << "an empty item keeps 30";
    EXPECT_EQ(s.settings.mapfile, "A/B/");
    EXPECT_EQ(s.settings.listto, 6);
    EXPECT_FALSE(f.files.isOpen(exerciseFileNumber));
}

TEST_F(ExerciseFile, ALaterBlockAndBlockZero) {
    read(twoBlocks, 2);
    EXPECT_EQ(s.settings.exerciseflags, 513);
    EXPECT_EQ(s.settings.timelimit, 300);
    EXPECT_EQ(s.settings.exerciseparam, basic::Variant(std::int16_t{12}));
    EXPECT_EQ(s.settings.exerciseparam2, basic::Variant(1.5));
    EXPECT_EQ(s.settings.listfrom, 3);
    read(twoBlocks, 0);
    EXPECT_EQ(s.settings.exerciseflags, 1);
    EXPECT_EQ(errorOf([&] { read(twoBlocks, 3); }), 62);
}

TEST_F(ExerciseFile, FortyOneTextsWithoutMarker) {
    std::string bytes = "**\r\n";
    for (int i = 0; i < 41; ++i)
        bytes += "T" + std::to_string(i) + "\r\n";
    bytes += "*\r\n\"b0\",\"b0\",\"b0\",\"b0\"\r\n1,0,1,0\r\n\"M\",\"L\",\"F\"\r\n0,0,0\r\n";
    read(bytes, 1);
    EXPECT_EQ(s.settings.exercisetexts[40], "T40");
    EXPECT_EQ(s.settings.exercisetextlast, 0);
    EXPECT_EQ(s.settings.mapfile, "M");
}

TEST_F(ExerciseFile, AFlagWordBeyondSixteenBits) {
    EXPECT_EQ(errorOf([&] { read("**\r\n**\r\n*\r\n\"b10000000000000000\",\"b0\",\"b0\",\"b0\"\r\n", 1); }),
              6);
}

} // namespace
