// The start screen driven as a trainee drives it, through the whole program on the headless
// backend: the go-on label, the offer of a demonstration and the variant row, each reached and
// left by mouse and by key (the ways to quit from each are in exit_matrix_test.cpp).
#include "common/design_screen.hpp"
#include "platform/gfx/png.hpp"
#include "program_run.hpp"
#include "support/golden.hpp"

#include <gmock/gmock.h>

#include <array>

using namespace kartino;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace {

// Centres of the start form's controls on a full 1024 x 768 screen (design units x 1.6).
constexpr const char *clickWeiter = "click 512 712\n";
constexpr const char *clickJa = "click 752 712\n";
constexpr const char *clickNein = "click 880 712\n";
constexpr const char *endDemo = "key 69\n"; // E, the initial of the demonstration's end button
// The closing display pauses three seconds: one wait of that length after the end key ends it.
constexpr const char *closingPause = "wait 3000\n";
constexpr const char *bang = "sound K:\\all\\bang1.wav";
const std::string cancelRecord = "\"c\",0,15,\"A\",0,256,0\r\n\r\n";

class StartScreen : public testkit::ProgramRun {
  protected:
    void offer() { // a time limit of five minutes that the block asks to offer
        data.blocks[0].flags = "b10000000";
        data.blocks[0].numbers = "7,300,30,0";
    }
    void variants(const std::string &names) {
        data.blocks[0].mapfile = names;
        for (std::size_t start = 0, slash; (slash = names.find('/', start)) != std::string::npos;
             start = slash + 1)
            data.writemap(names.substr(start, slash - start) + ".VEC");
    }
    std::string clickOn(const ui::Control &c) const {
        return "click " + std::to_string(c.Left() + c.Width() / 2) + " " +
               std::to_string(c.Top() + c.Height() / 2) + "\n";
    }
};

TEST_F(StartScreen, GoOnByKeyOrByMouseOpensTheExercise) {
    for (const std::string way : {"key 13\n", "key 32\n", clickWeiter}) {
        EXPECT_EQ(run(way), 1) << way;
        EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "form FormKartino shown", "exit 1")) << way;
        EXPECT_TRUE(form1().LabelWeiter.Visible());
        EXPECT_EQ(form1().LabelWeiter.Caption(), "Weiter");
        EXPECT_EQ(session().settings.mapscale, -2) << "the header of the map was read";
        EXPECT_EQ(rdat(), cancelRecord);
    }
}

TEST_F(StartScreen, KeysThatAreNoGoOnKeysChangeNothing) {
    EXPECT_EQ(run("key 65\nkey 27\nkey 9\nkey 8 1\n"), 1);
    EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "exit 1"));
}

TEST_F(StartScreen, TheOfferAnsweredYesRunsTheDemonstrationFirst) {
    offer();
    data.settings.protocolflags = 8;
    for (const std::string way : {"key 74\n", clickJa}) {
        EXPECT_EQ(run(way + endDemo + closingPause), 1) << way;
        EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "form FormDemo shown", bang,
                                         "form FormDemo hidden", "form FormKartino shown", "exit 1"));
        EXPECT_TRUE(session().settings.offeraccepted);
        // The offer's answer, then the cancel record with the offer and the demonstration flags.
        EXPECT_EQ(rdat(), "s5J    -112-07-202610:00:00\r\n\"c\",0,15,\"A\",128,288,32\r\n\r\n");
    }
}

TEST_F(StartScreen, TheOfferAnsweredNoGoesStraightToTheExercise) {
    offer();
    data.settings.protocolflags = 8;
    for (const std::string way : {"key 78\n", clickNein}) {
        EXPECT_EQ(run(way), 1) << way;
        EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "form FormKartino shown", "exit 1"));
        EXPECT_EQ(rdat(), "s5N    -112-07-202610:00:00\r\n\"c\",0,15,\"A\",128,288,0\r\n\r\n");
    }
}

TEST_F(StartScreen, TheGoOnKeyDoesNothingWhileTheGoOnLabelIsHidden) {
    offer();
    EXPECT_EQ(run("key 13\nkey 32\n" + std::string(clickWeiter)), 1);
    EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "exit 1"));
    EXPECT_FALSE(form1().LabelWeiter.Visible());
    EXPECT_TRUE(form1().LabelJa.Visible());

    variants("Europa/Asien/");
    EXPECT_EQ(run("key 13\n"), 1);
    EXPECT_THAT(trace(), Not(Contains("form FormKartino shown")));
}

