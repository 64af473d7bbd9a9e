// The environment variables that drive the program from outside.
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/backend/settings.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kartino::backend {
namespace {

Settings read(const std::map<std::string, std::string> &env) {
    return readSettings([&](const char *name) -> const char * {
        auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    });
}

TEST(Settings, DefaultsFollowTheDisplay) {
    EXPECT_EQ(read({}).backend, "headless");
    EXPECT_EQ(read({{"DISPLAY", ":0"}}).backend, "sdl");
    EXPECT_FALSE(read({{"DISPLAY", ":0"}}).backendGiven);
    Settings s = read({{"DISPLAY", ":0"}, {"KARTINO_BACKEND", "headless"}});
    EXPECT_EQ(s.backend, "headless");
    EXPECT_TRUE(s.backendGiven);
}

TEST(Settings, ReadsEveryVariable) {
    Settings s = read({{"KARTINO_SCREEN", "800x600"},
                       {"KARTINO_DPI", "120"},
                       {"KARTINO_SCRIPT", "run.txt"},
                       {"KARTINO_TRACE", "trace.txt"},
                       {"KARTINO_CLOCK", "23:59:58"},
                       {"KARTINO_KEYBOARD_POINTER", "1"},
                       {"KARTINO_RECORD", "session.script"},
                       {"KARTINO_SHOTS", "pictures"}});
    EXPECT_EQ(s.screen, (ui::ScreenSize{800, 600}));
    EXPECT_EQ(s.dpi, 120);
    EXPECT_EQ(s.script, "run.txt");
    EXPECT_EQ(s.trace, "trace.txt");
    ASSERT_TRUE(s.clock);
    EXPECT_EQ(s.clock->hour, 23);
    EXPECT_EQ(s.clock->minute, 59);
    EXPECT_EQ(s.clock->second, 58);
    EXPECT_TRUE(s.keyboardPointer);
    EXPECT_EQ(s.record, "session.script");
    EXPECT_EQ(s.shots, "pictures");
    EXPECT_FALSE(read({{"KARTINO_KEYBOARD_POINTER", "0"}}).keyboardPointer);
}

TEST(Settings, TheDataCodePageAndTheDriveFolders) {
    EXPECT_EQ(read({}).oempage, text::CodePage::Oem850);
    for (auto [value, page] : {std::pair{"437", text::CodePage::Oem437},
                               {"850", text::CodePage::Oem850},
                               {"1252", text::CodePage::Oem850},
                               {"", text::CodePage::Oem850},
                               {"437 ", text::CodePage::Oem850}})
        EXPECT_EQ(read({{"KARTINO_OEM_CODEPAGE", value}}).oempage, page) << '"' << value << '"';

    Settings s =
        read({{"KARTINO_DRIVE_K", "/srv/k"}, {"KARTINO_DRIVE_C", ""}, {"KARTINO_DRIVE_k", "/lower"}});
    EXPECT_EQ(s.drive('K'), "/srv/k");
    EXPECT_EQ(s.drive('k'), "/srv/k") << "drive letters are looked up in either case";
    EXPECT_EQ(s.drive('C'), std::nullopt) << "an empty folder gives the drive none";
    EXPECT_EQ(s.drive('D'), std::nullopt);
}

TEST(Settings, MalformedValuesAreErrors) {
    for (auto [name, value] : std::map<std::string, std::string>{{"KARTINO_BACKEND", "x11"},
                                                                 {"KARTINO_SCREEN", "1024*768"},
                                                                 {"KARTINO_DPI", "ninety"},
                                                                 {"KARTINO_CLOCK", "25:00:00"},
                                                                 {"KARTINO_KEYBOARD_POINTER", "yes"}})
        EXPECT_THROW(read({{name, value}}), SettingsError) << name;
    EXPECT_FALSE(parseScreen("0x768"));
    EXPECT_FALSE(parseClockTime("8:00:00"));
}

TEST(Settings, TheHeadlessBackendStartsItsClockAtTheGivenTime) {
    auto backend = createBackend(read({{"KARTINO_CLOCK", "08:30:00"}, {"KARTINO_SCREEN", "320x200"}}));
    EXPECT_EQ(backend->screenSize(), (ui::ScreenSize{320, 200}));
    EXPECT_EQ(backend->dpi(), 96);
    EXPECT_EQ(backend->clock().time(), "08:30:00");
    EXPECT_FLOAT_EQ(backend->clock().timer(), 8.5f * 3600);
}

// A recording's first line gives the replay its clock and screen; the environment wins.
TEST(Settings, ARecordedScriptGivesTheClockAndTheScreenTheEnvironmentLeavesOpen) {
    testkit::TempDir dir;
    dir.write("recorded", "# clock 08:15:30 screen 800x600\nwait 10\n");
    dir.write("plain", "# a trainee\nwait 10\n");
    struct Case {
        const char *script, *screen, *clock;
        ui::ScreenSize size;
        const char *time;
    };
    const Case cases[] = {
        {"recorded", nullptr, nullptr, {800, 600}, "08:15:30"},
        {"recorded", "320x200", nullptr, {320, 200}, "08:15:30"},
        {"recorded", nullptr, "09:00:00", {800, 600}, "09:00:00"},
        {"plain", nullptr, "09:00:00", {1024, 768}, "09:00:00"},
    };
    for (const Case &c : cases) {
        std::map<std::string, std::string> env{{"KARTINO_SCRIPT", dir.file(c.script)}};
        if (c.screen) env["KARTINO_SCREEN"] = c.screen;
        if (c.clock) env["KARTINO_CLOCK"] = c.clock;
        auto backend = createBackend(read(env));
        EXPECT_EQ(backend->screenSize(), c.size) << c.script << " " << (c.screen ? c.screen : "");
        EXPECT_EQ(backend->clock().time(), c.time) << c.script << " " << (c.clock ? c.clock : "");
    }
}

} // namespace
} // namespace kartino::backend
