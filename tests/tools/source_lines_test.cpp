#include "source_lines.hpp"

#include <gtest/gtest.h>

namespace kartino::render {
namespace {

TEST(SourceLines, TokensOnLaterCommandLinesAndTerminators) {
    // Record 0: "C1,B10,0," (line 2) + "K5," (line 3); record 1: "L4,90," (line 5).
    const SourceLines lines("2  <0>\r\nC1,B10,0,\r\nK5,\r\n*eins\r\nL4,90,\r\n*zwei\r\n");
    EXPECT_EQ(lines.headerlines(), 1);
    EXPECT_EQ(lines.records(), 2);
    EXPECT_EQ(lines.lineof(0, 1), 2);
    EXPECT_EQ(lines.lineof(0, 9), 2);  // the "," ending line 2
    EXPECT_EQ(lines.lineof(0, 10), 3); // "K5" begins the second command line
    EXPECT_EQ(lines.lineof(0, 13), 4); // the "*," after the command lines: the terminator line
    EXPECT_EQ(lines.lineof(1, 1), 5);
    EXPECT_EQ(lines.lineof(1, 7), 6);
    EXPECT_EQ(lines.lineof(2, 1), 0); // no such record
    EXPECT_EQ(lines.lineof(0, 0), 0);
}

TEST(SourceLines, ContinuedHeaderTakesNineMoreLines) {
    // The nine lines after a header ending with ";" belong to it, even when they look like
    // records ("*" lines included).
    std::string bytes = "1  <0> /c;\r\n";
    for (int k = 0; k < 9; ++k)
        bytes += (k == 4 ? "*nicht\r\n" : ",1\r\n");
    bytes += "C4,\r\nB10,0,G150,\r\n*Satz\r\n";
    const SourceLines lines(bytes);
    EXPECT_EQ(lines.headerlines(), 10);
    EXPECT_EQ(lines.records(), 1);
    EXPECT_EQ(lines.lineof(0, 1), 11);
    EXPECT_EQ(lines.lineof(0, 4), 12);  // "B10" on the second command line
    EXPECT_EQ(lines.lineof(0, 11), 12); // "G150"
    EXPECT_EQ(lines.lineof(0, 16), 13);
}

TEST(SourceLines, ShortLinesAndMarkersDoNotContinueTheHeader) {
    // ";" ends the header text only from column 4 on; "1;" is a plain line 1.
    const SourceLines lines("1;\r\nK5,\r\n*a\r\n");
    EXPECT_EQ(lines.headerlines(), 1);
    EXPECT_EQ(lines.lineof(0, 1), 2);
}

TEST(SourceLines, LineEndsAsTheReaderReadsThem) {
    // LF alone, CR alone, an empty command line, Ctrl-Z ending the file and a last record
    // without terminator.
    const SourceLines lines("2  <0>\nC1,\r\rK5,\n*a\nL3,0,\x1A*b\r\n");
    EXPECT_EQ(lines.records(), 2);
    EXPECT_EQ(lines.lineof(0, 1), 2);
    EXPECT_EQ(lines.lineof(0, 4), 4); // line 3 is empty: "K5," is on line 4
    EXPECT_EQ(lines.lineof(0, 7), 5);
    EXPECT_EQ(lines.lineof(1, 1), 6);
    EXPECT_EQ(lines.lineof(1, 6), 6); // past the end of a record cut off by the end of the file
}

TEST(SourceLines, EmptyFile) {
    const SourceLines lines("");
    EXPECT_EQ(lines.records(), 0);
    EXPECT_EQ(lines.lineof(0, 1), 0);
}

} // namespace
} // namespace kartino::render