TEST_F(StartScreen, AVariantChosenByItsInitialOrByMouse) {
    variants("Europa/Asien/Afrika");
    EXPECT_EQ(run("key 65\n"), 1); // A: Asien
    EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "form FormKartino shown", "exit 1"));
    EXPECT_EQ(session().settings.mapfile, "Asien.VEC");
    EXPECT_EQ(session().settings.listfile, "Asien.LST");
    EXPECT_EQ(form1().LabelVariantAnswer.Caption(), "Asien");
    EXPECT_TRUE(form1().LabelVariantAnswer.Visible());
    EXPECT_FALSE(form1().varLabel(1).Visible());
    EXPECT_EQ(rdat(), "\"c\",0,15,\"B\",0,256,0\r\n\r\n");

    run("");
    const std::string first = clickOn(form1().varLabel(1));
    EXPECT_EQ(run(first), 1);
    EXPECT_EQ(session().settings.mapfile, "Europa.VEC");
    EXPECT_EQ(rdat(), cancelRecord);
}

TEST_F(StartScreen, AKeyThatIsNoInitialOnlyWarns) {
    variants("Europa/Asien/");
    EXPECT_EQ(run("key 88\nkey 49\n"), 1);
    EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "sound K:\\all\\warn.wav", "sound K:\\all\\warn.wav",
                                     "exit 1"));
    EXPECT_TRUE(form1().varLabel(2).Visible());
}

TEST_F(StartScreen, OfTwoVariantsWithOneInitialTheKeyTakesTheFirst) {
    variants("Asien/Afrika/");
    EXPECT_EQ(run("key 65\n"), 1);
    EXPECT_EQ(session().settings.mapfile, "Asien.VEC");
    run("");
    EXPECT_EQ(run(clickOn(form1().varLabel(2))), 1);
    EXPECT_EQ(session().settings.mapfile, "Afrika.VEC");
    EXPECT_EQ(rdat(), "\"c\",0,15,\"B\",0,256,0\r\n\r\n");
}

TEST_F(StartScreen, WithAnOfferTheQuestionFollowsTheVariantChoice) {
    offer();
    variants("Europa/Asien/");
    EXPECT_EQ(run("key 74\n"), 1); // J is no variant initial while the row is up
    EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "sound K:\\all\\warn.wav", "exit 1"));
    EXPECT_FALSE(form1().LabelJa.Visible());

    EXPECT_EQ(run("key 69\nkey 74\n" + std::string(endDemo) + closingPause), 1);
    EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "form FormDemo shown", bang, "form FormDemo hidden",
                                     "form FormKartino shown", "exit 1"));
    EXPECT_EQ(session().settings.mapfile, "Europa.VEC");
}

TEST_F(StartScreen, MoreThanTwentySixVariantsShowTheFirstTwentySix) {
    std::string names;
    for (int i = 0; i < 28; ++i)
        names += std::string(1, static_cast<char>('A' + i % 26)) + "v" + std::to_string(i) + "/";
    variants(names);
    EXPECT_EQ(run(""), 1);
    EXPECT_EQ(session().settings.variantcount, 28);
    EXPECT_EQ(session().settings.variantshown, 26);
    EXPECT_TRUE(form1().varLabel(26).Visible());

    // "Av26" and "Bv27" have no label; their initials select the first A and B.
    EXPECT_EQ(run("key 66\n"), 1);
    EXPECT_EQ(session().settings.mapfile, "Bv1.VEC");
}

// The variant row: labels as wide as their names plus 10 design units, 10 units apart, the
// row centred; a row wider than 550 units is split into two of half (the first the larger).
// The variant labels where the trainee sees them, in screen pixels. On the 1024 x 768 screen
// (design scaled by 1.6) a row is centred under the question, its labels 16 pixels apart, the
// rows at 640 and 688 (design 400 and 430), each label its name's width plus 16 and 32 high.
struct LabelBox {
    int label, left, top, width, height;
};

