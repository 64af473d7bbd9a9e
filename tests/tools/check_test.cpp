// kartino-check over the samples (each checks clean) and over broken copies of them made in a
// temporary folder: each fault is reported at its file and line, with exit code 1 for an error;
// wrong arguments give exit code 2.
#include "check_session.hpp"
#include "checker.hpp"
#include "checks.hpp"

#include "session/language_file.hpp"

#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

using namespace kartino;
namespace fs = std::filesystem;

namespace {

struct Outcome {
    int code = 0;
    std::string out, err;
};

Outcome check(const std::vector<std::string> &args) {
    std::ostringstream out, err;
    const int code = check::run(args, out, err);
    return {code, out.str(), err.str()};
}

std::string sample(const std::string &name) {
    return std::string(KARTINO_EXAMPLES_DIR) + "/" + name;
}

class SampleCheck : public ::testing::TestWithParam<std::string> {};

TEST_P(SampleCheck, HasNoErrors) {
    const Outcome o = check({sample(GetParam())});
    EXPECT_EQ(o.code, 0) << o.out << o.err;
    EXPECT_NE(o.out.find("0 errors"), std::string::npos) << o.out;
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleCheck, ::testing::Values("world", "europe", "iceland", "sample"));

// Replaces the first `from` in the file by `to`; the test fails when there is none.
void edit(const std::string &path, const std::string &from, const std::string &to) {
    std::string bytes = testkit::readFile(path);
    const std::size_t at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << path << " has no \"" << from << "\"";
    bytes.replace(at, from.size(), to);
    testkit::writeFile(path, bytes);
}

// Keeps the first `lines` lines of the file.
void cut(const std::string &path, int lines) {
    std::istringstream in(testkit::readFile(path));
    std::string kept;
    std::string line;
    for (int i = 0; i < lines && std::getline(in, line); ++i)
        kept += line + "\n";
    testkit::writeFile(path, kept);
}

struct Broken {
    const char *name;
    const char *sample;
    std::function<void(const std::string &)> breakit; // given the copy's folder
    const char *expected;                             // the start of the report line
    int code;
};

const char *const islan = "/UEB/DEUTSCH/ISLAN";
const char *const islandlist = "/UEB/DEUTSCH/ISLAND.LST";

const Broken kBroken[] = {
    {"FlagWordBeyond16Bits", "iceland",
     [](auto d) { edit(d + islan, "\"b10100000001\"", "\"b11111111111111111\""); },
     "UEB/DEUTSCH/ISLAN:23: error: block 1: Overflow", 1},
    {"FlagWordTypo", "iceland", [](auto d) { edit(d + islan, "\"b10100000001\"", "\"b1010000000l\""); },
     "UEB/DEUTSCH/ISLAN:23: warning: block 1: the exercise flags \"b1010000000l\"", 0},
    {"BlockCutShort", "iceland", [](auto d) { cut(d + islan, 31); },
     "UEB/DEUTSCH/ISLAN:31: error: block 2: the file ends", 1},
    {"DemonstrationTextWithoutSlash", "iceland", [](auto d) { edit(d + islan, "Zeit: / s", "Zeit: s"); },
     "UEB/DEUTSCH/ISLAN:19: error: text 15", 1},
    {"MapFileMissing", "iceland", [](auto d) { edit(d + islan, "\"ISLAND.VEC\"", "\"ISLANDX.VEC\""); },
     "UEB/DEUTSCH/ISLAN:25: error: block 1: the map file \"ISLANDX.VEC\" is missing", 1},
    {"MapFileInOtherCase", "iceland", [](auto d) { edit(d + islan, "\"ISLAND.VEC\"", "\"Island.vec\""); },
     "UEB/DEUTSCH/ISLAN:25: warning: block 1: the map file \"Island.vec\" is spelt KARTEN/ISLAND.VEC", 0},
    {"ListFileMissing", "europe", [](auto d) { fs::remove(d + "/UEB/DEUTSCH/Osten.LST"); },
     "UEB/DEUTSCH/EUROP:32: error: block 2: the list file \"Osten.LST\" is missing", 1},
    {"MalformedToken", "iceland",
     [](auto d) { edit(d + "/KARTEN/ISLAND.VEC", "T332,528,", "T332,528,G150,"); },
     "KARTEN/ISLAND.VEC:2: error: record 0, token 'G150' at position 27", 1},
    {"HeaderCountBeyondTheReader", "iceland",
     [](auto d) { edit(d + "/KARTEN/ISLAND.VEC", "24 <1250", "240<1250"); },
     "KARTEN/ISLAND.VEC:1: error: the header's count 240 passes the reader's limit of 201", 1},
    {"HeaderCountShort", "iceland", [](auto d) { edit(d + "/KARTEN/ISLAND.VEC", "24 <1250", "23 <1250"); },
     "KARTEN/ISLAND.VEC:1: warning: the header's count loads 23 records; the file holds 24", 0},
    {"FillLeaks", "iceland",
     [](auto d) { edit(d + "/KARTEN/ISLAND.VEC", "\r\n*Island", "\r\nC9,f9,\r\n*Island"); },
     "KARTEN/ISLAND.VEC:4: warning: record 1: the fill", 0},
    {"RecordRangePastTheMap", "iceland", [](auto d) { edit(d + islan, "3,23,0", "3,40,0"); },
     "UEB/DEUTSCH/ISLAN:26: error: block 1: the record range 3 to 40 passes the map's records 0 to 23", 1},
    {"PlaceWithEightFields", "iceland", [](auto d) { edit(d + islandlist, "212.97,-1", "212.97"); },
     "UEB/DEUTSCH/ISLAND.LST:5: error: the place of record 3 has 8 fields", 1},
    {"ListFileTooShort", "iceland", [](auto d) { cut(d + islandlist, 10); },
     "UEB/DEUTSCH/ISLAND.LST:10: error: the list file ends at line 10", 1},
    {"TooManyRegionTexts", "iceland", [](auto d) { edit(d + islandlist, "8 /l", "108 /l"); },
     "UEB/DEUTSCH/ISLAND.LST:1: error: the header names 108 region texts", 1},
    {"RegionCodeWithoutText", "iceland", [](auto d) { edit(d + islandlist, "*1,Reykjav", "*9,Reykjav"); },
     "UEB/DEUTSCH/ISLAND.LST:5: warning: place 3 (Reykjav", 0},
    {"RegionCodeBeyondTheTable", "iceland",
     [](auto d) { edit(d + islandlist, "*1,Reykjav", "*120,Reykjav"); },
     "UEB/DEUTSCH/ISLAND.LST:5: error: place 3 (Reykjav", 1},
    {"PlaceOutsideTheMap", "iceland", [](auto d) { edit(d + islandlist, "132.31,212.97", "932.31,212.97"); },
     "UEB/DEUTSCH/ISLAND.LST:5: error: place 3 (Reykjav", 1},
    {"PlaceOffItsTargetColour", "europe",
     [](auto d) { edit(d + "/UEB/DEUTSCH/Westen.LST", "250.45,153.95", "256.45,153.95"); },
     "UEB/DEUTSCH/Westen.LST:54: error: place 52 (Reykjav", 1},
    {"LanguageFileShort", "iceland", [](auto d) { cut(d + "/UEB/DEUTSCH/prb", 50); },
     "UEB/DEUTSCH/prb:50: error: the language file ends", 1},
    {"TextWiderThanItsLabel", "iceland",
     [](auto d) {
         edit(d + "/UEB/DEUTSCH/prb", "\r\nWeiter\r\n\"13", "\r\nWeiter zur nächsten Aufgabe\r\n\"13");
     },
     "UEB/DEUTSCH/prb:73: warning: text 61", 0},
    {"ExerciseFileMissing", "iceland", [](auto d) { fs::remove(d + islan); },
     "UEB/DEUTSCH/ISLAN: error: the exercise definition file is missing", 1},
};

class BrokenCopy : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenCopy, IsReportedAtItsLine) {
    const Broken &b = GetParam();
    testkit::TempDir dir;
    const std::string copy = dir.file(b.sample);
    fs::copy(sample(b.sample), copy, fs::copy_options::recursive);
    b.breakit(copy);
    const Outcome o = check({"--exercise", b.sample == std::string("europe") ? "EUROP" : "ISLAN", copy});
    EXPECT_EQ(o.code, b.code) << o.out;
    EXPECT_NE(("\n" + o.out).find(std::string("\n") + b.expected), std::string::npos) << o.out;
}

