// kartino-render started as its own process: exit codes, what it says on stderr and the PNG it
// leaves behind.
#include "render_fixture.hpp"

#include "platform/gfx/png.hpp"
#include "support/golden.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

namespace kartino::testkit {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string quoted(const std::string &arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class RenderProcess : public ::testing::Test {
  protected:
    RenderFolder folder;

    Outcome render(const std::vector<std::string> &args) {
        std::string command = quoted(KARTINO_RENDER_PROGRAM);
        for (const std::string &a : args)
            command += " " + quoted(a);
        command += " >" + quoted(folder.dir.file("stdout")) + " 2>" + quoted(folder.dir.file("stderr"));
        const int raw = std::system(command.c_str());
        Outcome o;
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        o.out = readFile(folder.dir.file("stdout"));
        o.err = readFile(folder.dir.file("stderr"));
        return o;
    }
};

TEST_F(RenderProcess, SampleIsDrawnAsItsReference) {
    const std::string png = folder.dir.file("alles.png");
    const Outcome o = render({std::string(KARTINO_RENDER_EXAMPLES) + "/ALLES.VEC", png});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_TRUE(matchesReference(gfx::readPng(png), goldenPath("render/alles-1024x768"),
                                 "render-process-actual.png"));
}

TEST_F(RenderProcess, BadArgumentsShowTheUsage) {
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{}, {"--screen", "wide", "A.VEC", "a.png"}, {"--nope", "A.VEC", "a.png"}}) {
        const Outcome o = render(args);
        EXPECT_EQ(o.status, 1);
        EXPECT_THAT(o.err, HasSubstr("usage: kartino-render"));
    }
    const Outcome help = render({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("usage: kartino-render"));
}

TEST_F(RenderProcess, MissingFileIsNamed) {
    const std::string png = folder.dir.file("x.png");
    const Outcome o = render({folder.dir.file("NICHTDA.VEC"), png});
    EXPECT_EQ(o.status, 1);
    EXPECT_THAT(o.err, HasSubstr(folder.dir.file("NICHTDA.VEC") + ": no such file"));
    EXPECT_FALSE(fileExists(png));
}

TEST_F(RenderProcess, MalformedRecordNamesLineAndTokenAndThePictureIsWritten) {
    const std::string file = folder.write("M.VEC", kMalformedFile);
    const std::string png = folder.dir.file("m.png");
    const Outcome o = render({file, png});
    EXPECT_EQ(o.status, 1);
    EXPECT_THAT(o.err, HasSubstr(file + ":7: record 2, token 'G150' at position 11"));
    EXPECT_THAT(o.err, Not(HasSubstr("record 3")));
    const gfx::Surface picture = gfx::readPng(png);
    EXPECT_EQ(picture.at(544, 410), gfx::rgb(0, 0, 170)); // record 0
    EXPECT_EQ(picture.at(512, 442), gfx::rgb(170, 0, 0)); // record 3, after the malformed one
}

TEST_F(RenderProcess, ScreenAndZoomFromTheCommandLine) {
    const std::string file = folder.write("P.VEC", {"1  <0> " + kColourSwitches, "C1,B20,0,0,0,", "*"});
    const std::string png = folder.dir.file("p.png");
    ASSERT_EQ(render({"--screen", "800x600", "--zoom", "8", file, png}).status, 0);
    const gfx::Surface picture = gfx::readPng(png);
    EXPECT_EQ(picture.width(), 800);
    EXPECT_EQ(picture.height(), 600);
    EXPECT_EQ(picture.at(450, 320), gfx::rgb(0, 0, 170)); // 20 units of 2.5 pixels from (400, 320)
}

} // namespace
} // namespace kartino::testkit
