#include "platform/ui/session_end.hpp"
#include "session/result_records.hpp"
#include "support/fake_services.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using namespace kartino::session;
using kartino::testkit::readFile;

namespace {

class ResultRecords : public ::testing::Test {
  protected:
    testkit::FakeServices f;
    Session s{f.services};

    void SetUp() override {
        s.shared.settingspaths = f.shared.settingspaths;
        s.results.statusflags = 256;
        s.results.featuremaskused = 12;
        s.results.exerciseflags = 513;
        s.settings.protocolflags = 8;
    }
    std::string rdat() const { return readFile(f.dir.file("R.DAT")); }
    int exitOf(auto &&run) {
        try {
            run();
        } catch (const ui::SessionEnd &e) {
            return e.exitCode;
        }
        return -1;
    }
};

} // namespace

TEST_F(ResultRecords, SessionRecordOfAFindModeRun) {
    Results &r = s.results;
    r.result2 = std::int16_t{7};
    r.result3 = std::int16_t{4};
    r.result4 = std::int16_t{3};
    r.result5 = 4.25;
    r.result6 = 3.5;
    r.correctcount = 7;
    r.result8 = 3;
    r.result9 = 1;
    r.helptotal = 2;
    r.result11 = 80;
    r.result12 = 60;
    r.headerresult = 0;
    r.result14 = 3.75;
    r.result15 = 4.75;
    r.offeranswer = std::int16_t{0};
    r.tasknumber = 11;
    r.variantletter = "E";
    r.result20 = 1;
    r.tasklist1 = "3,5,";
    r.tasklist2 = "1,0,";
    protocolline(s, "5", "J", -1);
    writesessionrecord(s);
    EXPECT_EQ(rdat(), "\"g\",7,4,3,4.25,3.5,7,3,1,2,80,60,0,3.75,4.75,0,11,15,\"E\",1,\"\",256,0,12,513,1,"
                      "-999,-99999,-99999\r\n"
                      "\"e\",10\r\n"
                      "3,5,1,0,\r\n"
                      "s5J    -112-07-202609:30:15\r\n");
    EXPECT_TRUE(r.resultwritten);
    EXPECT_EQ(r.protocolcount, 0);
    EXPECT_EQ(s.shared.currentfile, "");
    EXPECT_FALSE(f.files.isOpen(resultFileNumber));
}

TEST_F(ResultRecords, UntouchedFieldsKeepTheirNoValueSubtypes) {
    s.results.tasknumber = 0;
    writesessionrecord(s);
    EXPECT_EQ(rdat(), "\"g\",-999,-999,-999,-999,-999,-999,-999,-999,-999,-99999,-99999,-99999,-99999,"
                      "-99999,-99999,0,15,\"A\",0,\"\",256,0,12,513,1,-999,-99999,-99999\r\n"
                      "\"e\",-1\r\n\r\n");
}

TEST_F(ResultRecords, DistanceModeRunAppendsASecondRecord) {
    writesessionrecord(s);
    std::string first = rdat();
    Results &r = s.results;
    r.result2 = 412.5;
    r.result5 = 12.0625;
    r.result14 = std::int32_t{-99999};
    r.offertime = 0.5;
    r.tasknumber = 3;
    r.tasklist3 = "150.5,12,";
    writesessionrecord(s);
    EXPECT_EQ(rdat(),
              first + "\"g\",412.5,-999,-999,12.0625,-999,-999,-999,-999,-999,-99999,-99999,-99999,-99999,"
                      "-99999,-99999,3,15,\"A\",0,\"\",256,0,12,513,1,-999,-99999,.5\r\n"
                      "\"e\",2\r\n150.5,12,\r\n");
}

TEST_F(ResultRecords, ProtocolLinesStopAtEighty) {
    for (int i = 1; i <= 81; ++i) {
        protocolline(s, "2", "N", i);
        f.clock.advance(1000);
    }
    EXPECT_EQ(s.results.protocolcount, 80);
    EXPECT_EQ(s.results.protocollines[1], "s2N     112-07-202609:30:15");
    EXPECT_EQ(s.results.protocollines[80], "s2N    8012-07-202609:31:34");
    s.settings.protocolflags = 0;
    s.results.protocolcount = 0;
    protocolline(s, "5", "J", -1);
    EXPECT_EQ(s.results.protocolcount, 0);
}

TEST_F(ResultRecords, QuitBeforeAnyRun) {
    protocolline(s, "5", "N", -1);
    EXPECT_EQ(exitOf([&] { endsession(s); }), 1);
    EXPECT_EQ(rdat(), "s5N    -112-07-202609:30:15\r\n\"c\",0,15,\"A\",513,256,0\r\n\r\n");
    EXPECT_EQ(s.shared.currentfile, "");
}

