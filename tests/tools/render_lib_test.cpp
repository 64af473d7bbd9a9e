#include "render_fixture.hpp"
#include "render_lib.hpp"

#include "platform/gfx/png.hpp"
#include "support/golden.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace kartino::render {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;
using testkit::kColourSwitches;

constexpr gfx::Colour white = gfx::rgb(255, 255, 255);
constexpr gfx::Colour blue = gfx::rgb(0, 0, 170);
constexpr gfx::Colour green = gfx::rgb(0, 170, 0);
constexpr gfx::Colour red = gfx::rgb(170, 0, 0);

const std::string examples = KARTINO_RENDER_EXAMPLES;

Options optionsfor(const std::string &input) {
    Options o;
    o.input = input;
    return o;
}

// The pixels of the picture that are not background.
std::vector<std::tuple<int, int, gfx::Colour>> drawn(const gfx::Surface &s) {
    std::vector<std::tuple<int, int, gfx::Colour>> points;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.at(x, y) != white) points.emplace_back(x, y, s.at(x, y));
    return points;
}

TEST(RenderTool, SampleOfEveryCommandMatchesItsReference) {
    const Rendering r = render(optionsfor(examples + "/ALLES.VEC"));
    EXPECT_THAT(r.faults, ElementsAre());
    EXPECT_THAT(r.notes, ElementsAre());
    EXPECT_TRUE(testkit::matchesGolden(r.picture, "render/alles-1024x768"));
}

TEST(RenderTool, MapCentreByScaleCodeAndShifts) {
    EXPECT_EQ(mapcentre(-2, 0, 0).y, 240);
    EXPECT_EQ(mapcentre(-1, 0, 0).y, 246);
    EXPECT_EQ(mapcentre(0, 0, 0).y, 256);
    EXPECT_EQ(mapcentre(3, 0, 0).y, 256);
    const DesignPoint shifted = mapcentre(-2, 10, -6);
    EXPECT_EQ(shifted.x, 310);
    EXPECT_EQ(shifted.y, 246);
}

// One point 20 vector units right of the map centre, under header switches and options.
TEST(RenderTool, SingleStepLandsWhereTheMapSetUpPutsIt) {
    const struct {
        std::string header;
        int width, height;
        std::optional<double> zoom;
        int x, y;
    } cases[] = {
        // Centre (320, 256) is pixel (512, 410); at zoom 4 a unit is 1.6 pixels.
        {"<0>", 1024, 768, {}, 544, 410},
        {"<0>", 1024, 768, 8.0, 576, 410},
        {"<0> /m=8", 1024, 768, {}, 576, 410},
        {"<0> /m=8", 1024, 768, 4.0, 544, 410}, // --zoom wins over the header
        {"<0>", 800, 600, {}, 425, 320},        // 1.25 pixels a unit
        {"<-2>", 1024, 768, {}, 544, 384},      // regional map: centre y 240
        {"<-1>", 1024, 768, {}, 544, 394},      // world map: y 246
        {"<0> /-10 /=6", 1024, 768, {}, 528, 400},
    };
    testkit::RenderFolder folder;
    for (const auto &c : cases) {
        Options o = optionsfor(
            folder.write("P.VEC", {"1  " + c.header + " " + kColourSwitches, "C1,B20,0,0,0,", "*"}));
        o.width = c.width;
        o.height = c.height;
        o.zoom = c.zoom;
        const Rendering r = render(o);
        EXPECT_THAT(drawn(r.picture), ElementsAre(std::make_tuple(c.x, c.y, blue)))
            << c.header << " at " << c.width << "x" << c.height;
    }
}

TEST(RenderTool, OneRecordAlone) {
    testkit::RenderFolder folder;
    Options o = optionsfor(folder.write("M.VEC", testkit::kMalformedFile));
    o.record = 1;
    const Rendering r = render(o);
    EXPECT_THAT(r.faults, ElementsAre());
    EXPECT_THAT(drawn(r.picture), ElementsAre(std::make_tuple(480, 410, green)));

    o.record = 4;
    try {
        render(o);
        ADD_FAILURE() << "record 4 of 0..3 was drawn";
    } catch (const InputError &e) {
        EXPECT_THAT(e.what(), HasSubstr("M.VEC: there is no record 4 (records 0 to 3)"));
    }
}

TEST(RenderTool, MalformedRecordIsReportedWithItsLineAndTheOthersAreDrawn) {
    testkit::RenderFolder folder;
    const std::string file = folder.write("M.VEC", testkit::kMalformedFile);
    const Rendering r = render(optionsfor(file));
    EXPECT_THAT(r.faults,
                ElementsAre(file + ":7: record 2, token 'G150' at position 11: Subscript out of range "
                                   "(error 9)"));
    EXPECT_THAT(drawn(r.picture),
                UnorderedElementsAre(std::make_tuple(544, 410, blue), std::make_tuple(480, 410, green),
                                     std::make_tuple(512, 442, red)));
}

