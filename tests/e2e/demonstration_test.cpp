// The demonstration driven through the whole program on the headless backend: stepping through
// the places by their initial keys, a held key, the seconds and the time limit, and the
// demonstration-only mode without seconds or closing display.
#include "platform/gfx/png.hpp"
#include "platform/ui/text_render.hpp"
#include "program_run.hpp"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>

using namespace kartino;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace {

// The initials of the sample's buttons: W forward, Z back, E end.
const std::string forward = "key 87\n", back = "key 90\n", end = "key 69\n";
constexpr const char *warn = "sound K:\\all\\warn.wav";
constexpr const char *bang = "sound K:\\all\\bang1.wav";

class Demonstration : public testkit::ProgramRun {
  protected:
    void demoonly() { data.blocks[0].flags = "b100000000000000"; }
    void offer(int seconds) { // a time limit that the block asks to offer; J answers yes
        data.blocks[0].flags = "b10000000";
        data.blocks[0].numbers = "7," + std::to_string(seconds) + ",30,0";
    }
    // Pixels of rows [top, bottom) that are not the background.
    static long textpixels(const gfx::Surface &s, int top, int bottom, gfx::Colour background) {
        long n = 0;
        for (int y = top; y < bottom; ++y)
            n +=
                std::count_if(s.row(y), s.row(y) + s.width(), [&](gfx::Colour c) { return c != background; });
        return n;
    }
    long count(const std::string &line) const {
        const std::vector<std::string> t = trace();
        return std::count(t.begin(), t.end(), line);
    }
};

TEST_F(Demonstration, SteppingWrapsRoundAtBothEndsOfThePlaces) {
    demoonly();
    EXPECT_EQ(run(back), 1);
    EXPECT_EQ(formdemo().demokeys(), "WZE");
    const std::int16_t last = session().vectors.itemcount;
    EXPECT_GT(last, 0);
    EXPECT_EQ(session().run.taskindex, last) << "back from the first place";

    EXPECT_EQ(run(back + forward), 1);
    EXPECT_EQ(session().run.taskindex, 0) << "forward from the last place";
    EXPECT_EQ(run(forward + forward), 1);
    EXPECT_EQ(session().run.taskindex, 2);
    EXPECT_EQ(count(warn), 0);
}

TEST_F(Demonstration, AHeldKeyStepsOnceAndWarnsUntilReleased) {
    demoonly();
    EXPECT_EQ(run("keydown 87\nkeydown 87\nkeydown 87\nkeyup 87\n" + forward), 1);
    EXPECT_EQ(session().run.taskindex, 2);
    EXPECT_EQ(count(warn), 2);
    EXPECT_EQ(run("key 65\n"), 1) << "A is no initial";
    EXPECT_EQ(count(warn), 1);
}

TEST_F(Demonstration, OnlyTheDemonstrationCountsNoSecondsAndEndsWithoutClosingDisplay) {
    demoonly();
    data.settings.protocolflags = 8;
    EXPECT_EQ(run("wait 5000\n" + end), 0);
    EXPECT_EQ(formdemo().demoseconds(), 0);
    EXPECT_EQ(formdemo().LabelSekunden.Caption(), "");
    EXPECT_THAT(trace(), ElementsAre("form FormDemo shown", "form FormDemo hidden", "exit 0"));
    EXPECT_EQ(rdat(), "s3-     512-07-202610:00:05\r\ni\r\n") << "five seconds shown in the record";
}

TEST_F(Demonstration, TheTimeLimitEndsItOnTheTickAfterTheLimit) {
    offer(10);
    EXPECT_EQ(run("key 74\nwait 10000\n"), 1);
    EXPECT_EQ(formdemo().demoseconds(), 10);
    EXPECT_TRUE(formdemo().visible());
    EXPECT_EQ(count(bang), 0);

    EXPECT_EQ(run("key 74\nwait 10000\nwait 1000\nwait 3000\n"), 1);
    EXPECT_EQ(formdemo().demoseconds(), 11);
    EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "form FormDemo shown", bang, "form FormDemo hidden",
                                     "form FormKartino shown", "exit 1"));
    EXPECT_NEAR(session().results.offeranswer.toDouble(), 11, 0.01) << "the seconds the demonstration lasted";
}

