#include "common/charset.hpp"
#include "common/palette.hpp"
#include "common/palette_composer.hpp"
#include "platform/basic/errors.hpp"
#include "support/error_number.hpp"
#include "support/fake_services.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using namespace kartino::common;
using kartino::testkit::SessionEnded;

namespace {

// The host's layout: drive C stands for the temporary folder; the data folder is named with
// backslashes and in other letter case than on disk.
struct HostData : testkit::DriveCServices {
    HostData() : DriveCServices({2026, 3, 14, 8, 5, 9, 0}) {
        dir.mkdir("Taliform/Ergebnis");
        dir.mkdir("Taliform/Daten");
        shared.settingspaths[common::kDataFolder] = "C:\\TALIFORM\\daten\\";
        shared.settingspaths[common::kResultFolder] = "C:\\Taliform\\Ergebnis\\";
    }
    void data(std::string_view name, std::string_view bytes) {
        dir.write("Taliform/Daten/" + std::string(name), bytes);
    }
    std::string errorLog() const { return testkit::readFile(dir.file("Taliform/Ergebnis/errwin.dat")); }
};

// The 64 colours of the EGA-style table: two bits per component (2/3 and 1/3 of full strength).
std::string palettefile(int lines) {
    std::string text;
    for (int k = 0; k < lines; ++k) {
        auto comp = [k](int hi, int lo) { return ((k >> hi) & 1) * 170 + ((k >> lo) & 1) * 85; };
        text += std::to_string(comp(2, 5)) + "," + std::to_string(comp(1, 4)) + "," +
                std::to_string(comp(0, 3)) + "\r\n";
    }
    return text;
}

} // namespace

TEST(ReadPal64, ReadsTheFirstSixtyFourLines) {
    HostData h;
    std::string text = palettefile(64);
    text.replace(text.find("0,0,170\r\n"), 9,
                 " 127.5 , 128.5,0.5,Blau\r\n"); // colour 1: halves to even, extra field
    h.data("stdvga64", text + "1,2,3\r\nKommentar\r\n");
    h.shared.pal64[64] = {9, 9, 9};
    readpal64(h.services, h.shared);
    EXPECT_EQ(h.shared.pal64[0], (RGBTriple{0, 0, 0}));
    EXPECT_EQ(h.shared.pal64[1], (RGBTriple{128, 128, 0}));
    EXPECT_EQ(h.shared.pal64[4], (RGBTriple{170, 0, 0}));
    EXPECT_EQ(h.shared.pal64[63], (RGBTriple{255, 255, 255}));
    EXPECT_EQ(h.shared.pal64[64], (RGBTriple{9, 9, 9}));
    EXPECT_FALSE(h.files.isOpen(2));
    EXPECT_TRUE(h.msgbox.boxes.empty());
}

TEST(ReadPal64, FailuresAreReportedAndEndTheSession) {
    struct Case {
        std::string content; // "" for no file at all
        std::string error;
    };
    std::string component300 = palettefile(64);
    component300.replace(component300.find("85,85,85"), 8, "85,300,85");
    std::string twofields = palettefile(64);
    twofields.replace(twofields.find("255,255,255"), 11, "255,255");
    const Case cases[] = {{palettefile(63), "62,Input past end of file"},
                          {component300, "6,Overflow"},
                          {twofields, "5,Invalid procedure call or argument"},
                          {"", "53,File not found"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.error);
        HostData h;
        if (!c.content.empty()) h.data("stdvga64", c.content);
        EXPECT_THROW(readpal64(h.services, h.shared), SessionEnded);
        EXPECT_EQ(h.errorLog(), "03-14-202608:05:09kartino,ModuleB:readpal64," + c.error +
                                    ",Datei: C:\\TALIFORM\\daten\\stdvga64\r\n");
        ASSERT_EQ(h.msgbox.boxes.size(), 1u);
        EXPECT_EQ(h.msgbox.boxes[0].title, "errhandler");
        std::string number = c.error.substr(0, c.error.find(','));
        EXPECT_EQ(h.msgbox.boxes[0].lines,
                  (std::vector<std::string>{"kartino", "ModuleB:readpal64", number,
                                            c.error.substr(number.size() + 1),
                                            "Datei: C:\\TALIFORM\\daten\\stdvga64"}));
        EXPECT_FALSE(h.files.isOpen(2));
    }
}

TEST(PalColor, GivesTheWorkingColourAsRgb) {
    Shared shared;
    shared.palette[5] = {0x12, 0x34, 0x56};
    EXPECT_EQ(palcolor(shared, 5), 0x563412u);
    EXPECT_EQ(palcolor(shared, 16), 0u);
    for (int n : {-1, 17}) {
        try {
            palcolor(shared, n);
            ADD_FAILURE() << n;
        } catch (const basic::RuntimeError &e) {
            EXPECT_EQ(e.number(), 9);
        }
    }
}

