#include "vecgraphics/vector_reader.hpp"

#include "support/fake_services.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using namespace kartino::vecgraphics;
using kartino::testkit::SessionEnded;

namespace {

constexpr const char *kMapPath = "C:\\Taliform\\KARTEN\\schweiz.vec"; // on disk: Taliform/Karten/Schweiz.VEC

// Drive C stands for the temporary folder; map files are named as the host names them.
struct MapData : testkit::DriveCServices {
    VectorTables vectors;
    ThinningSettings thinning;

    MapData() : DriveCServices({2026, 3, 14, 8, 5, 9, 0}) {
        dir.mkdir("Taliform/Ergebnis");
        dir.mkdir("Taliform/Karten");
        shared.settingspaths[common::kResultFolder] = "C:\\Taliform\\Ergebnis\\";
        vectors.recordname.fill("alt,");
        vectors.recordtext.fill("alt");
    }
    void map(std::string_view bytes) { dir.write("Taliform/Karten/Schweiz.VEC", bytes); }
    std::int16_t read(std::int16_t first, std::int16_t last, const std::string &path = kMapPath) {
        return fngrafin(services, shared, vectors, thinning, path, first, last);
    }
    std::string errorLog() const { return testkit::readFile(dir.file("Taliform/Ergebnis/errwin.dat")); }
};

// Record k: two command lines (the second one continuing a token) and the terminator with its
// name; names and header carry code page 850 letters.
std::string record(int k) {
    return "C4,B" + std::to_string(10 + k) + ",90\r\n,K3,\r\n*Z\x81rich " + std::to_string(k) + ",12\r\n";
}
std::string mapfile(const std::string &header, int records) {
    std::string text = header + "\r\n";
    for (int k = 0; k < records; ++k)
        text += record(k);
    return text;
}
std::string recordtext(int k) {
    return "C4,B" + std::to_string(10 + k) + ",90,K3,*,";
}
std::string positions(std::initializer_list<int> list) {
    std::string s;
    for (int p : list)
        s += (p < 10 ? "  " : " ") + std::to_string(p);
    return s;
}
basic::Random seeded(double seed) {
    basic::Random r;
    r.Randomize(seed);
    return r;
}
std::uint32_t stateAfter(int draws, basic::Random r = {}) {
    for (int k = 0; k < draws; ++k)
        r.Rnd();
    return r.state();
}

} // namespace

