// Reference pictures of the three samples as a trainee sees them: the start screen, the
// demonstration, a task, its answer and the summary, at 1024 x 768; the world sample also at
// 1920 x 1080 and the Europe sample on an 800 x 600 area of a 1024 x 768 screen. Each run takes
// the block that offers the demonstration, accepts it, ends it and answers two tasks.
#include "hosted_session.hpp"
#include "platform/gfx/png.hpp"
#include "support/golden.hpp"

#include <gtest/gtest.h>

using namespace kartino;

namespace {

struct PictureRun {
    const char *name;    // reference pictures samples/NAME-STATE
    const char *dataset; // folder of examples/
    const char *options; // the host's options
    const char *variant; // script lines before the offer (the variant's initial)
    ui::ScreenSize screen;
    const char *click; // a point of the map in screen pixels that every task accepts
};

const PictureRun kRuns[] = {
    {"world-1024x768",
     "world",
     "--exercise WELTK --block 2 --tasks 2 --hostflags 2048 --hostoptions 133 --featuremask 543",
     "",
     {1024, 768},
     "512 400"},
    {"world-1920x1080",
     "world",
     "--exercise WELTK --block 2 --tasks 2 --hostflags 2048 --hostoptions 133 --featuremask 543",
     "",
     {1920, 1080},
     "960 560"},
    {"europe-1024x768",
     "europe",
     "--exercise EUROP --block 1 --tasks 2 --hostflags 2048 --hostoptions 160 --featuremask 543",
     "key 87\n",
     {1024, 768},
     "467 482"},
    {"europe-800x600-area",
     "europe",
     "--exercise EUROP --block 1 --tasks 2 --hostflags 2048 --hostoptions 160 --featuremask 543 --area "
     "800x600",
     "key 87\n",
     {1024, 768},
     "477 460"},
    {"iceland-1024x768",
     "iceland",
     "--exercise ISLAN --block 2 --tasks 2 --hostflags 2048 --hostoptions 133 --featuremask 543",
     "",
     {1024, 768},
     "512 400"},
};

TEST(SamplePictures, StartScreenDemonstrationTaskAnswerAndSummary) {
    const char *const states[] = {"start", "demonstration", "task", "answer", "summary"};
    for (const PictureRun &r : kRuns) {
        SCOPED_TRACE(r.name);
        testkit::HostedSession session(r.dataset, r.options);
        testkit::TempDir shots;
        auto shot = [&](const char *state) {
            return "screenshot " + shots.file(std::string(state) + ".png") + "\n";
        };
        const std::string click = std::string("move ") + r.click + "\nclick " + r.click + "\n";
        const std::string script = "wait 1000\n" + shot("start") + r.variant +
                                   "wait 1000\nkey 74\nwait 2000\nkey 87\n" + "wait 1000\n" +
                                   shot("demonstration") + "key 69\nwait 3000\n" + "wait 1000\n" + "move " +
                                   r.click + "\n" + shot("task") + "click " + r.click + "\n" +
                                   shot("answer") + "key 13\nwait 1000\n" + click + "key 13\nwait 500\n" +
                                   shot("summary") + "key 13\nwait 500\nkey 78\n";
        EXPECT_EQ(session.run(script, r.screen), 0);
        // The rows the form chose itself lie off the map: the summary's row and every help row.
        const session::Session &s = session.program().session();
        auto offmap = [&](int row) { return row * 16 - 2 < s.map.maptop || row * 16 - 17 > s.map.mapbottom; };
        EXPECT_TRUE(s.exerciserun.maptextrow == 2 || offmap(s.exerciserun.maptextrow - 1))
            << "summary row " << s.exerciserun.maptextrow - 1;
        for (int row = s.exerciserun.helprow; row < s.exerciserun.helprow + s.settings.helpcount; ++row)
            EXPECT_TRUE(offmap(row)) << "help row " << row;
        for (const char *state : states)
            EXPECT_TRUE(testkit::matchesGolden(gfx::readPng(shots.file(std::string(state) + ".png")),
                                               std::string("samples/") + r.name + "-" + state))
                << state;
    }
}

} // namespace