class VariantRows : public StartScreen {
  protected:
    void expectLabels(int count, const std::vector<LabelBox> &boxes) {
        for (const LabelBox &b : boxes) {
            const ui::Label &l = form1().varLabel(b.label);
            EXPECT_EQ((std::array{l.Left(), l.Top(), l.Width(), l.Height()}),
                      (std::array{b.left, b.top, b.width, b.height}))
                << "label " << b.label;
            EXPECT_TRUE(l.Visible()) << "label " << b.label;
        }
        EXPECT_FALSE(form1().varLabel(count + 1).Visible());
    }
    static std::string names(int count) {
        std::string n;
        for (int i = 1; i <= count; ++i)
            n += "Region" + std::to_string(i) + "/";
        return n;
    }
};

TEST_F(VariantRows, ThreeShortNamesMakeOneRow) {
    variants("Europa/Asien/Afrika/");
    run("");
    expectLabels(3, {{1, 378, 640, 83, 32}, {2, 477, 640, 68, 32}, {3, 561, 640, 69, 32}});
}

TEST_F(VariantRows, TenNamesMakeTwoRowsOfFive) {
    variants(names(10));
    run("");
    expectLabels(10, {{1, 237, 640, 94, 32},
                      {2, 347, 640, 94, 32},
                      {3, 457, 640, 94, 32},
                      {4, 567, 640, 94, 32},
                      {5, 677, 640, 94, 32},
                      {6, 231, 688, 94, 32},
                      {7, 341, 688, 94, 32},
                      {8, 451, 688, 94, 32},
                      {9, 561, 688, 94, 32},
                      {10, 671, 688, 106, 32}});
}

TEST_F(VariantRows, ElevenNamesMakeRowsOfSixAndFive) {
    variants(names(11));
    run("");
    expectLabels(11, {{1, 182, 640, 94, 32},
                      {2, 292, 640, 94, 32},
                      {3, 402, 640, 94, 32},
                      {4, 512, 640, 94, 32},
                      {5, 622, 640, 94, 32},
                      {6, 732, 640, 94, 32},
                      {7, 225, 688, 94, 32},
                      {8, 335, 688, 94, 32},
                      {9, 445, 688, 94, 32},
                      {10, 555, 688, 106, 32},
                      {11, 677, 688, 106, 32}});
}

// The 800 x 600 area centred on the screen (from 112, 84) at scale 1.25: labels 12 apart, 25 high.
TEST_F(VariantRows, OnASmallerAreaTheRowStaysUnderTheQuestion) {
    data.settings.areawidth = 800;
    data.settings.areaheight = 600;
    variants("Europa/Asien/Afrika/");
    run("");
    expectLabels(3, {{1, 406, 584, 66, 25}, {2, 484, 584, 54, 25}, {3, 550, 584, 56, 25}});
    const auto &question = form1().LabelVariantQuestion;
    EXPECT_EQ(question.Left(), 112 + 175); // ctlscreenx(140)
    EXPECT_GT(form1().varLabel(1).Left(), 112);
}

// What the trainee sees of each state, on the full screen and on an 800 x 600 area.
TEST_F(StartScreen, PicturesOfTheThreeStates) {
    struct Case {
        const char *name;
        std::function<void()> prepare;
    };
    const std::vector<Case> cases = {
        {"goon", [] {}},
        {"offer", [this] { offer(); }},
        {"variants", [this] { variants("Europa/Asien/Afrika/Amerika/"); }},
    };
    for (const bool small : {false, true}) {
        data.settings.areawidth = small ? 800 : -1;
        data.settings.areaheight = small ? 600 : -1;
        data.settings.hostflags = 2048;
        for (const Case &c : cases) {
            data.blocks[0] = testkit::ExerciseBlock{};
            c.prepare();
            const std::string name = std::string("start/") + c.name + (small ? "-800x600" : "-1024x768");
            run("screenshot " + shot("state") + "\n");
            EXPECT_TRUE(testkit::matchesGolden(gfx::readPng(shot("state")), name));
        }
    }
}

} // namespace

namespace {

// Demonstration-only mode: no start screen, the demonstration, its record, a normal end.
TEST_F(StartScreen, DemonstrationOnlyEndsWithItsRecord) {
    data.blocks[0].flags = "b100000000000000";
    data.settings.protocolflags = 8;
    EXPECT_EQ(run(endDemo), 0);
    EXPECT_THAT(trace(), ElementsAre("form FormDemo shown", "form FormDemo hidden", "exit 0"));
    EXPECT_EQ(rdat(), "s3-     012-07-202610:00:00\r\ni\r\n");
    EXPECT_EQ(session().settings.mapscale, -2) << "the header was read before the demonstration";
}

} // namespace