TEST_F(ResultRecords, QuitDuringARepetitionRunWritesAnEmptyLine) {
    writesessionrecord(s);
    std::string first = rdat();
    s.results.repeatnumber = 1;
    s.results.answeredcount = 2;
    s.results.tasklist1 = "4,";
    s.results.offerflags = 4;
    EXPECT_EQ(exitOf([&] { endsession(s); }), 1);
    EXPECT_EQ(rdat(), first + "\"c\",2,15,\"A\",513,256,4\r\n\r\n");
}

TEST_F(ResultRecords, QuitInTheFirstRunWritesTheAnswers) {
    s.results.answeredcount = 2;
    s.results.tasklist1 = "4,7,";
    s.results.tasklist4 = "1,1,";
    EXPECT_EQ(exitOf([&] { endsession(s); }), 1);
    EXPECT_EQ(rdat(), "\"c\",2,15,\"A\",513,256,0\r\n4,7,1,1,\r\n");
}

TEST_F(ResultRecords, EndSessionClosesEveryFileAndEndsEvenWithoutAResultFolder) {
    f.files.open(3, f.dir.file("X"), basic::OpenMode::Output);
    f.files.print(3, "5");
    s.shared.settingspaths[common::kResultFolder] = f.dir.path() + "/missing/";
    EXPECT_EQ(exitOf([&] { endsession(s); }), 1);
    EXPECT_FALSE(f.files.isOpen(3));
    EXPECT_EQ(readFile(f.dir.file("X")), "5\r\n");
}

TEST_F(ResultRecords, FinishWithoutARecordLeavesAnEarlierFileAlone) {
    f.dir.write("R.DAT", "from an earlier visit\r\n");
    protocolline(s, "2", "J", 3);
    EXPECT_EQ(exitOf([&] { finishsession(s); }), 0);
    EXPECT_EQ(rdat(), "from an earlier visit\r\n");
}

TEST_F(ResultRecords, FinishAfterARecordAppendsTheWaitingLines) {
    f.dir.write("R.DAT", "from an earlier visit\r\n");
    writesessionrecord(s);
    protocolline(s, "2", "J", 3);
    EXPECT_EQ(exitOf([&] { finishsession(s); }), 0);
    EXPECT_EQ(rdat().substr(0, 4), "\"g\",");
    EXPECT_TRUE(rdat().ends_with("\"e\",-1\r\n\r\ns2J     312-07-202609:30:15\r\n"));
}

TEST_F(ResultRecords, DemonstrationOnlyRecord) {
    f.dir.write("R.DAT", "old\r\n");
    s.settings.starttime = f.clock.timer();
    f.clock.advance(95'600);
    writedemorecord(s);
    EXPECT_EQ(rdat(), "s3-    9612-07-202609:31:50\r\ni\r\n");
    s.settings.protocolflags = 0;
    s.results.protocolcount = 0;
    writedemorecord(s);
    EXPECT_EQ(rdat(), "i\r\n");
}

TEST_F(ResultRecords, DemonstrationPastMidnightRecordsANegativeTime) {
    testkit::FakeServices other({2026, 12, 7, 23, 59, 0, 0});
    Session t{other.services};
    t.shared.settingspaths[common::kResultFolder] = other.dir.path() + "/";
    t.settings.protocolflags = 8;
    t.settings.starttime = other.clock.timer();
    other.clock.advance(120'000);
    writedemorecord(t);
    EXPECT_EQ(readFile(other.dir.file("R.DAT")), "s3--8628012-08-202600:01:00\r\ni\r\n");
}

TEST_F(ResultRecords, RepetitionFileAlternates) {
    s.settings.hostoptions = 4;
    resetrun(s);
    EXPECT_EQ(s.results.repeatfile, "X");
    EXPECT_TRUE(f.files.isOpen(repeatFileNumber));
    resetrun(s);
    EXPECT_EQ(s.results.repeatfile, "XX");
    resetrun(s);
    EXPECT_EQ(s.results.repeatfile, "X");
    EXPECT_EQ(s.shared.currentfile, f.dir.path() + "/X");
    f.files.closeAll();
    EXPECT_TRUE(testkit::fileExists(f.dir.file("XX")));
    s.settings.hostoptions = 0;
    s.results.correctcount = 5;
    resetrun(s);
    EXPECT_EQ(s.results.correctcount, 0);
    EXPECT_EQ(s.results.repeatfile, "X");
}
