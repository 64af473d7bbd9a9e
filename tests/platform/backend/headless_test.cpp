// The headless backend end to end: the demonstration form driven by a script, its screenshot,
// and the way the clock moves.
#include "demo_form.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/gfx/png.hpp"
#include "support/golden.hpp"
#include "support/temp_dir.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kartino::backend {
namespace {

using ::testing::ElementsAre;

struct DemoRun {
    explicit DemoRun(const std::string &script, ui::ScreenSize screen = {320, 240}) {
        HeadlessConfig c;
        c.screen = screen;
        c.script = parseScript(script);
        c.tracePath = dir.file("trace.txt");
        backend = std::make_unique<HeadlessBackend>(std::move(c));
        app = std::make_unique<ui::Application>(*backend);
        form = std::make_unique<demo::DemoForm>(*app);
    }
    int run() {
        return app->run([&] { form->Show(); });
    }

    testkit::TempDir dir;
    std::unique_ptr<HeadlessBackend> backend;
    std::unique_ptr<ui::Application> app;
    std::unique_ptr<demo::DemoForm> form;
};

TEST(Headless, ScreenshotsShowTheFormWithItsControlsBeforeAndAfterAClick) {
    testkit::TempDir out;
    DemoRun r("screenshot " + out.file("before.png") + "\nclick 60 205\nscreenshot " + out.file("after.png") +
              "\nkey 27\n");
    EXPECT_EQ(r.run(), 0);
    gfx::Surface before = gfx::readPng(out.file("before.png"));
    gfx::Surface after = gfx::readPng(out.file("after.png"));
    ui::ScreenPoint c = r.form->figureCentre();
    EXPECT_EQ(before.at(c.x, c.y), gfx::rgb(0, 0, 255));
    EXPECT_EQ(after.at(c.x, c.y), gfx::rgb(0, 160, 0));
    EXPECT_EQ(before.at(12, 200), gfx::rgb(192, 192, 192)) << "the button's face";
    EXPECT_EQ(r.form->Point(12, 200), static_cast<std::int32_t>(gfx::rgb(255, 255, 255)))
        << "the form's own pixels do not contain the button";
    EXPECT_TRUE(testkit::matchesGolden(before, "ui/demo-form"));
    EXPECT_TRUE(testkit::matchesGolden(after, "ui/demo-form-clicked"));
    EXPECT_THAT(testkit::readFile(r.dir.file("trace.txt")),
                "form FormUiDemo shown\nsound click.wav\nexit 0\n");
}

TEST(Headless, KeysShowTheirCodeAndTheEndOfTheScriptCloses) {
    DemoRun r("key 65 1\nwait 100\n");
    EXPECT_EQ(r.run(), 1);
    EXPECT_EQ(r.form->LabelTitel.Caption(), "Taste 65");
    EXPECT_EQ(r.backend->clock().monotonicMs(), 100);
    EXPECT_TRUE(r.backend->scriptFinished());
}

TEST(Headless, AnUnwritableScreenshotNamesItsLine) {
    DemoRun r("wait 1\nscreenshot no/such/folder/x.png\n");
    try {
        r.run();
        FAIL() << "no error";
    } catch (const ScriptError &e) {
        EXPECT_THAT(e.what(), ::testing::StartsWith("script line 2: "));
    }
}

TEST(Headless, AWaitStopsAtEachTimerDueOnTheWay) {
    HeadlessConfig c;
    c.script = parseScript("wait 2500\n");
    HeadlessBackend b(std::move(c));
    EXPECT_FALSE(b.nextEvent(1000, true));
    EXPECT_EQ(b.clock().monotonicMs(), 1000);
    EXPECT_FALSE(b.nextEvent(2000, true));
    EXPECT_EQ(b.clock().monotonicMs(), 2000);
    auto close = b.nextEvent(3000, true); // the rest of the wait, then the end of the script
    ASSERT_TRUE(close);
    EXPECT_EQ(close->kind, ui::EventKind::Close);
    EXPECT_EQ(b.clock().monotonicMs(), 2500);
    EXPECT_FALSE(b.nextEvent(3000, true)) << "after the script a due timer still fires";
    EXPECT_EQ(b.clock().monotonicMs(), 3000);
    EXPECT_THROW(b.nextEvent(std::nullopt, true), ScriptStalled);
}

} // namespace
} // namespace kartino::backend
