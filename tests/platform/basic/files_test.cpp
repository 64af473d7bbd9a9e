#include "platform/basic/errors.hpp"
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

class Files : public ::testing::Test {
  protected:
    TempDir dir;
    PathResolver paths{[](char) { return std::optional<std::string>(); }};
    FileTable files{paths};

    void openInput(std::string_view bytes) {
        dir.write("in.txt", bytes);
        files.open(1, dir.file("in.txt"), OpenMode::Input);
    }
};

} // namespace

TEST_F(Files, LineInputEndsAtCrLfCrOrLf) {
    openInput("one\r\ntwo\rthree\nfour");
    EXPECT_EQ(files.lineInput(1), "one");
    EXPECT_EQ(files.lineInput(1), "two");
    EXPECT_EQ(files.lineInput(1), "three");
    EXPECT_FALSE(files.eof(1));
    EXPECT_EQ(files.lineInput(1), "four");
    EXPECT_TRUE(files.eof(1));
    EXPECT_EQ(errorOf([&] { files.lineInput(1); }), errInputPastEnd);
}

TEST_F(Files, EmptyLinesAndTheEndOfFileMarker) {
    openInput("\r\n\r\nx\r\n\x1Ahidden\r\n");
    EXPECT_EQ(files.lineInput(1), "");
    EXPECT_EQ(files.lineInput(1), "");
    EXPECT_EQ(files.lineInput(1), "x");
    EXPECT_TRUE(files.eof(1));
    EXPECT_EQ(errorOf([&] { files.lineInput(1); }), errInputPastEnd);
}

TEST_F(Files, EmptyFileIsAtItsEnd) {
    openInput("");
    EXPECT_TRUE(files.eof(1));
    EXPECT_EQ(errorOf([&] { files.lineInput(1); }), errInputPastEnd);
    EXPECT_EQ(errorOf([&] { files.inputString(1); }), errInputPastEnd);
}

TEST_F(Files, InputItemsWithQuotesCommasAndNumbers) {
    openInput("1024,-1, 7 ,\"Hallo, Welt\",  plain text  ,\r\n\"Ende\"\n2.5,x,,\r\n");
    EXPECT_EQ(files.inputVariant(1), Variant(std::int16_t{1024}));
    EXPECT_EQ(files.inputInteger(1), -1);
    EXPECT_EQ(files.inputNumber(1), 7);
    EXPECT_EQ(files.inputString(1), "Hallo, Welt");
    EXPECT_EQ(files.inputString(1), "plain text");
    EXPECT_EQ(files.inputString(1), ""); // the empty item before the line end
    EXPECT_EQ(files.inputString(1), "Ende");
    Variant d = files.inputVariant(1);
    EXPECT_EQ(d.type(), Variant::Type::Double);
    EXPECT_EQ(d.toDouble(), 2.5);
    EXPECT_EQ(files.inputNumber(1), 0); // "x" is no number
    EXPECT_EQ(files.inputVariant(1).type(), Variant::Type::Empty);
    EXPECT_EQ(files.inputVariant(1).type(), Variant::Type::Empty);
    EXPECT_EQ(errorOf([&] { files.inputString(1); }), errInputPastEnd);
}

TEST_F(Files, NumericItemsEndAtBlanksAndOverflowIntoTheTarget) {
    openInput("12 34,40000\r\n");
    EXPECT_EQ(files.inputNumber(1), 12);
    EXPECT_EQ(files.inputNumber(1), 34);
    EXPECT_EQ(errorOf([&] { files.inputInteger(1); }), errOverflow);
}

TEST_F(Files, WriteAndPrintProduceExactBytes) {
    files.open(2, dir.file("out.dat"), OpenMode::Output);
    files.write(2, {"g", std::int16_t{-999}, std::int32_t{-99999}, 12.5, 0.25, Variant(), std::string("A")});
    files.print(2, "s5J   -1");
    files.print(2, "");
    files.close(2);
    EXPECT_EQ(readFile(dir.file("out.dat")), "\"g\",-999,-99999,12.5,.25,,\"A\"\r\ns5J   -1\r\n\r\n");
    files.open(2, dir.file("out.dat"), OpenMode::Append);
    files.write(2, {"e", std::int16_t{3}});
    files.closeAll();
    EXPECT_EQ(readFile(dir.file("out.dat")),
              "\"g\",-999,-99999,12.5,.25,,\"A\"\r\ns5J   -1\r\n\r\n\"e\",3\r\n");
    files.open(2, dir.file("out.dat"), OpenMode::Output);
    files.close(2);
    EXPECT_EQ(readFile(dir.file("out.dat")), "");
}

TEST_F(Files, OutputIsFlushedWhenTheTableGoesAway) {
    {
        FileTable local(paths);
        local.open(1, dir.file("r.dat"), OpenMode::Output);
        local.print(1, "kept");
    }
    EXPECT_EQ(readFile(dir.file("r.dat")), "kept\r\n");
}

TEST_F(Files, ReportsTheLegacyErrors) {
    EXPECT_EQ(errorOf([&] { files.open(1, dir.file("nothing"), OpenMode::Input); }), errFileNotFound);
    EXPECT_EQ(errorOf([&] { files.open(1, dir.file("no/such/file"), OpenMode::Input); }), errPathNotFound);
    EXPECT_EQ(errorOf([&] { files.open(1, dir.file("no/out"), OpenMode::Output); }), errPathNotFound);
    EXPECT_EQ(errorOf([&] { files.open(1, dir.path(), OpenMode::Input); }), errPathFileAccess);
    EXPECT_EQ(errorOf([&] { files.lineInput(4); }), errBadFileNameOrNumber);
    files.open(3, dir.file("o"), OpenMode::Output);
    EXPECT_EQ(errorOf([&] { files.open(3, dir.file("p"), OpenMode::Output); }), errFileAlreadyOpen);
    EXPECT_EQ(errorOf([&] { files.lineInput(3); }), errBadFileMode);
    openInput("x");
    EXPECT_EQ(errorOf([&] { files.print(1, "y"); }), errBadFileMode);
    files.close(9); // closing a number that is not open does nothing
}

// Input files are read whole, so their size is bounded: a larger file is refused at Open before
// anything is read (sparse files here, nothing is written), and so is a device that never ends.
TEST_F(Files, InputBeyondTheSizeBoundIsRefused) {
    struct Case {
        std::string name;
        std::uintmax_t size;
        int error;
    };
    const Case cases[] = {
        {"bound.txt", kMaxInputFileBytes, 0},
        {"bound1.txt", kMaxInputFileBytes + 1, errOutOfMemory},
        {"gigabyte.vec", std::uintmax_t{1} << 30, errOutOfMemory},
    };
    for (const Case &c : cases) {
        dir.write(c.name, "");
        std::filesystem::resize_file(dir.file(c.name), c.size);
        EXPECT_EQ(errorOf([&] { files.open(2, dir.file(c.name), OpenMode::Input); }), c.error) << c.name;
        EXPECT_EQ(files.isOpen(2), c.error == 0) << c.name;
        files.close(2);
    }
    EXPECT_EQ(errorOf([&] { files.open(2, "/dev/zero", OpenMode::Input); }), errOutOfMemory);
    EXPECT_FALSE(files.isOpen(2));
}
