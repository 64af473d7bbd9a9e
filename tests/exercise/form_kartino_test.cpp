// The exercise form's pointing on a 640 x 480 headless form (one pixel per design unit): the
// map hit test, the drawn cross-hair and what it leaves behind, the click's colour test, the
// answer mark at the screen edge, and the help steps.
#include "exercise/form_kartino.hpp"

#include "common/palette.hpp"
#include "common/text_grid.hpp"
#include "platform/ui/ui_fixture.hpp"
#include "support/fake_services.hpp"

#include <gmock/gmock.h>

#include <algorithm>

using namespace kartino;
using ::testing::Contains;
using ::testing::Not;

namespace {

constexpr int kCrossColour = 15;

class FormKartinoTest : public testkit::UiTest {
  protected:
    FormKartinoTest() {
        start("", {640, 480});
        s.shared.settingspaths = fake.shared.settingspaths;
        auto &sc = s.shared.screen;
        sc.screenwidth = 640, sc.screenheight = 480, sc.areawidth = 640, sc.areaheight = 480;
        s.settings.warnsound = "K:\\all\\warn.wav";
        s.map.mapleft = 100, s.map.mapright = 300, s.map.maptop = 82, s.map.mapbottom = 400;
        form = std::make_unique<exercise::FormKartino>(app(), s);
        form->Load();
        // After the load, which composed the map's working palette: 17 distinct colours.
        for (int n = 0; n <= 16; ++n)
            s.shared.palette[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 15), 60,
                                                             static_cast<std::uint8_t>(250 - n * 5)};
        form->setAutoRedraw(true);
        form->setBackColor(colour(0));
        s.exerciserun.awaitingclick = true;
    }

    std::uint32_t colour(int n) const { return common::palcolor(s.shared, n); }
    std::uint32_t at(int x, int y) const { return static_cast<std::uint32_t>(form->Point(x, y)); }
    // Pixels that differ from the background colour 0.
    int painted() const {
        int n = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                if (at(x, y) != colour(0)) ++n;
        return n;
    }
    void move(float x, float y) { form->Form_MouseMove(0, 0, x, y); }

    testkit::FakeServices fake;
    session::Session s{fake.services};
    std::unique_ptr<exercise::FormKartino> form;
};

TEST_F(FormKartinoTest, TheMapBorderIsInsideTheMap) {
    EXPECT_TRUE(form->inmap(100, 82));
    EXPECT_TRUE(form->inmap(300, 400));
    EXPECT_FALSE(form->inmap(99.5, 200));
    EXPECT_FALSE(form->inmap(200, 400.5));
}

TEST_F(FormKartinoTest, TheCrossHairFollowsTheMouseAndLeavesNothingBehind) {
    // Something of the map under the cross-hair, to be found again after it has gone.
    form->Line(gfx::PenPoint{140, 200}, gfx::PenPoint{160, 200}, colour(4));
    const int map = painted();

    move(150, 200);
    EXPECT_EQ(at(144, 200), colour(kCrossColour));
    EXPECT_EQ(at(156, 200), colour(kCrossColour)) << "both arms are six pixels long";
    EXPECT_EQ(at(157, 200), colour(4));
    EXPECT_EQ(at(150, 194), colour(kCrossColour));
    EXPECT_EQ(at(150, 206), colour(kCrossColour));
    EXPECT_EQ(at(150, 207), colour(0));
    EXPECT_FALSE(s.exerciserun.systemcursor);
    EXPECT_THAT(traceLines(), Contains("cursor hidden"));

    move(153, 205);
    EXPECT_EQ(at(150, 194), colour(0)) << "the old vertical arm is gone";
    EXPECT_EQ(at(144, 200), colour(4)) << "the map under the old arm is back";
    EXPECT_EQ(at(153, 199), colour(kCrossColour));

    move(20, 20); // out of the map
    EXPECT_TRUE(s.exerciserun.systemcursor);
    EXPECT_EQ(painted(), map);
    EXPECT_EQ(traceLines().back(), "cursor shown");
}

TEST_F(FormKartinoTest, MovesAndClicksAreIgnoredWhileNoTaskWaits) {
    s.exerciserun.awaitingclick = false;
    move(150, 200);
    form->Form_MouseDown(1, 0, 150, 200);
    EXPECT_EQ(painted(), 0);
    EXPECT_TRUE(s.exerciserun.systemcursor);
}

TEST_F(FormKartinoTest, AClickOffTheTargetColourOnlyWarnsAndTheTaskWaits) {
    s.settings.colourhitmode = true;
    s.map.targetcolour1 = colour(4), s.map.targetcolour2 = colour(5);
    form->Line(gfx::PenPoint{140, 200}, gfx::PenPoint{160, 200}, colour(6));
    move(150, 200);
    form->Form_MouseDown(1, 0, 150, 200);
    EXPECT_TRUE(s.exerciserun.awaitingclick);
    EXPECT_THAT(traceLines(), Contains("sound K:\\all\\warn.wav"));
    EXPECT_EQ(at(150, 194), colour(kCrossColour)) << "the cross-hair is drawn again";

    form->Form_MouseDown(1, 0, 50, 50); // outside the map: not even a warning
    const std::vector<std::string> trace = traceLines();
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "sound K:\\all\\warn.wav"), 1);
    EXPECT_FALSE(form->LabelWeiter.Visible());
}

