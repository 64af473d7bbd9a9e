#include "host_lib.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

using namespace kartino::host;

namespace {

CommandLineFields fields(const std::string &exercise, int block, int tasks) {
    CommandLineFields f;
    f.exercise = exercise;
    f.block = block;
    f.tasks = tasks;
    f.hostfolder = "K:\\";
    return f;
}

} // namespace

TEST(HostCommandLine, ColumnsSitWhereTheProgramReadsThem) {
    const std::string line = buildCommandLine(fields("EUROP", 2, 12));
    //                         1234567890123456
    EXPECT_EQ(line, std::string("EUROP 0 2 0 12 0K:\\"));
    EXPECT_EQ(line.substr(0, 5), "EUROP");
    EXPECT_EQ(line.substr(7, 2), " 2");
    EXPECT_EQ(line.substr(11, 3), " 12");
    EXPECT_EQ(line.substr(16), "K:\\");
}

TEST(HostCommandLine, WidestValuesFillTheirColumns) {
    CommandLineFields f = fields("ABCDE", 99, 999);
    f.field6 = 12;
    f.options = 34;
    f.field15 = 56;
    f.hostfolder = "K:\\HOST\\";
    EXPECT_EQ(buildCommandLine(f), "ABCDE129934999"
                                   "56"
                                   "K:\\HOST\\");
}

TEST(HostCommandLine, RejectsFieldsThatDoNotFit) {
    EXPECT_THROW(buildCommandLine(fields("EURO", 1, 10)), std::invalid_argument);
    EXPECT_THROW(buildCommandLine(fields("EUROPA", 1, 10)), std::invalid_argument);
    EXPECT_THROW(buildCommandLine(fields("EU OP", 1, 10)), std::invalid_argument);
    EXPECT_THROW(buildCommandLine(fields("EUROP", 100, 10)), std::invalid_argument);
    EXPECT_THROW(buildCommandLine(fields("EUROP", 1, 1000)), std::invalid_argument);
    EXPECT_NO_THROW(buildCommandLine(fields("EUROP", 0, 0)));
}

TEST(HostSettingsFile, ExactBytesOfTheDefaultLayout) {
    HostSettings s;
    s.hostflags = 2048;
    s.hostoptions = 1;
    s.protocolflags = 8;
    s.featuremask = 12;
    s.seed = 4711;
    const std::string expected = "-1,-1,2048,0,0,1,8,0,0,12,4711,4711,\"\"\r\n"
                                 "0,0,0,0,0,0\r\n"
                                 "8,1,0,0,\"\",\"\"\r\n"
                                 "K:\\DATEN\\\r\n"
                                 "K:\\UEB\\\r\n"
                                 "K:\\\r\nK:\\\r\nK:\\\r\n"
                                 "K:\\KARTEN\\\r\n"
                                 "K:\\\r\nK:\\\r\nK:\\\r\n"
                                 "K:\\ERGEBNIS\\\r\n"
                                 "K:\\\r\nK:\\\r\nK:\\\r\nK:\\\r\nK:\\\r\n"
                                 "DEUTSCH\r\n"
                                 "\"\",0,\"\",0,\"\",\"K:\\\"\r\n";
    EXPECT_EQ(cvorText(s, defaultFolders('K', "DEUTSCH")), expected);
}

TEST(HostSettingsFile, TwentyLinesWithThirteenAndSixItems) {
    HostSettings s;
    s.areawidth = 800;
    s.areaheight = 600;
    const std::string text = cvorText(s, defaultFolders('D', "POLSKI"));
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    EXPECT_EQ(from, text.size()) << "the file ends with CR LF";
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ','), 12);
    EXPECT_TRUE(lines[0].starts_with("800,600,"));
    EXPECT_EQ(std::count(lines[19].begin(), lines[19].end(), ','), 5);
    EXPECT_EQ(lines[3], "D:\\DATEN\\");
    EXPECT_EQ(lines[18], "POLSKI");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "no bare line feeds";
}

TEST(HostSettingsFile, RefusesTextsThatListInputCannotReadBack) {
    SettingsFolders f = defaultFolders('K', "DEUTSCH");
    f.suitefolder = "K:\\\"X\\";
    EXPECT_THROW(cvorText(HostSettings{}, f), std::invalid_argument);
    f = defaultFolders('K', "DEUTSCH");
    f.paths[3] = "K:\\A\r\nB";
    EXPECT_THROW(cvorText(HostSettings{}, f), std::invalid_argument);
}

TEST(HostOptions, AreaAndNumbers) {
    int w = 0;
    int h = 0;
    EXPECT_TRUE(parseArea("1024x768", w, h));
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    EXPECT_TRUE(parseArea("-1x-1", w, h));
    EXPECT_EQ(w, -1);
    EXPECT_FALSE(parseArea("1024", w, h));
    EXPECT_FALSE(parseArea("1024x", w, h));
    EXPECT_FALSE(parseArea("-2x5", w, h));
    EXPECT_FALSE(parseArea("40000x5", w, h));
    long v = 0;
    EXPECT_TRUE(parseNumber("-32768", -32768, 32767, v));
    EXPECT_EQ(v, -32768);
    EXPECT_FALSE(parseNumber("32768", -32768, 32767, v));
    EXPECT_FALSE(parseNumber("12a", 0, 99, v));
    EXPECT_FALSE(parseNumber("", 0, 99, v));
}