TEST_F(Demonstration, OneWaitEndsTheClosingPauseAndTheAnswersAfterItReachTheExercise) {
    offer(300);
    data.cmd.tasks = 2;
    // The closing display lets events run before its pause: the move, never the wait after it.
    EXPECT_EQ(run("key 74\n" + end + "move 0 0\nwait 3000\nmove 600 300\nclick 600 300\nkey 13\n"), 1);
    EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "form FormDemo shown", bang, "form FormDemo hidden",
                                     "form FormKartino shown", "exit 1"));
    EXPECT_EQ(session().results.tasknumber, 2) << "the click answered the first task, Enter went on";
    EXPECT_TRUE(session().exerciserun.awaitingclick);
}

TEST_F(Demonstration, TheSecondsShowInTheExerciseTextOnTheFirstRow) {
    offer(300);
    data.texts[15] = "Vorf\xFChrung / s";
    EXPECT_EQ(run("key 74\nwait 3000\n"), 1);
    EXPECT_EQ(formdemo().LabelSekunden.Caption(), "Vorf\xFChrung 3 s ") << "the number keeps Str's blank";
}

// On an 800 x 600 area of a 1024 x 768 screen the seconds labels take what their captions need,
// on both layouts, and the closing text comes out whole over the controls just hidden.
TEST_F(Demonstration, EveryCaptionFitsItsLabelAndTheClosingTextIsWhole) {
    offer(300);
    data.settings.areawidth = 800, data.settings.areaheight = 600;
    data.settings.hostflags = 1 << 11; // the close box beside the seconds
    data.texts[15] = "Vorf\xFChrung / Sekunden";
    const std::string withtexts =
        "7  <-2;500;40;440> /m=4 /l /c /p1,64,24,40,63,0,1,2,64,4,5,20,7,56,57,58,59,60,61,62,63";
    for (const std::string &header : {std::string(), withtexts}) {
        SCOPED_TRACE(header.empty() ? "seconds in the exercise text" : "seconds between two texts");
        data.writemap("EUROPA.VEC", header);
        EXPECT_EQ(run("key 74\nwait 12000\n" + end + "screenshot " + shot("closing") + "\n"), 1);
        const demo::FormDemo &form = formdemo();
        for (const ui::Label *l : {&form.LabelSekl, &form.LabelSekunden, &form.LabelSekr}) {
            if (l->Caption().empty()) continue;
            EXPECT_GE(l->Width(), ui::textWidth(l->fonts(), l->font(), l->dpi(), l->Caption()))
                << l->Caption();
            const bool besidebox = l->Top() < form.LabelCancel.Top() + form.LabelCancel.Height();
            EXPECT_LE(l->Left() + l->Width(), besidebox ? form.LabelCancel.Left() : 912)
                << l->Caption() << ": within the design area, left of the close box beside it";
        }
        // Below the map only the closing text is left: as many text pixels as the text printed alone.
        const std::string &closing = session().texts.text[session::kDemoClosingText];
        text::Fonts &fonts = form.LabelCancel.fonts();
        const int dpi = form.LabelCancel.dpi();
        const int pitch = ui::textHeight(fonts, form.font(), dpi);
        gfx::Surface alone(ui::textWidth(fonts, form.font(), dpi, closing), pitch);
        alone.fill(alone.bounds(), form.BackColor());
        ui::drawText(alone, 0, 0, fonts, form.font(), dpi, closing, form.ForeColor());
        const gfx::Surface shown = gfx::readPng(shot("closing"));
        EXPECT_EQ(textpixels(shown, 84 + 565, shown.height(), form.BackColor()),
                  textpixels(alone, 0, alone.height(), form.BackColor()));
    }
}

} // namespace
