#include "common/errors.hpp"
#include "platform/basic/output_faults.hpp"
#include "support/fake_services.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using namespace kartino::common;
using kartino::testkit::FakeServices;

TEST(FullPath, JoinsOnlyPlainNames) {
    EXPECT_EQ(fnfullpath("  Europa.VEC ", "C:\\Taliform\\Karten\\"), "C:\\Taliform\\Karten\\Europa.VEC");
    EXPECT_EQ(fnfullpath("D:\\Karten\\Welt.VEC", "C:\\base\\"), "D:\\Karten\\Welt.VEC");
    EXPECT_EQ(fnfullpath("\\Karten\\Welt.VEC", "C:\\base\\"), "\\Karten\\Welt.VEC");
    EXPECT_EQ(fnfullpath("   ", "C:\\base\\"), "");
    EXPECT_EQ(fnfullpath("", "C:\\base\\"), "");
}

TEST(FileExists, FindsFilesWithoutRegardToCase) {
    FakeServices f;
    f.dir.write("Daten/CVOR", "x");
    EXPECT_TRUE(fnfileexists(f.services, f.shared, f.dir.path() + "\\daten\\cvor", "form1:load"));
    EXPECT_TRUE(f.msgbox.boxes.empty());
    EXPECT_EQ(f.errorLog(), "<missing>");
}

TEST(FileExists, ReportsAMissingFile) {
    FakeServices f;
    f.dir.mkdir("Daten");
    std::string name = f.dir.path() + "/Daten/EUROPA.LST";
    f.files.open(5, f.dir.file("other"), basic::OpenMode::Output); // closed by the report
    EXPECT_FALSE(fnfileexists(f.services, f.shared, name, "formkartino:commandja_click"));
    EXPECT_FALSE(f.files.isOpen(5));
    EXPECT_EQ(f.errorLog(), "12-07-2026,09:30:15,kartino,formkartino:commandja_click,Datei nicht gefunden," +
                                name + "\r\n");
    ASSERT_EQ(f.msgbox.boxes.size(), 1u);
    EXPECT_EQ(f.msgbox.boxes[0].title, "fehler");
    EXPECT_EQ(f.msgbox.boxes[0].lines, (std::vector<std::string>{"kartino", "formkartino:commandja_click",
                                                                 "Datei nicht gefunden", name}));
    EXPECT_FALSE(
        fnfileexists(f.services, f.shared, f.dir.path() + "/Daten", "form1:load")); // a folder is no file
}

TEST(FileExists, AMalformedNameIsAnError52) {
    FakeServices f;
    EXPECT_FALSE(fnfileexists(f.services, f.shared, "C:\\bad|name", "form1:load"));
    EXPECT_EQ(f.errorLog(), "12-07-2026,09:30:15,kartino,form1:load,52,Bad file name or number,"
                            "bzw. Datei nicht gefunden,Datei: C:\\bad|name\r\n");
    EXPECT_EQ(f.msgbox.boxes.at(0).lines.size(), 6u);
}

TEST(ErrHandler, LogsWithoutSeparatorsAndNamesTheFile) {
    FakeServices f;
    f.shared.currentfile = "C:\\Taliform\\Daten\\stdvga64";
    errhandler(f.services, f.shared, basic::RuntimeError(62), "ModuleB:readpal64");
    EXPECT_EQ(f.errorLog(), "12-07-202609:30:15kartino,ModuleB:readpal64,62,Input past end of file,"
                            "Datei: C:\\Taliform\\Daten\\stdvga64\r\n");
    ASSERT_EQ(f.msgbox.boxes.size(), 1u);
    EXPECT_EQ(f.msgbox.boxes[0].title, "errhandler");
    EXPECT_EQ(f.msgbox.boxes[0].lines,
              (std::vector<std::string>{"kartino", "ModuleB:readpal64", "62", "Input past end of file",
                                        "Datei: C:\\Taliform\\Daten\\stdvga64"}));
}

TEST(ErrHandler, WithoutCurrentFileAndWithError52) {
    FakeServices f;
    errhandler(f.services, f.shared, basic::RuntimeError(5), "form1:load");
    f.clock.advance(1000);
    errhandler(f.services, f.shared, basic::RuntimeError(52), "vec:fngrafin");
    EXPECT_EQ(f.errorLog(), "12-07-202609:30:15kartino,form1:load,5,Invalid procedure call or argument\r\n"
                            "12-07-202609:30:16kartino,vec:fngrafin,52,Bad file name or number,"
                            "bzw. Datei nicht gefunden\r\n");
    EXPECT_EQ(f.msgbox.boxes[0].lines.size(), 4u);
    EXPECT_EQ(f.msgbox.boxes[1].lines.back(), "bzw. Datei nicht gefunden");
}

// The report closes every open file first; one that fails to be written there (a full disk
// that had room for a log line) keeps neither the other files open nor the line out of the log.
TEST(ErrHandler, LogsEvenWhenAnOpenFileFailsAsItIsClosed) {
    FakeServices f;
    basic::OutputFaults plan(basic::OutputFaults::Step::Write, 1, ENOSPC);
    f.files.setOutputFaults(&plan);
    f.files.open(3, f.dir.file("X"), basic::OpenMode::Output);
    f.files.print(3, "7");
    f.files.open(4, f.dir.file("other"), basic::OpenMode::Output);
    f.files.print(4, "kept");
    errhandler(f.services, f.shared, basic::RuntimeError(6), "form1:load");
    EXPECT_FALSE(f.files.isOpen(3) || f.files.isOpen(4));
    EXPECT_EQ(testkit::readFile(f.dir.file("X")), "<missing>");
    EXPECT_EQ(testkit::readFile(f.dir.file("other")), "kept\r\n");
    EXPECT_EQ(f.errorLog(), "12-07-202609:30:15kartino,form1:load,6,Overflow\r\n");
}

TEST(ErrHandler, StillShowsTheBoxWhenTheLogCannotBeWritten) {
    FakeServices f;
    f.shared.settingspaths[common::kResultFolder] = f.dir.path() + "/no-such-folder/";
    errhandler(f.services, f.shared, basic::RuntimeError(6), "form1:load");
    EXPECT_EQ(f.msgbox.boxes.size(), 1u);
    EXPECT_FALSE(testkit::fileExists(f.dir.file("no-such-folder/errwin.dat")));
}

TEST(AbortSession, GoesThroughEndSession) {
    FakeServices f;
    EXPECT_THROW(abortsession(f.services), testkit::SessionEnded);
}

TEST(Oem, ConvertsForTheHost) {
    FakeServices f;
    EXPECT_EQ(fnoem(f.services, "Gr\xFC\xDF"
                                "e"),
              "Gr\x81\xE1"
              "e");
}
