// The headless script: every command, comments and blank lines, and bad lines by number.
#include "platform/backend/headless/script.hpp"
#include "support/temp_dir.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace kartino::backend {
namespace {

using Op = ScriptCommand::Op;

TEST(Script, ParsesEveryCommand) {
    auto s = parseScript("wait 250\n"
                         "move 10 20\n"
                         "click 30 40\n"
                         "down 1 2\n"
                         "up 3 4\n"
                         "key 13\n"
                         "key 65 3\n"
                         "keydown 112 4\n"
                         "keyup 112\n"
                         "close\n"
                         "screenshot out/shot.png\n");
    std::vector<ScriptCommand> expected = {
        {Op::Wait, 250, 0, "", 1},
        {Op::Move, 10, 20, "", 2},
        {Op::Click, 30, 40, "", 3},
        {Op::Down, 1, 2, "", 4},
        {Op::Up, 3, 4, "", 5},
        {Op::Key, 13, 0, "", 6},
        {Op::Key, 65, 3, "", 7},
        {Op::KeyDown, 112, 4, "", 8},
        {Op::KeyUp, 112, 0, "", 9},
        {Op::Close, 0, 0, "", 10},
        {Op::Screenshot, 0, 0, "out/shot.png", 11},
    };
    EXPECT_EQ(s, expected);
}

TEST(Script, CommentsBlankLinesAndLineEndsAreSkippedButCounted) {
    auto s = parseScript("# start\r\n\r\n   \n  wait 5   # half a tick\r\n#close\nkey 27");
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0], (ScriptCommand{Op::Wait, 5, 0, "", 4}));
    EXPECT_EQ(s[1], (ScriptCommand{Op::Key, 27, 0, "", 6}));
    EXPECT_TRUE(parseScript("").empty());
}

TEST(Script, ReportsEveryBadLineWithItsNumber) {
    try {
        parseScript(
            "wait 10\nklick 1 2\nmove 1\nkey 13 8\nwait -5\nclose now\nwait 1.5\nkey 300\nscreenshot\n");
        FAIL() << "no error";
    } catch (const ScriptError &e) {
        EXPECT_STREQ(e.what(), "script line 2: unknown command 'klick'\n"
                               "script line 3: 'move' takes 2 argument(s), not 1\n"
                               "script line 4: shift bits 8 are outside 0..7\n"
                               "script line 5: a wait cannot be negative\n"
                               "script line 6: 'close' takes 0 argument(s), not 1\n"
                               "script line 7: '1.5' is not a whole number\n"
                               "script line 8: key code 300 is outside 0..255\n"
                               "script line 9: 'screenshot' takes 1 argument(s), not 0");
    }
}

TEST(Script, AMissingFileIsAnError) {
    EXPECT_THROW(readScriptFile("no/such/script.txt"), ScriptError);
}

std::string errorOf(auto &&f) {
    try {
        f();
    } catch (const ScriptError &e) {
        return e.what();
    }
    return "";
}

// A hundred thousand lines parse; as many bad ones give twenty reports and a count, a long word is
// quoted short; a file beyond the bound, or one that never ends, is refused without being read whole.
TEST(Script, HostileSizes) {
    std::string many;
    for (int i = 0; i < 100'000; ++i)
        many += i % 2 ? "wait 1\n" : "key 13\n";
    EXPECT_EQ(parseScript(many).size(), 100'000u);

    std::string lines;
    for (int i = 0; i < 100'000; ++i)
        lines += "klick\n";
    std::string bad = errorOf([&] { parseScript(lines); });
    EXPECT_THAT(bad, ::testing::StartsWith("script line 1: unknown command 'klick'\nscript line 2: "));
    EXPECT_THAT(bad,
                ::testing::EndsWith("script line 20: unknown command 'klick'\n... and 99980 more bad lines"));

    EXPECT_EQ(errorOf([] { parseScript("wait " + std::string(1 << 20, '9')); }),
              "script line 1: '" + std::string(40, '9') + "...' is not a whole number");

    testkit::TempDir dir;
    dir.write("big.script", "");
    std::filesystem::resize_file(dir.file("big.script"), kMaxScriptBytes + 1);
    for (const std::string &path : {dir.file("big.script"), std::string("/dev/zero")})
        EXPECT_EQ(errorOf([&] { readScriptFile(path); }), "the script " + path + " is larger than 16 MiB");
}

} // namespace
} // namespace kartino::backend