TEST(Fngrafin, LoadsTheWholeFileByTheCountInTheHeader) {
    MapData m;
    m.map(mapfile("12 <0,0,640,480>/m=1 \x9A"
                  "bersicht",
                  12));
    m.rnd.Randomize(42);
    m.vectors.keepnames = -1;
    EXPECT_EQ(m.read(0, -1), 11);
    EXPECT_EQ(m.vectors.headerline, "<0,0,640,480>/m=1 \xDC"
                                    "bersicht");
    EXPECT_EQ(m.vectors.recordtext[0], recordtext(0));
    EXPECT_EQ(m.vectors.recordtext[11], recordtext(11));
    EXPECT_EQ(m.vectors.recordtext[12], "alt");
    EXPECT_EQ(m.vectors.recordname[3], "Z\xFCrich 3,12,");
    EXPECT_EQ(m.vectors.recordlist, positions({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(m.rnd.state(), stateAfter(12, seeded(42))); // one draw per record, also without thinning
    EXPECT_EQ(m.shared.currentfile, "");
    EXPECT_FALSE(m.files.isOpen(1));
    EXPECT_TRUE(m.msgbox.boxes.empty());
}

TEST(Fngrafin, CountFromColumnTwoLoadsNothing) {
    MapData m;
    m.map(mapfile(" 12 <0,0,640,480>", 12));
    EXPECT_EQ(m.read(0, -1), -1);
    EXPECT_EQ(m.vectors.recordlist, "");
    EXPECT_EQ(m.vectors.recordtext[0], "alt");
    EXPECT_EQ(m.vectors.headerline, " <0,0,640,480>");
    EXPECT_EQ(m.rnd.state(), basic::Random::kInitialSeed);
}

TEST(Fngrafin, SemicolonTakesExactlyTheNineNextLines) {
    MapData m;
    // Records of two lines each right after the header: the nine lines swallow records 0 to 3
    // and the command line of record 4, whose terminator then ends an empty first record.
    std::string text = "5  /c/p0;\r\n";
    for (int k = 0; k < 6; ++k)
        text += "A" + std::to_string(k) + ",\r\n*Ort" + std::to_string(k) + "\r\n";
    m.map(text);
    m.vectors.keepnames = -1;
    EXPECT_EQ(m.read(0, -1), 4);
    EXPECT_EQ(m.vectors.headerline, "/c/p0A0,*Ort0A1,*Ort1A2,*Ort2A3,*Ort3A4,");
    EXPECT_EQ(m.vectors.recordtext[0], "*,");
    EXPECT_EQ(m.vectors.recordname[0], "Ort4,");
    EXPECT_EQ(m.vectors.recordtext[1], "A5,*,");
    EXPECT_EQ(m.vectors.recordtext[2], "*,"); // end of file: no name, no position
    EXPECT_EQ(m.vectors.recordname[2], "alt,");
    EXPECT_EQ(m.vectors.recordlist, positions({0, 1}));
}

TEST(Fngrafin, RangeWithoutThinningAndNamesNotKept) {
    MapData m;
    m.map(mapfile("12 <0,0,640,480>", 12));
    m.thinning = {-1, 4}; // taskcount not below the span: no thinning
    EXPECT_EQ(m.read(5, 9), 4);
    EXPECT_EQ(m.vectors.recordtext[0], recordtext(5));
    EXPECT_EQ(m.vectors.recordtext[4], recordtext(9));
    EXPECT_EQ(m.vectors.recordlist, "  5  6  7  8  9");
    EXPECT_EQ(m.vectors.recordname[0], "alt,");
    EXPECT_EQ(m.rnd.state(), stateAfter(5)); // still one draw per record
}

TEST(Fngrafin, EmptyRecordAndEndOfFileInsideARecord) {
    MapData m;
    m.map("5 <>\r\nA1,\r\n*Bern\r\n*Leer\r\nB2,\r\nC3,"); // the last record has no terminator
    m.vectors.keepnames = -1;
    EXPECT_EQ(m.read(0, -1), 4);
    EXPECT_EQ(m.vectors.recordtext[1], "*,");
    EXPECT_EQ(m.vectors.recordname[1], "Leer,");
    EXPECT_EQ(m.vectors.recordtext[2], "B2,C3,*,");
    EXPECT_EQ(m.vectors.recordtext[3], "*,");
    EXPECT_EQ(m.vectors.recordtext[4], "*,");
    EXPECT_EQ(m.vectors.recordname[2], "alt,");
    EXPECT_EQ(m.vectors.recordlist, positions({0, 1}));
    EXPECT_TRUE(m.msgbox.boxes.empty());
}

TEST(Fngrafin, ThinningIsSpreadAndRepeatsWithTheSeed) {
    for (int run = 0; run < 2; ++run) {
        MapData m;
        m.map(mapfile("60 <0,0,640,480>", 60));
        m.thinning = {-1, 10};
        m.rnd.Randomize(42); // first draws: 0.3391077, 0.6483685, 0.1878102
        EXPECT_EQ(m.read(0, -1), 9);
        // Start CInt(50 * 0.2 * 0.339) = 3, stride 5.6; the third draw jumps 10 records ahead.
        EXPECT_EQ(m.vectors.recordlist, positions({3, 14, 15, 16, 31, 36, 37, 47, 48, 49}));
        EXPECT_EQ(m.vectors.recordtext[1], recordtext(14));
        EXPECT_EQ(m.vectors.recordtext[9], recordtext(49));
        EXPECT_EQ(m.rnd.state(), stateAfter(11, seeded(42)));
    }
}

TEST(Fngrafin, TwoHundredAndOneRecordsFit) {
    MapData m;
    m.map(mapfile("201 <>", 201));
    EXPECT_EQ(m.read(0, -1), 200);
    EXPECT_EQ(m.vectors.recordtext[200], recordtext(200));
    EXPECT_EQ(m.vectors.recordlist.substr(600), "200");
}

TEST(Fngrafin, FailuresAreReportedAndEndTheSession) {
    struct Case {
        std::string name, content, error;
        std::int16_t first = 0, last = -1;
        ThinningSettings thinning{};
    };
    const Case cases[] = {
        {"FEHLT.VEC", "", "53,File not found"},
        {"kurz.vec", "3 <0,0,640,480>;\r\na\r\nb\r\nc\r\n", "62,Input past end of file"},
        {"kurz.vec", mapfile("12 <>", 12), "62,Input past end of file", 20, 25},
        {"gross.vec", mapfile("250 <>", 10), "9,Subscript out of range"},
        {"null.vec", mapfile("40 <>", 40), "11,Division by zero", 0, -1, {-1, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.error);
        MapData m;
        if (!c.content.empty()) m.dir.write("Taliform/Karten/" + c.name, c.content);
        std::string path = "C:\\Taliform\\Karten\\" + c.name;
        m.thinning = c.thinning;
        EXPECT_THROW(m.read(c.first, c.last, path), SessionEnded);
        EXPECT_EQ(m.errorLog(),
                  "03-14-202608:05:09kartino,vec:fngrafin," + c.error + ",Datei: " + path + "\r\n");
        ASSERT_EQ(m.msgbox.boxes.size(), 1u);
        EXPECT_EQ(m.msgbox.boxes[0].title, "errhandler");
        EXPECT_EQ(m.msgbox.boxes[0].lines.at(1), "vec:fngrafin");
        EXPECT_EQ(m.msgbox.boxes[0].lines.back(), "Datei: " + path);
        EXPECT_FALSE(m.files.isOpen(1));
    }
}
