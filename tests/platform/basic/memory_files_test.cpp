// Files held in memory: the path resolver and the file table see them, and only them.
#include "platform/basic/errors.hpp"
#include "platform/basic/memory_files.hpp"
#include "platform/basic/numbered_files.hpp"
#include "support/error_number.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kartino::basic;
using kartino::testkit::readFile;
using kartino::testkit::TempDir;

using kartino::testkit::errorOf;

namespace {

class MemoryFilesTest : public ::testing::Test {
  protected:
    MemoryFilesTest() {
        memory.put(root + "/Daten/STDVGA64", "0,0,0\r\n1,2,3\r\n");
        memory.put(root + "/Daten/charset", "");
        memory.put(root + "/UEB/DEUTSCH/prb", "ja\r\n");
        dir.write("disk/only", "on disk");
        dir.write("disk/Daten/STDVGA64", "on disk");
    }

    TempDir dir;
    const std::string root = dir.path() + "/disk";
    MemoryFiles memory;
    PathResolver paths{[this](char) -> std::optional<std::string> { return root; }, memory};
    FileTable files{paths};
};

} // namespace

TEST_F(MemoryFilesTest, TheResolverSeesTheHeldFilesAndTheirFoldersOnly) {
    struct Case {
        const char *legacy;
        std::string resolved;
        bool exists, folder, file;
    } cases[] = {
        {"K:\\daten\\stdvga64", root + "/Daten/STDVGA64", true, false, true},
        {"K:\\ueb\\deutsch\\", root + "/UEB/DEUTSCH/", true, true, false},
        {"K:\\UEB", root + "/UEB", true, true, false},
        {"K:\\Daten\\CHARSET", root + "/Daten/charset", true, false, true},
        {"K:\\only", root + "/only", false, false, false}, // on disk, not in memory
        {"K:\\daten\\new\\R.DAT", root + "/Daten/new/R.DAT", false, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.legacy);
        EXPECT_EQ(paths.resolve(c.legacy), c.resolved);
        EXPECT_EQ(paths.exists(c.legacy), c.exists);
        EXPECT_EQ(paths.isDirectory(c.legacy), c.folder);
        EXPECT_EQ(paths.isFile(c.legacy), c.file);
    }
}

TEST_F(MemoryFilesTest, InputComesFromMemoryWithTheErrorsOfTheDisk) {
    files.open(1, "K:\\DATEN\\stdvga64", OpenMode::Input);
    EXPECT_EQ(files.lineInput(1), "0,0,0");
    EXPECT_EQ(files.inputInteger(1), 1);
    files.close(1);
    EXPECT_EQ(errorOf([&] { files.open(1, "K:\\only", OpenMode::Input); }), errFileNotFound);
    EXPECT_EQ(errorOf([&] { files.open(1, "K:\\Daten\\x\\y", OpenMode::Input); }), errPathNotFound);
    EXPECT_EQ(errorOf([&] { files.open(1, "K:\\UEB\\DEUTSCH", OpenMode::Input); }), errPathFileAccess);
    EXPECT_FALSE(files.isOpen(1));
}

TEST_F(MemoryFilesTest, OutputReachesNeitherMemoryNorDisk) {
    for (OpenMode mode : {OpenMode::Output, OpenMode::Append}) {
        files.open(2, "K:\\Daten\\STDVGA64", mode);
        files.print(2, "written");
        files.open(3, "K:\\nowhere\\R.DAT", mode);
        files.write(3, {Variant("c")});
        files.closeAll();
    }
    EXPECT_EQ(*memory.file(root + "/Daten/STDVGA64"), "0,0,0\r\n1,2,3\r\n");
    EXPECT_EQ(readFile(dir.file("disk/Daten/STDVGA64")), "on disk");
    EXPECT_FALSE(std::filesystem::exists(dir.file("disk/nowhere")));
}