INSTANTIATE_TEST_SUITE_P(Faults, BrokenCopy, ::testing::ValuesIn(kBroken),
                         [](const auto &info) { return std::string(info.param.name); });

// The line of a text that does not fit its label comes from the order the language reader takes
// its entries in: each entry a line of its own, the text must be the entry the table names.
TEST(LanguageReads, FollowTheLanguageReader) {
    testkit::TempDir dir;
    std::string prb;
    for (int k = 0; k < check::kLanguageReads; ++k)
        prb += "E" + std::to_string(k) + "\r\n";
    dir.write("UEB/DEUTSCH/prb", prb);
    check::Dataset dataset(dir.path(), "DEUTSCH");
    check::CheckSession cs(dataset);
    session::prbinput(cs.s);
    EXPECT_EQ(cs.readsof(session::languageFileNumber).size(),
              static_cast<std::size_t>(check::kLanguageReads));
    for (int n = 0; n < static_cast<int>(cs.s.texts.text.size()); ++n) {
        if (const int read = check::languageread(n); read >= 0) {
            EXPECT_EQ(cs.s.texts.text[static_cast<std::size_t>(n)], "E" + std::to_string(read)) << n;
        }
    }
}

TEST(CheckArguments, WrongOnesExitWith2AndTheUsage) {
    const std::vector<std::vector<std::string>> wrong = {{},
                                                         {"--exercise"},
                                                         {"--exercise", "ABC", sample("iceland")},
                                                         {"--colour", sample("iceland")},
                                                         {sample("iceland"), sample("world")},
                                                         {sample("no-such-folder")}};
    for (const auto &args : wrong) {
        const Outcome o = check(args);
        EXPECT_EQ(o.code, 2) << (args.empty() ? "" : args.front());
        EXPECT_NE(o.err.find("usage: kartino-check"), std::string::npos) << o.err;
    }
}

} // namespace
