// Runs of tasks on the exercise form, driven as a trainee drives them through the whole program
// on the headless backend: clicks on the map, go-on by key and label, the summary, the files at
// the end of a run, the repetition of wrong tasks, and the cross-hair over the map.
#include "common/design_screen.hpp"
#include "content/place_list.hpp"
#include "platform/gfx/png.hpp"
#include "program_run.hpp"
#include "support/golden.hpp"

#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

using namespace kartino;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

constexpr const char *goOn = "key 13\n";

class ExerciseRun : public testkit::ProgramRun {
  protected:
    void SetUp() override {
        data.cmd.tasks = 2;
        data.settings.featuremask = 1 << 9 | 1 << 4; // the summary line and the kilometre text
    }

    // Runs the script from the first task on: the start screen is left with its go-on key.
    int runtasks(const std::string &script) { return run(goOn + script); }

    // Runs up to the first task and keeps the geometry the map set-up fixed.
    void probe() {
        run(goOn);
        ASSERT_GT(session().map.mapright, session().map.mapleft) << "the map has its rectangle";
    }

    // The screen point of place `index`, or one `dy` pixels below it.
    std::string at(std::int16_t index, int dy = 0) {
        const content::DesignPoint p = content::placeposition(session(), index);
        const common::ScreenMetrics &sc = session().shared.screen;
        const int x = static_cast<int>(std::lround(common::screenx(sc, p.x)));
        const int y = static_cast<int>(std::lround(common::screeny(sc, p.y))) + dy;
        return std::to_string(x) + " " + std::to_string(y);
    }
    // A click on place `index`, or `dy` pixels below it (200: in the sample's sea, which is never
    // the target's colour).
    std::string clickat(std::int16_t index, int dy = 0) {
        return "move " + at(index, dy) + "\nclick " + at(index, dy) + "\n";
    }

    static bool same(const gfx::Surface &a, const gfx::Surface &b) {
        if (a.width() != b.width() || a.height() != b.height()) return false;
        for (int y = 0; y < a.height(); ++y)
            if (!std::equal(a.row(y), a.row(y) + a.width(), b.row(y))) return false;
        return true;
    }

    bool exists(const std::string &name) const {
        return std::filesystem::exists(data.root.file("ERGEBNIS/" + name));
    }
    std::string text(int n) { return session().settings.exercisetexts[static_cast<std::size_t>(n)]; }
};

TEST_F(ExerciseRun, DistanceModeRunEndsWithTheSummaryThenTheFeedbackFileAndTheRecord) {
    probe();
    const std::string script = clickat(0) + goOn + clickat(1) + goOn;
    EXPECT_EQ(runtasks(script), 1) << "the script ends while the summary is shown";
    EXPECT_TRUE(session().exerciserun.summaryshown);
    EXPECT_FALSE(exists("FB.DAT")) << "the files wait for the go-on after the summary";

    EXPECT_EQ(runtasks(script + goOn), 0);
    EXPECT_EQ(data.resultfile("FB.DAT"), text(9) + " 0 km.\r\n");
    const std::string record = rdat();
    EXPECT_THAT(record, StartsWith("\"g\","));
    EXPECT_THAT(record, HasSubstr("\r\n\"e\",2\r\n 0, 0,")) << "the answer values of both tasks";
    EXPECT_EQ(session().results.result20, 2727);
}

TEST_F(ExerciseRun, TheGoOnKeyWaitsForTheAnswerAndTheSummaryComesFirst) {
    probe();
    EXPECT_EQ(runtasks(std::string(goOn) + goOn), 1);
    EXPECT_EQ(session().results.tasknumber, 1) << "no go-on before the click";
    EXPECT_TRUE(session().exerciserun.awaitingclick);

    EXPECT_EQ(runtasks(clickat(0) + goOn + clickat(1) + goOn), 1);
    EXPECT_EQ(session().results.tasknumber, 2);
    EXPECT_TRUE(formkartino().LabelWeiter.Visible()) << "the summary waits for one more go-on";
}