namespace {

Shared withEgaTable() {
    Shared shared;
    for (std::uint8_t k = 0; k < 64; ++k)
        shared.pal64[k] = {k, static_cast<std::uint8_t>(k + 1), 7};
    return shared;
}

int errorOf(Shared &shared, const std::string &header) {
    return testkit::errorOf([&] { composepalette(shared, header); });
}

} // namespace

TEST(ComposePalette, WithoutColourSwitchAllWorkingColoursAreBlack) {
    Shared shared = withEgaTable();
    shared.palette.fill({1, 2, 3});
    shared.palette[16] = {};
    composepalette(shared, "<0,0,640,480>/m=1/9,12,55");
    for (int n = 0; n <= 16; ++n)
        EXPECT_EQ(palcolor(shared, n), 0u) << n;
}

TEST(ComposePalette, ColourSwitchWithoutCountTakesIndicesDirectly) {
    Shared shared = withEgaTable();
    Shared before = shared;
    composepalette(shared, "/m=2/c,63,1,2,3,4,5,6,7,8,9,10,11,12,13,14, 0 ,weitere,Felder");
    EXPECT_EQ(shared.palette[0], shared.pal64[63]);
    EXPECT_EQ(shared.palette[1], (RGBTriple{1, 2, 7}));
    EXPECT_EQ(shared.palette[15], shared.pal64[0]);
    EXPECT_EQ(shared.pal64, before.pal64);
    EXPECT_EQ(shared.linebuffer, "weitere,Felder,");
}

TEST(ComposePalette, RedefinitionsMultiplyComponentsByFour) {
    Shared shared = withEgaTable();
    composepalette(shared, "/c/p2/9,64,63,0,31.5,3,0.125,0.375,10,64,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(shared.pal64[64], (RGBTriple{252, 0, 126}));
    EXPECT_EQ(shared.pal64[3], (RGBTriple{0, 2, 40})); // 0.5 and 1.5 round to even
    EXPECT_EQ(shared.palette[0], shared.pal64[64]);
    EXPECT_EQ(shared.palette[1], shared.pal64[3]);
    EXPECT_EQ(shared.palette[2], shared.pal64[0]);
}

TEST(ComposePalette, BadSwitchDataRaisesTheRuntimeErrors) {
    Shared shared = withEgaTable();
    const std::string sixteen = ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
    EXPECT_EQ(errorOf(shared, "/c/p1,5,64,0,0" + sixteen), 6);
    EXPECT_EQ(errorOf(shared, "/c/p1,65,0,0,0" + sixteen), 9);
    EXPECT_EQ(errorOf(shared, "/c/p1,-1,0,0,0" + sixteen), 9);
    EXPECT_EQ(errorOf(shared, "/c,0,0,0,0,0,0,0,0,0,0,0,0,0,0,70,0"), 9);
    EXPECT_EQ(errorOf(shared, "/c,1,2,3"), 5);
}

TEST(ReadCharset, FindsTheKeyWithoutRegardToCase) {
    // Other keys, empty lines, a line without comma and a code page 850 byte before the match.
    const std::string file = "Western,0\r\n\r\nZentraleurop\x84isch,238\r\nohne komma\r\n\r\n"
                             "kyrillisch, 204\r\nKYRILLISCH,99\r\nGriechisch,161";
    for (auto [key, number] :
         {std::pair{"KYRILLISCH", 204}, {"Griechisch", 161}, {"western", 0}, {"Thai", 0}}) {
        HostData h;
        h.data("charset", file);
        h.shared.settingspaths[common::kLanguageName] = key;
        EXPECT_EQ(ReadCharset(h.services, h.shared), number) << key;
        EXPECT_FALSE(h.files.isOpen(2));
        EXPECT_TRUE(h.msgbox.boxes.empty());
    }
}

TEST(ReadCharset, FailuresAreReportedAndEndTheSession) {
    for (auto [content, error] : {std::pair{"", "53,File not found"}, {"Western,70000\r\n", "6,Overflow"}}) {
        HostData h;
        if (*content) h.data("charset", content);
        h.shared.settingspaths[common::kLanguageName] = "western";
        EXPECT_THROW(ReadCharset(h.services, h.shared), SessionEnded);
        EXPECT_EQ(h.errorLog(), std::string("03-14-202608:05:09kartino,moduleB:ReadCharset,") + error +
                                    ",Datei: C:\\TALIFORM\\daten\\charset\r\n");
        ASSERT_EQ(h.msgbox.boxes.size(), 1u);
        EXPECT_EQ(h.msgbox.boxes[0].lines.at(1), "moduleB:ReadCharset");
    }
}
