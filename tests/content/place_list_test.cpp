// The list loader on host-like data (drive K:, code page 850, CR LF): places from the map file,
// texts from a list file beside it, a list file alone, region texts, the columns, the place
// markers and the kilometre scale bar.
#include "content/place_list.hpp"
#include "map_form_test.hpp"
#include "platform/basic/errors.hpp"
#include "support/error_number.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using content::loadplacelist;
using testkit::SessionEnded;

namespace {

// Records of a map file: commands, then the place line "*region,text1,text2,text3,v4,v5,r,a,hl".
// Byte 0x81 is "ü" in code page 850.
const std::string kMap = "3  <1;0;0;0> /m=4\r\n"
                         "C4,U3,\r\n*1,Bern,Schweiz,Hauptstadt,+12.5,-3,100,0,-1\r\n"
                         "C4,U3,\r\n*2,Z\x81rich,Schweiz,Stadt,-1,+2,50,90,0\r\n"
                         "C4,U3,\r\n*1,Genf,Schweiz,See,+0,+0,80,180,-1\r\n";

class PlaceListTest : public testkit::MapFormTest {
  protected:
    PlaceListTest() {
        s.shared.settingspaths[common::kMapFolder] = "K:\\KARTEN\\";
        s.settings.langfolder = "K:\\UEB\\DEU\\";
        s.settings.listfrom = 0;
        s.settings.listto = -1;
        s.settings.taskcount = 10;
        s.map.mapcentrex = 320;
        s.map.mapcentrey = 256;
    }
    void write(const std::string &relative, const std::string &bytes) {
        fake.dir.write("drive-k/" + relative, bytes);
    }
    const std::string &column(int place, int c) const {
        return s.places.placecolumns[static_cast<std::size_t>(place)][static_cast<std::size_t>(c)];
    }
};

TEST_F(PlaceListTest, PlacesFromTheMapFile) {
    write("Karten/Europa.vec", kMap);
    s.settings.mapfile = "europa.VEC";
    loadplacelist(s, *form);
    EXPECT_TRUE(s.places.listloaded);
    EXPECT_EQ(s.vectors.itemcount, 2);
    EXPECT_EQ(s.places.placenumber[2], 2);
    EXPECT_EQ(column(0, 1), "Bern");
    EXPECT_EQ(column(1, 1), "Z\xfcrich"); // converted to the ANSI code page
    EXPECT_EQ(column(1, 4), "-1");
    EXPECT_EQ(column(2, 8), "-1");
    EXPECT_EQ(s.vectors.keepnames, -1);
}

TEST_F(PlaceListTest, PlacePositionsFromTheCentre) {
    write("Karten/Europa.vec", kMap);
    s.settings.mapfile = "europa.VEC";
    loadplacelist(s, *form);
    EXPECT_EQ(content::placeposition(s, 0).x, 420);
    EXPECT_EQ(content::placeposition(s, 0).y, 256);
    EXPECT_EQ(content::placeposition(s, 1).x, 320);
    EXPECT_EQ(content::placeposition(s, 1).y, 206);
    EXPECT_EQ(content::placeposition(s, 2).x, 240);
    s.settings.mswitch = true;
    s.settings.mapzoom = std::int16_t{8};
    EXPECT_EQ(content::placeposition(s, 0).x, 520); // the distance grows with the zoom
}

TEST_F(PlaceListTest, TextsFromAListFileBesideTheMapFile) {
    write("Karten/Europa.vec", kMap);
    write("UEB/DEU/orte.lst", "   <Liste>;\r\nz1\r\nz2\r\nz3\r\nz4\r\nz5\r\nz6\r\nz7\r\nz8\r\nz9\r\n"
                              "*1,Berne,Suisse,Capitale,+1,+1,100,0,-1\r\n"
                              "*2,Zurich,Suisse,Ville,+1,+1,50,90,0\r\n"
                              "*1,Gen\x8a,Suisse,Lac,+1,+1,80,180,-1\r\n");
    s.settings.mapfile = "europa.vec";
    s.settings.listfile = "ORTE.LST";
    s.settings.listfrom = 1;
    s.settings.listto = 2;
    loadplacelist(s, *form);
    EXPECT_EQ(s.vectors.itemcount, 1);
    EXPECT_EQ(s.places.placenumber[0], 1);
    EXPECT_EQ(column(0, 1), "Zurich"); // the list line of file position 1
    EXPECT_EQ(column(1, 1), "Gen\xe8");
    EXPECT_EQ(s.places.listheader, "<Liste>z1z2z3z4z5z6z7z8z9");
    EXPECT_EQ(s.shared.linebuffer, s.places.listheader);
}

TEST_F(PlaceListTest, AListFileAloneIsReadAsRecords) {
    write("UEB/DEU/orte.lst",
          "2  <Liste>\r\n*1,Oslo,Norwegen,,+1,+1,10,0,-1\r\n*1,Rom,Italien,,+1,+1,20,0,-1\r\n");
    s.settings.listfile = "orte.lst";
    loadplacelist(s, *form);
    EXPECT_FALSE(s.places.listloaded);
    EXPECT_EQ(s.vectors.itemcount, 1);
    EXPECT_EQ(column(1, 2), "Italien");
}

TEST_F(PlaceListTest, RegionTextsAfterTheSwitch) {
    write("Karten/Europa.vec", "3  2,Nord,S\x81"
                               "d,<1;0;0;0> /l\r\n" +
                                   kMap.substr(kMap.find("\r\n") + 2));
    s.settings.mapfile = "europa.vec";
    s.places.regiontexts[3] = "alt";
    loadplacelist(s, *form);
    EXPECT_EQ(s.places.regiontexts[1], "Nord");
    EXPECT_EQ(s.places.regiontexts[2], "S\xfc"
                                       "d");
    EXPECT_EQ(s.places.regiontexts[3], "alt");

    write("Karten/Europa.vec", kMap); // no "/l": nothing changes
    s.places.regiontexts[1] = "bleibt";
    loadplacelist(s, *form);
    EXPECT_EQ(s.places.regiontexts[1], "bleibt");
}

TEST_F(PlaceListTest, DataErrorsRaiseTheRuntimeError) {
    write("Karten/Europa.vec", "1  <1;0;0;0>\r\nC4,\r\n*1,Bern,Schweiz\r\n");
    s.settings.mapfile = "europa.vec";
    EXPECT_EQ(testkit::errorOf([&] { loadplacelist(s, *form); }), basic::errInvalidCall)
        << "fewer than nine fields";

    write("Karten/Europa.vec", "3  101,a,<1;0;0;0> /l\r\n" + kMap.substr(kMap.find("\r\n") + 2));
    EXPECT_THROW(loadplacelist(s, *form), basic::RuntimeError); // more region texts than slots
}

TEST_F(PlaceListTest, MissingListFileEndsTheSession) {
    write("Karten/Europa.vec", kMap);
    s.settings.mapfile = "europa.vec";
    s.settings.listfile = "fehlt.lst";
    EXPECT_THROW(loadplacelist(s, *form), SessionEnded);
    ASSERT_EQ(fake.msgbox.boxes.size(), 1u);
    EXPECT_NE(fake.errorLog().find("form1:load,Datei nicht gefunden,K:\\UEB\\DEU\\fehlt.lst"),
              std::string::npos)
        << fake.errorLog();
}

TEST_F(PlaceListTest, AllPlacesMarkedWhenTheExerciseAsks) {
    write("Karten/Europa.vec", kMap);
    s.settings.mapfile = "europa.vec";
    s.settings.exerciseflags = 1 << 5;
    s.settings.exerciseparam2 = std::int16_t{3};
    s.settings.mapcolors = {0, 2, 6, 7, 4, 10};
    loadplacelist(s, *form);
    EXPECT_EQ(at(420, 256), colour(6)); // filled in the second map colour
    EXPECT_EQ(at(423, 256), colour(8)); // its rim
    EXPECT_EQ(at(320, 206), colour(6));
    EXPECT_EQ(at(240, 256), colour(6));
    EXPECT_EQ(s.run.taskindex, 3);
    EXPECT_EQ(form->FillStyle(), 1);
}

TEST_F(PlaceListTest, ScaleBarLengthAndLabel) {
    write("Karten/Europa.vec", kMap);
    s.settings.mapfile = "europa.vec";
    s.settings.flagbit10 = true;
    s.settings.mapscale = 1000;
    s.settings.scalebarkm = 100;
    s.settings.scalebarx = 40;
    s.settings.scalebary = 440;
    loadplacelist(s, *form);
    EXPECT_EQ(at(40, 440), colour(8));
    EXPECT_EQ(at(138, 440), colour(8));
    EXPECT_EQ(at(139, 440), colour(8)); // 100 design units: 40 to 139, with the tick on 139
    EXPECT_EQ(at(140, 440), colour(0));
    EXPECT_EQ(at(40, 436), colour(8));
    EXPECT_EQ(at(139, 443), colour(8));
    EXPECT_TRUE(anyof(40, 455, 80, 470, 8)); // "100 km" at row 29, column 6
}

TEST_F(PlaceListTest, NoScaleBarWithoutAScale) {
    write("Karten/Europa.vec", kMap);
    s.settings.mapfile = "europa.vec";
    s.settings.flagbit10 = true;
    s.settings.mapscale = 0;
    s.settings.scalebarkm = 100;
    s.settings.scalebarx = 40;
    s.settings.scalebary = 440;
    loadplacelist(s, *form);
    EXPECT_FALSE(anyof(30, 430, 200, 470, 8));
    s.settings.mapscale = -1; // the world map's scale, in the alternative colour
    s.settings.switchu = true;
    s.settings.scalebarkm = 1250;
    loadplacelist(s, *form);
    EXPECT_EQ(at(58, 440), colour(9)); // 1250 / 62.5 = 20 units
    EXPECT_NE(at(60, 440), colour(9));
}

} // namespace