TEST_F(ExerciseRun, WrongAnswersAreOfferedAgainAndYesRunsThemWithTheRepetitionCounter) {
    data.blocks[0].flags = "b1";                 // find mode
    data.settings.hostoptions = 1 << 2 | 1 << 7; // repetition of wrong tasks, task counter shown
    probe();
    const std::string wrongrun = clickat(0, 200) + goOn + clickat(1, 200) + goOn + goOn;
    EXPECT_EQ(runtasks(wrongrun), 1);
    EXPECT_TRUE(formkartino().CommandJa.Visible());
    EXPECT_FALSE(exists("FB.DAT")) << "no feedback file for a run followed by the offer";
    // Start-up's reset opened "X", the run's own reset "XX", which now holds the wrong tasks.
    EXPECT_EQ(data.resultfile("XX"), "0\r\n1\r\n");
    EXPECT_EQ(data.resultfile("X"), "");
    EXPECT_EQ(session().results.result20, 1);

    EXPECT_EQ(runtasks(wrongrun + "key 74\n" + clickat(0, 200)), 1); // J: yes
    EXPECT_EQ(formkartino().LabelAufno.Caption(), "R1:1/2");
    EXPECT_EQ(session().results.repeatnumber, 1);
    EXPECT_EQ(session().settings.taskcount, 2);

    EXPECT_EQ(runtasks(wrongrun + "key 74\n" + wrongrun + "key 78\n"), 0); // N: no more
    EXPECT_EQ(formkartino().LabelAufno.Caption(), "R1:2/2");
    EXPECT_EQ(data.resultfile("X"), "0\r\n1\r\n") << "the repetition run wrote the other file";
    EXPECT_FALSE(exists("FB.DAT"));
}

TEST_F(ExerciseRun, ARightRunNeverOffersARepetitionAndEndsTheSession) {
    data.blocks[0].flags = "b1";
    data.settings.hostoptions = 1 << 2;
    data.settings.featuremask = 1 << 9;
    probe();
    // Every answer within the tolerance of the distance mode, without any solution display: the
    // place's position is known to the judgement all the same.
    data.blocks[0].flags = "b0";
    EXPECT_EQ(runtasks(clickat(0) + goOn + clickat(1) + goOn + goOn), 0);
    EXPECT_EQ(data.resultfile("XX"), "");
    EXPECT_TRUE(exists("FB.DAT"));
    EXPECT_FALSE(formkartino().CommandJa.Visible());
}

TEST_F(ExerciseRun, TheYesKeyDoesNothingWhileTheOfferIsHidden) {
    probe();
    EXPECT_EQ(runtasks("key 74\nkey 78\n" + clickat(0)), 1);
    EXPECT_EQ(session().results.tasknumber, 1);
    EXPECT_EQ(session().results.repeatnumber, 0);
}

TEST_F(ExerciseRun, TheCrossHairFollowsTheMouseAndLeavesTheMapAsItWas) {
    probe();
    const std::string before = shot("before"), inside = shot("inside"), after = shot("after");
    runtasks("screenshot " + before + "\nmove " + at(0) + "\nmove " + at(1) + "\nscreenshot " + inside +
             "\nmove 2 2\nscreenshot " + after + "\n");
    const gfx::Surface a = gfx::readPng(before), b = gfx::readPng(inside), c = gfx::readPng(after);
    EXPECT_TRUE(same(a, c)) << "moving out of the map takes the cross-hair away";
    EXPECT_FALSE(same(a, b));
    EXPECT_THAT(fulltrace(), Contains("cursor hidden"));
    EXPECT_EQ(fulltrace().back(), "exit 1");
}

TEST_F(ExerciseRun, TheMapStaysWhenTheMessagesAreBlanked) {
    data.settings.featuremask = 1 << 4; // the kilometre text on the message row
    probe();
    const std::string shown = shot("shown"), answered = shot("answered"), next = shot("next");
    runtasks("screenshot " + shown + "\n" + clickat(0, 40) + "screenshot " + answered + "\n" + goOn +
             "screenshot " + next + "\n");
    const gfx::Surface a = gfx::readPng(shown), b = gfx::readPng(answered), c = gfx::readPng(next);
    // The sample's sea, far from the click.
    const int x = 800, y = 600;
    EXPECT_NE(a.at(x, y), a.at(2, 2)) << "the map is drawn there";
    EXPECT_EQ(b.at(x, y), a.at(x, y)) << "after the answer";
    EXPECT_EQ(c.at(x, y), a.at(x, y)) << "at the next task";
}

TEST_F(ExerciseRun, PicturesOfATaskAndItsAnswer) {
    data.blocks[0].flags3 = "b1000000110"; // name and country above the map, the cross marker
    data.settings.hostoptions = 1 << 7;    // the task counter
    data.settings.hostflags = 1 << 11;     // the close box
    probe();
    runtasks("move " + at(0, 30) + "\nscreenshot " + shot("task") + "\n" + clickat(0, 30) + "screenshot " +
             shot("answer") + "\n");
    EXPECT_TRUE(testkit::matchesGolden(gfx::readPng(shot("task")), "exercise/task-1024x768"));
    EXPECT_TRUE(testkit::matchesGolden(gfx::readPng(shot("answer")), "exercise/answer-1024x768"));
}

} // namespace
