// Event order, modal forms, input routing, timers and the end of the program.
#include "common/pause.hpp"
#include "platform/basic/termination.hpp"
#include "platform/ui/command_button.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/session_end.hpp"
#include "platform/ui/timer.hpp"
#include "ui_fixture.hpp"
#include <csignal>

#include <gmock/gmock.h>

namespace kartino::testkit {
namespace {

using ::testing::ElementsAre;

class Events : public UiTest {};

TEST_F(Events, ShowRaisesLoadPaintActivateInThatOrderAndActivateStaysOnScreen) {
    std::vector<std::string> log;
    RecordingForm f{app(), "F", log};
    f.setBackColor(gfx::rgb(255, 255, 255));
    f.Show();
    f.PSet({1, 1}, gfx::rgb(255, 0, 0)); // as Form_Activate would draw
    app().present();
    EXPECT_THAT(log, ElementsAre("F Load", "F Paint", "F Activate"));
    EXPECT_EQ(screenAt(1, 1), gfx::rgb(255, 0, 0));
    f.Show(); // already shown and active: nothing again
    EXPECT_EQ(log.size(), 3u);
    EXPECT_THAT(traceLines(), ElementsAre("form F shown"));
}

TEST_F(Events, ClosingAModalFormRepaintsAndActivatesTheFormBelow) {
    start("click 5 5\n");
    std::vector<std::string> log;
    RecordingForm below{app(), "Below", log};
    RecordingForm modal{app(), "Modal", log};
    ui::Label close{modal, "LabelCancel"};
    close.Move(0, 0, 10, 10);
    close.Click = [&] { modal.Unload(); };
    below.Show();
    modal.ShowModal(); // returns when the click has unloaded it
    log.push_back("after ShowModal");
    EXPECT_THAT(log, ElementsAre("Below Load", "Below Paint", "Below Activate", "Modal Load", "Modal Paint",
                                 "Modal Activate", "Below Paint", "Below Activate", "after ShowModal"));
    EXPECT_THAT(traceLines(), ElementsAre("form Below shown", "form Modal shown", "form Modal hidden"));
    EXPECT_FALSE(modal.loaded());
}

TEST_F(Events, AModalFormWithAnEmptyScriptFailsLoudly) {
    std::vector<std::string> log;
    RecordingForm modal{app(), "Modal", log};
    app().setOnClose([] {}); // the close box is ignored
    EXPECT_THROW(modal.ShowModal(), backend::ScriptStalled);
}

TEST_F(Events, TheEndOfTheScriptClosesTheWindowLikeTheCloseBox) {
    std::vector<std::string> log;
    RecordingForm f{app(), "F", log};
    int code = app().run([&] { f.Show(); });
    EXPECT_EQ(code, 1);
    EXPECT_THAT(traceLines(), ElementsAre("form F shown", "exit 1"));
}

TEST_F(Events, ATerminationSignalEndsLikeTheCloseBox) {
    start("wait 100\nkey 65\n");
    std::vector<std::string> log;
    RecordingForm f{app(), "F", log};
    int closes = 0;
    app().setOnClose([&] { ++closes, app().end(1); });
    f.onKeyDown = [&](int &) { log.push_back("key"); };
    basic::installTerminationHandlers();
    int code = app().run([&] {
        f.Show();
        std::raise(SIGTERM);
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_THAT(log, ::testing::Not(::testing::Contains("key")))
        << "the session ends before the next scripted event";
}

TEST_F(Events, KeysReachTheFormAndNeverClickTheFocusedButton) {
    start("click 5 5\nkey 13\nkey 32\nkeydown 65 3\nkeydown 65 3\nkeyup 65\nkey 27\n");
    std::vector<std::string> log;
    RecordingForm f{app(), "F", log};
    ui::CommandButton button{f, "CommandWeiter"};
    button.Move(0, 0, 20, 10);
    int clicks = 0;
    button.Click = [&] { ++clicks; };
    f.onKeyDown = [&](int &code) {
        if (code == 27) app().end(0);
    };
    EXPECT_EQ(app().run([&] { f.Show(); }), 0);
    EXPECT_EQ(clicks, 1) << "the mouse click only";
    EXPECT_EQ(f.focused(), &button);
    EXPECT_THAT(std::vector<std::string>(log.begin() + 3, log.end()),
                ElementsAre("F KeyDown 13 0", "F KeyUp 13 0", "F KeyDown 32 0", "F KeyUp 32 0",
                            "F KeyDown 65 3", "F KeyDown 65 3", "F KeyUp 65 0", "F KeyDown 27 0"));
}

TEST_F(Events, MouseEventsGoToTheFormOutsideControlsWithPixelPositions) {
    start("move 30 20\nclick 40 30\nclick 2 2\nmove 3 3\n");
    std::vector<std::string> log;
    RecordingForm f{app(), "F", log};
    ui::Label area{f, "LabelJa"};
    area.setBackStyle(ui::Label::Transparent);
    area.Move(0, 0, 10, 10);
    int clicks = 0;
    area.Click = [&] { ++clicks; };
    app().run([&] { f.Show(); });
    EXPECT_EQ(clicks, 1);
    EXPECT_THAT(std::vector<std::string>(log.begin() + 3, log.end()),
                ElementsAre("F MouseMove 30 20", "F MouseDown 1 40 30", "F Click"));
    EXPECT_EQ(app().GetCursorPos(), (ui::ScreenPoint{3, 3}));
}

TEST_F(Events, TimersTickOnTheFakeClockAndAWaitInsideAHandlerTakesOnlyWhatItNeeds) {
    start("wait 3500\nwait 2000\n");
    std::vector<std::string> log;
    RecordingForm f{app(), "F", log};
    ui::Timer timer{f, "Timer1"};
    int ticks = 0;
    std::int64_t pausedUntil = -1;
    timer.OnTimer = [&] {
        ++ticks;
        if (ticks == 3) {
            app().waitUntil(app().clock().monotonicMs() + 1000); // a pause of 1 s inside the handler
            pausedUntil = app().clock().monotonicMs();
            timer.setEnabled(false);
        }
    };
    timer.setInterval(1000);
    app().run([&] { f.Show(); });
    EXPECT_EQ(ticks, 3);
    // The rest of the first wait (500 ms) and 500 ms of the second; its other 1500 ms come after.
    EXPECT_EQ(pausedUntil, 4000);
    EXPECT_EQ(app().clock().monotonicMs(), 5500);
}

TEST_F(Events, DoEventsHandsOutTheLinesBeforeTheNextWaitAndNeverTakesIt) {
    start("key 65\nscreenshot " + dir.file("shot.png") + "\nkey 66\nwait 500\nkey 67\n");
    std::vector<std::string> log;
    RecordingForm f{app(), "F", log};
    f.Show();
    app().DoEvents();
    app().DoEvents();
    EXPECT_THAT(std::vector<std::string>(log.begin() + 3, log.end()),
                ElementsAre("F KeyDown 65 0", "F KeyUp 65 0", "F KeyDown 66 0", "F KeyUp 66 0"));
    EXPECT_EQ(app().clock().monotonicMs(), 0);
    EXPECT_TRUE(fileExists(dir.file("shot.png")));
    // Spinning on DoEvents until time passes would never end: it fails instead.
    auto spin = [&] {
        for (;;)
            app().DoEvents();
    };
    EXPECT_THROW(spin(), backend::ScriptStalled);
    EXPECT_EQ(app().clock().monotonicMs(), 0);
}

// The closing display's pattern: pending events, then a pause of three seconds that takes the
// script's waits as it needs them. The key after the pause shows where the pause left the script.
TEST_F(Events, APauseTakesTheWaitsItNeedsAndLeavesTheRestToWhatFollows) {
    struct Case {
        const char *script;
        std::int64_t pauseEnds;
        std::int64_t keyAt;
        bool keyInPause;
    } cases[] = {
        {"move 0 0\nwait 3000\nkey 65\n", 3000, 3000, false},
        {"wait 5000\nkey 65\n", 3000, 5000, false},
        {"wait 1000\nwait 1000\nwait 1000\nkey 65\n", 3000, 3000, false},
        {"wait 1000\nkey 65\nwait 5000\n", 3000, 1000, true},
    };
    for (const Case &c : cases) {
        start(c.script);
        std::vector<std::string> log;
        RecordingForm f{app(), "F", log};
        bool pausing = false;
        std::int64_t pauseEnds = -1, keyAt = -1;
        bool keyInPause = false;
        f.onKeyDown = [&](int &) { keyAt = app().clock().monotonicMs(), keyInPause = pausing; };
        app().run([&] {
            f.Show();
            app().DoEvents();
            pausing = true;
            common::pause(
                app().clock(), [&](std::int64_t until) { app().waitUntil(until); }, 3.0f);
            pausing = false;
            pauseEnds = app().clock().monotonicMs();
        });
        EXPECT_EQ(pauseEnds, c.pauseEnds) << c.script;
        EXPECT_EQ(keyAt, c.keyAt) << c.script;
        EXPECT_EQ(keyInPause, c.keyInPause) << c.script;
    }
}

TEST_F(Events, AHiddenFormTraceAndTheLastUnloadEndsWithZero) {
    start("click 1 1\n");
    std::vector<std::string> log;
    RecordingForm f{app(), "F", log};
    ui::CommandButton b{f, "CommandEsc"};
    b.Move(0, 0, 5, 5);
    b.Click = [&] { f.Unload(); };
    EXPECT_EQ(app().run([&] { f.Show(); }), 0);
    EXPECT_THAT(traceLines(), ElementsAre("form F shown", "form F hidden", "exit 0"));
}

TEST_F(Events, EndUnwindsWithTheExitCode) {
    try {
        app().end(3);
        FAIL() << "end returned";
    } catch (const ui::SessionEnd &e) {
        EXPECT_EQ(e.exitCode, 3);
    }
    EXPECT_THAT(traceLines(), ElementsAre()); // the loop writes the exit line
}

TEST_F(Events, AnEndThrownByTheProgramIsTracedByTheLoop) {
    start("key 27\n");
    std::vector<std::string> log;
    RecordingForm f{app(), "F", log};
    f.onKeyDown = [](int &) { throw ui::SessionEnd{1}; };
    EXPECT_EQ(app().run([&] { f.Show(); }), 1);
    EXPECT_THAT(traceLines(), ElementsAre("form F shown", "exit 1"));
}

} // namespace
} // namespace kartino::testkit
