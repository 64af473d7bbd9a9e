#include "platform/basic/paths.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

using kartino::basic::PathResolver;
using kartino::testkit::TempDir;

namespace {

class Paths : public ::testing::Test {
  protected:
    TempDir dir;
    PathResolver paths{[this](char letter) -> std::optional<std::string> {
        if (letter == 'C' || letter == 'c') return dir.path() + "/drive-c";
        return std::nullopt;
    }};

    void SetUp() override {
        dir.write("drive-c/Taliform/Daten/STDVGA64", "0,0,0\r\n");
        dir.write("drive-c/Taliform/Daten/Europa.VEC", "x");
        dir.write("drive-c/Taliform/\xC3\x9C"
                  "bungen/karte1",
                  "u"); // "Übungen" in UTF-8
        dir.mkdir("drive-c/Result");
    }
};

} // namespace

TEST_F(Paths, MapsDriveLettersAndBackslashes) {
    EXPECT_EQ(paths.resolve("C:\\Taliform\\Daten\\STDVGA64"),
              dir.path() + "/drive-c/Taliform/Daten/STDVGA64");
    EXPECT_EQ(paths.resolve("c:/Taliform/Daten/STDVGA64"), dir.path() + "/drive-c/Taliform/Daten/STDVGA64");
    EXPECT_TRUE(paths.exists("C:\\Taliform\\Daten\\Europa.VEC"));
}

TEST_F(Paths, MatchesEachComponentWithoutRegardToCase) {
    EXPECT_EQ(paths.resolve("C:\\TALIFORM\\daten\\stdvga64"),
              dir.path() + "/drive-c/Taliform/Daten/STDVGA64");
    EXPECT_EQ(paths.resolve("C:\\taliform\\DATEN\\europa.vec"),
              dir.path() + "/drive-c/Taliform/Daten/Europa.VEC");
    EXPECT_TRUE(paths.isDirectory("C:\\RESULT\\"));
}

TEST_F(Paths, MatchesAnAnsiNameAgainstItsUtf8Spelling) {
    // "übungen" as the data names it in the ANSI code page (0xFC = ü).
    EXPECT_EQ(paths.resolve("C:\\TALIFORM\\\xFC"
                            "BUNGEN\\KARTE1"),
              dir.path() + "/drive-c/Taliform/\xC3\x9C"
                           "bungen/karte1");
}

TEST_F(Paths, KeepsWhatDoesNotExistAsWritten) {
    // A file about to be created: the existing folders are matched, the new name kept.
    EXPECT_EQ(paths.resolve("C:\\result\\R.DAT"), dir.path() + "/drive-c/Result/R.DAT");
    EXPECT_EQ(paths.resolve("C:\\missing\\Sub\\F"), dir.path() + "/drive-c/missing/Sub/F");
    EXPECT_FALSE(paths.exists("C:\\missing\\Sub\\F"));
    EXPECT_EQ(paths.resolve(""), "");
    EXPECT_FALSE(paths.exists(""));
}

TEST_F(Paths, UnmappedDriveStandsForTheRoot) {
    EXPECT_EQ(paths.resolve("D:\\x\\y"), "/x/y");
}