// Input that leaves nothing to draw: each message names the file and what is wrong with it.
TEST(RenderTool, UnusableInputIsRefusedWithTheFileNamed) {
    testkit::RenderFolder folder;
    const std::string good = "1  <0> " + kColourSwitches;
    const struct {
        std::vector<std::string> lines;
        std::string palette; // written as FARBEN and chosen with --palette when not empty
        std::string message;
    } cases[] = {
        {{"1  ohne Block " + kColourSwitches, "K5,", "*"}, "", "F.VEC:1: the header has no parameter block"},
        {{"1  <0> /c;", ",1", "*"},
         "",
         "F.VEC: the vector file cannot be read: Input past end of file (error 62)"},
        {{"250  <0>", "K5,", "*"}, "", "F.VEC: the vector file cannot be read: Subscript out of range"},
        {{"1  <0> /c,1,2", "K5,", "*"}, "", "F.VEC:1: the colour switches of the header cannot be used"},
        {{"1  <0> /c /p1,65,1,1,1", "K5,", "*"}, "", "F.VEC:1: the colour switches"},
        {{"1  <99999> /c", "K5,", "*"}, "", "F.VEC:1: the header cannot be read: Overflow"},
        {{good, "K5,", "*"}, "0,0,0\r\n", "FARBEN: the palette cannot be read: Input past end of file"},
        {{good, "K5,", "*"}, "256,0,0\r\n", "FARBEN: the palette cannot be read: Overflow"},
        {{"1  <0> /m=4 /-32767 " + kColourSwitches, "K5,", "*"}, "", "F.VEC:1: the map centre"},
    };
    for (const auto &c : cases) {
        Options o = optionsfor(folder.write("F.VEC", c.lines));
        if (!c.palette.empty()) {
            folder.dir.write("FARBEN", c.palette);
            o.palette = folder.dir.file("FARBEN");
        }
        try {
            render(o);
            ADD_FAILURE() << c.lines[0] << " was drawn";
        } catch (const InputError &e) {
            EXPECT_THAT(e.what(), HasSubstr(c.message)) << c.lines[0];
        }
    }
}

TEST(RenderTool, PaletteBesideTheFileIsFoundWhateverItsCase) {
    testkit::TempDir dir;
    dir.write("karten/STDVGA64", testkit::readFile(examples + "/stdvga64"));
    dir.write("karten/P.VEC", testkit::vecfile({"1  <0> " + kColourSwitches, "C1,B20,0,0,0,", "*"}));
    EXPECT_THAT(drawn(render(optionsfor(dir.file("karten/P.VEC"))).picture),
                ElementsAre(std::make_tuple(544, 410, blue)));

    dir.write("anders/P.VEC", testkit::vecfile({"1  <0> " + kColourSwitches, "C1,B20,0,0,0,", "*"}));
    try {
        render(optionsfor(dir.file("anders/P.VEC")));
        ADD_FAILURE() << "drawn without a palette";
    } catch (const InputError &e) {
        EXPECT_THAT(e.what(), HasSubstr(dir.file("anders/stdvga64") + ": the palette cannot be read"));
        EXPECT_THAT(e.what(), HasSubstr("--palette"));
    }
    Options o = optionsfor(dir.file("anders/P.VEC"));
    o.palette = dir.file("karten/STDVGA64");
    EXPECT_EQ(drawn(render(o).picture).size(), 1u);
}

TEST(RenderTool, MissingFileAndHeaderWithoutColours) {
    testkit::RenderFolder folder;
    try {
        render(optionsfor(folder.dir.file("FEHLT.VEC")));
        ADD_FAILURE() << "a missing file was drawn";
    } catch (const InputError &e) {
        EXPECT_EQ(std::string(e.what()), folder.dir.file("FEHLT.VEC") + ": no such file");
    }
    // Without "/c" the program's working colours are all black; the tool draws the same and says so.
    const Rendering r = render(optionsfor(folder.write("S.VEC", {"1  <0>", "C1,U20,", "*"})));
    EXPECT_THAT(r.notes, ElementsAre(HasSubstr("S.VEC:1: the header has no colour switch /c")));
    EXPECT_EQ(r.picture.at(512, 410), gfx::rgb(0, 0, 0));
}

TEST(RenderTool, RunWritesThePictureAndReportsEachFault) {
    testkit::RenderFolder folder;
    const std::string file = folder.write("M.VEC", testkit::kMalformedFile);
    std::ostringstream out, err;
    EXPECT_EQ(run({file, folder.dir.file("m.png")}, out, err), 1);
    EXPECT_THAT(err.str(), HasSubstr(":7: record 2, token 'G150'"));
    EXPECT_EQ(gfx::readPng(folder.dir.file("m.png")).at(544, 410), blue);

    std::ostringstream out2, err2;
    EXPECT_EQ(run({file, folder.dir.file("kein/ordner/m.png")}, out2, err2), 1);
    EXPECT_THAT(err2.str(), HasSubstr("kein/ordner/m.png: the picture cannot be written"));

    std::ostringstream out3, err3;
    EXPECT_EQ(run({"--help"}, out3, err3), 0);
    EXPECT_THAT(out3.str(), HasSubstr("usage: kartino-render"));
    EXPECT_EQ(err3.str(), "");
}

} // namespace
} // namespace kartino::render