// The answer time goes into R.DAT (the task list and the mean times): across midnight it counts
// on from the day before instead of going negative.
TEST_F(FormKartinoTest, TheAnswerTimeOfATaskAcrossMidnight) {
    const std::int64_t toMidnightMs = (86400 - (9 * 3600 + 30 * 60 + 15)) * std::int64_t{1000};
    struct Case {
        std::int64_t shownMs, answeredMs; // after the start at 09:30:15
        float answertime;
    } const cases[] = {{0, 2500, 2.5f}, {toMidnightMs - 4000, toMidnightMs + 6000, 10}};
    std::int64_t now = 0;
    for (const Case &c : cases) {
        fake.clock.advance(c.shownMs - now);
        s.exerciserun.taskstart = fake.clock.timer();
        fake.clock.advance(c.answeredMs - c.shownMs);
        now = c.answeredMs;
        form->evaluateanswer();
        EXPECT_NEAR(s.exerciserun.answertime, c.answertime, 0.01) << c.answeredMs;
    }
    EXPECT_NEAR(s.results.totaltime, 12.5, 0.02);
}

TEST_F(FormKartinoTest, TheAnswerMarkAtTheScreenCornerIsClippedAndErasedExactly) {
    form->Line(gfx::PenPoint{0, 2}, gfx::PenPoint{20, 2}, colour(4));
    const int before = painted();
    s.exerciserun.clickx = 2, s.exerciserun.clicky = 2;
    form->drawanswermark();
    EXPECT_EQ(s.exerciserun.markleft, 0);
    EXPECT_EQ(s.exerciserun.marktop, 0);
    EXPECT_EQ(s.exerciserun.markright, 7);
    EXPECT_EQ(at(0, 2), colour(kCrossColour));
    EXPECT_EQ(at(7, 2), colour(kCrossColour));
    EXPECT_EQ(at(8, 2), colour(4));
    EXPECT_EQ(at(2, 7), colour(kCrossColour));
    EXPECT_EQ(at(2, 8), colour(0));
    form->eraseanswermark();
    EXPECT_EQ(painted(), before);
    EXPECT_EQ(at(5, 2), colour(4));
}

class HelpStepsTest : public FormKartinoTest {
  protected:
    HelpStepsTest() {
        s.settings.helpallowed = true;
        s.settings.helpcount = 2;
        s.settings.helpoptions = 0b1010; // the first and the third text of the place
        s.results.helptotal = 0;
        s.run.taskindex = 4;
        auto &columns = s.places.placecolumns[4];
        columns[1] = "Paris", columns[2] = "Frankreich", columns[3] = "Seine";
        s.exerciserun.helprow = 2, s.exerciserun.helpcolumn = 52;
        form->CommandHilf.setVisible(true);
    }
    // Painted pixels on text row `row` of the right-hand column.
    int onrow(int row) const {
        int n = 0;
        for (int y = (row - 1) * 16; y < row * 16; ++y)
            for (int x = 408; x < 640; ++x)
                if (at(x, y) == colour(1)) ++n;
        return n;
    }
};

TEST_F(HelpStepsTest, EachStepShowsTheNextKindUntilTheStepsAreUsed) {
    form->showhelp();
    EXPECT_GT(onrow(2), 0);
    EXPECT_EQ(onrow(3), 0);
    EXPECT_TRUE(form->CommandHilf.Visible());
    EXPECT_EQ(s.results.offerflags & 1, 1) << "help was used";

    form->showhelp();
    EXPECT_GT(onrow(3), 0);
    EXPECT_FALSE(form->CommandHilf.Visible()) << "the last step hides the help button";

    const int shown = painted();
    form->showhelp();
    EXPECT_EQ(painted(), shown);
    EXPECT_EQ(s.exerciserun.helpused, 2);
    EXPECT_EQ(s.results.helptotal, 2);
}

TEST_F(HelpStepsTest, ThirdTextIsNotTheSecondAndNoHelpWithoutPermission) {
    form->showhelp();
    form->showhelp();
    common::printcell(*form, s.shared, "Seine", 10, 52, 1, 0);
    EXPECT_EQ(onrow(3), onrow(10)) << "the third text, not the second, on the second help row";

    s.settings.helpallowed = false;
    s.exerciserun.helpused = 0;
    const int shown = painted();
    form->showhelp();
    EXPECT_EQ(painted(), shown);
    EXPECT_EQ(s.exerciserun.helpused, 0);
}

} // namespace
