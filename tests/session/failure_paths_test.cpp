// Bad data from the host ends the session in one way only: the message box, one line in
// errwin.dat, the cancel record in R.DAT, exit code 1, and nothing else written.
#include "common/charset.hpp"
#include "common/palette.hpp"
#include "platform/ui/session_end.hpp"
#include "session/language_file.hpp"
#include "session/result_records.hpp"
#include "support/fake_services.hpp"
#include "vecgraphics/vector_reader.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kartino;
using namespace kartino::session;

namespace {

class FailurePaths : public ::testing::Test {
  protected:
    testkit::FakeServices f;
    Session s{f.services};

    void SetUp() override {
        s.shared.settingspaths = f.shared.settingspaths;
        s.shared.settingspaths[common::kDataFolder] = "C:\\TALIFORM\\DATEN\\";
        s.shared.settingspaths[common::kLanguageName] = "Deutsch";
        s.settings.langfolder = f.dir.path() + "/UEB/";
        s.results.exerciseflags = 513;
        s.results.statusflags = 256;
        f.services.endsession = [this] { endsession(s); };
        f.dir.mkdir("UEB");
        f.dir.mkdir("drive-c/Taliform/Daten");
    }

    void write(const std::string &relative, const std::string &bytes) {
        f.dir.write("drive-c/" + relative, bytes);
    }

    // Runs the reader and returns the exit code it ended with (-1 when it did not end).
    int run(auto &&reader) {
        try {
            reader();
        } catch (const ui::SessionEnd &e) {
            return e.exitCode;
        }
        return -1;
    }

    void expectCancelRecordOnly(const std::string &logLine, const std::string &title) {
        EXPECT_EQ(f.errorLog(), logLine);
        ASSERT_EQ(f.msgbox.boxes.size(), 1u);
        EXPECT_EQ(f.msgbox.boxes[0].title, title);
        EXPECT_EQ(testkit::readFile(f.dir.file("R.DAT")), "\"c\",0,15,\"A\",513,256,0\r\n\r\n");
        std::size_t files = 0;
        for (const auto &e : std::filesystem::directory_iterator(f.dir.path()))
            files += e.is_regular_file();
        EXPECT_EQ(files, 2u) << "only errwin.dat and R.DAT are written";
    }
};

std::string palette(int lines, const std::string &bad = "") {
    std::string p;
    for (int i = 0; i < lines; ++i)
        p += (i == 5 && !bad.empty() ? bad : "0,0," + std::to_string(i * 4)) + "\r\n";
    return p;
}

} // namespace

TEST_F(FailurePaths, PaletteWithSixtyThreeLines) {
    write("Taliform/Daten/stdvga64", palette(63));
    EXPECT_EQ(run([&] { common::readpal64(s.services, s.shared); }), 1);
    expectCancelRecordOnly("12-07-202609:30:15kartino,ModuleB:readpal64,62,Input past end of file,"
                           "Datei: C:\\TALIFORM\\DATEN\\stdvga64\r\n",
                           "errhandler");
}

TEST_F(FailurePaths, PaletteComponentOfThreeHundred) {
    write("Taliform/Daten/stdvga64", palette(64, "300,0,0"));
    EXPECT_EQ(run([&] { common::readpal64(s.services, s.shared); }), 1);
    expectCancelRecordOnly("12-07-202609:30:15kartino,ModuleB:readpal64,6,Overflow,"
                           "Datei: C:\\TALIFORM\\DATEN\\stdvga64\r\n",
                           "errhandler");
}

TEST_F(FailurePaths, ShortLanguageFile) {
    f.dir.write("UEB/prb", "Kopf\r\nKartino\r\nja\r\n");
    EXPECT_EQ(run([&] { prbinput(s); }), 1);
    expectCancelRecordOnly("12-07-202609:30:15kartino,moduleA:prbinput,62,Input past end of file,Datei: " +
                               f.dir.path() + "/UEB/prb\r\n",
                           "errhandler");
}

TEST_F(FailurePaths, MissingVectorFile) {
    f.dir.mkdir("drive-c/Karten");
    vecgraphics::VectorTables vectors;
    EXPECT_EQ(run([&] {
                  vecgraphics::fngrafin(s.services, s.shared, vectors, {}, "C:\\KARTEN\\WELT.VEC", 0, 200);
              }),
              1);
    expectCancelRecordOnly("12-07-202609:30:15kartino,vec:fngrafin,53,File not found,"
                           "Datei: C:\\KARTEN\\WELT.VEC\r\n",
                           "errhandler");
}
