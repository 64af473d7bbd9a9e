#include "render_options.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kartino::render {
namespace {

using ::testing::HasSubstr;

TEST(RenderOptions, DefaultsWithTheTwoFiles) {
    const auto o = parsearguments({"KARTE.VEC", "karte.png"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->input, "KARTE.VEC");
    EXPECT_EQ(o->output, "karte.png");
    EXPECT_EQ(o->width, 1024);
    EXPECT_EQ(o->height, 768);
    EXPECT_FALSE(o->zoom);
    EXPECT_FALSE(o->record);
    EXPECT_EQ(o->palette, "");
}

TEST(RenderOptions, OptionsAnywhereAndInBothForms) {
    const auto o = parsearguments({"--screen=800x600", "KARTE.VEC", "--zoom", "6.5", "--record=3", "out.png",
                                   "--palette", "pal/FARBEN"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->width, 800);
    EXPECT_EQ(o->height, 600);
    EXPECT_DOUBLE_EQ(o->zoom.value_or(0), 6.5);
    EXPECT_EQ(o->record.value_or(-1), 3);
    EXPECT_EQ(o->palette, "pal/FARBEN");
    EXPECT_EQ(o->output, "out.png");
}

TEST(RenderOptions, DoubleDashEndsTheOptions) {
    const auto o = parsearguments({"--", "-KARTE.VEC", "--zoom"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->input, "-KARTE.VEC");
    EXPECT_EQ(o->output, "--zoom");
}

TEST(RenderOptions, HelpWinsOverEverythingBeforeIt) {
    EXPECT_FALSE(parsearguments({"--help"}));
    EXPECT_FALSE(parsearguments({"KARTE.VEC", "-h"}));
}

TEST(RenderOptions, BadCommandLinesSayWhatIsWrong) {
    const struct {
        std::vector<std::string> args;
        const char *message;
    } cases[] = {
        {{}, "no vector file"},
        {{"KARTE.VEC"}, "no PNG file"},
        {{"A.VEC", "a.png", "b.png"}, "\"b.png\" is one too many"},
        {{"--screen", "1024", "A.VEC", "a.png"}, "--screen needs WIDTHxHEIGHT"},
        {{"--screen", "0x480", "A.VEC", "a.png"}, "--screen needs"},
        {{"--screen", "8193x600", "A.VEC", "a.png"}, "from 1 to 8192"},
        {{"--screen", "800x-600", "A.VEC", "a.png"}, "--screen needs"},
        {{"--screen", "800x600x2", "A.VEC", "a.png"}, "--screen needs"},
        {{"--zoom", "0", "A.VEC", "a.png"}, "--zoom needs a number above 0"},
        {{"--zoom", "4x", "A.VEC", "a.png"}, "not \"4x\""},
        {{"--zoom", "nan", "A.VEC", "a.png"}, "--zoom needs"},
        {{"--zoom", "1e9", "A.VEC", "a.png"}, "--zoom needs"},
        {{"--record", "201", "A.VEC", "a.png"}, "from 0 to 200"},
        {{"--record", "-1", "A.VEC", "a.png"}, "--record needs"},
        {{"--record", "1.5", "A.VEC", "a.png"}, "--record needs"},
        {{"--palette=", "A.VEC", "a.png"}, "--palette needs a file name"},
        {{"--farbe", "A.VEC", "a.png"}, "unknown option --farbe"},
        {{"A.VEC", "a.png", "--zoom"}, "--zoom needs a value"},
        {{"", "a.png"}, "empty file name"},
    };
    for (const auto &c : cases) {
        std::string joined;
        for (const auto &a : c.args)
            joined += "[" + a + "]";
        try {
            parsearguments(c.args);
            ADD_FAILURE() << joined << " was accepted";
        } catch (const UsageError &e) {
            EXPECT_THAT(e.what(), HasSubstr(c.message)) << joined;
        }
    }
}

} // namespace
} // namespace kartino::render
