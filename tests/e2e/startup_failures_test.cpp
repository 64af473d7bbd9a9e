// Start-up with data the host got wrong: each failure is reported in a message box and one line
// of errwin.dat, leaves the cancel record in R.DAT and ends with exit code 1, through the whole
// program on the headless backend.
#include "program_run.hpp"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

using namespace kartino;
using ::testing::ElementsAre;

namespace {

namespace fs = std::filesystem;

const std::string earlyCancel = "\"c\",0,15,\"A\",0,0,0\r\n\r\n"; // before the flags are derived
const std::string stamp = "12-07-202610:00:00";
const std::string missingStamp = "12-07-2026,10:00:00,"; // the missing-file report's own form

// The working folder of the process for one test (the settings file of an empty command line
// is looked for there, and so are the result files when no settings file names a folder).
class WorkingFolder {
  public:
    explicit WorkingFolder(const std::string &folder) : saved_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingFolder() { fs::current_path(saved_); }

  private:
    fs::path saved_;
};

class StartupFailures : public testkit::ProgramRun {
  protected:
    // The run ends before the start screen: a box, one log line, the cancel record.
    void expectFailure(const std::string &boxLine, const std::string &logLine,
                       const std::string &record = earlyCancel) {
        EXPECT_THAT(trace(), ElementsAre("msgbox " + boxLine, "exit 1"));
        expectLogAndRecord(logLine, record);
    }
    // A failure after the start screen was shown, on the way to the exercise.
    void expectFailureGoingOn(const std::string &boxLine, const std::string &logLine) {
        EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "msgbox " + boxLine, "exit 1"));
        expectLogAndRecord(logLine, "\"c\",0,15,\"A\",0,256,0\r\n\r\n");
    }
    void expectLogAndRecord(const std::string &logLine, const std::string &record) {
        EXPECT_EQ(errorlog(), logLine + "\r\n");
        EXPECT_EQ(rdat(), record);
    }
    void runWithColumns(std::size_t column, const std::string &text) {
        data.write();
        std::string line = data.commandline();
        line.replace(column - 1, text.size(), text);
        EXPECT_EQ(runwith(line, "key 13\n"), 1);
    }
};

TEST_F(StartupFailures, NoSettingsFile) {
    testkit::TempDir cwd;
    WorkingFolder in(cwd.path());
    data.write();
    fs::remove(data.root.file("CVOR"));
    EXPECT_EQ(runwith(data.commandline(), "key 13\n"), 1);
    // Without settings there is no result folder: the log and the record go to the working folder.
    EXPECT_THAT(trace(),
                ElementsAre("msgbox fehler|kartino|form1:load|Datei nicht gefunden|K:\\CVOR", "exit 1"));
    EXPECT_EQ(testkit::readFile(cwd.file("errwin.dat")),
              missingStamp + "kartino,form1:load,Datei nicht gefunden,K:\\CVOR\r\n");
    EXPECT_EQ(testkit::readFile(cwd.file("R.DAT")), earlyCancel);
}

TEST_F(StartupFailures, AnEmptyCommandLineLooksForTheSettingsInTheWorkingFolder) {
    testkit::TempDir cwd;
    WorkingFolder in(cwd.path());
    data.write();
    EXPECT_EQ(runwith("", "key 13\n"), 1);
    EXPECT_THAT(trace(), ElementsAre("msgbox fehler|kartino|form1:load|Datei nicht gefunden|CVOR", "exit 1"));
    EXPECT_EQ(testkit::readFile(cwd.file("R.DAT")), earlyCancel);

    // With "CVOR" there the settings are read; the empty exercise name names no file.
    fs::copy_file(data.root.file("CVOR"), cwd.file("CVOR"));
    EXPECT_EQ(runwith("", "key 13\n"), 1);
    expectFailure("fehler|kartino|form1:load|Datei nicht gefunden|K:\\UEB\\DEUTSCH\\",
                  missingStamp + "kartino,form1:load,Datei nicht gefunden,K:\\UEB\\DEUTSCH\\");
}

TEST_F(StartupFailures, NoExerciseDefinitionFile) {
    data.cmd.exercise = "ASIEN";
    data.write();
    fs::remove(data.root.file("UEB/DEUTSCH/ASIEN"));
    EXPECT_EQ(runwith(data.commandline(), "key 13\n"), 1);
    expectFailure("fehler|kartino|form1:load|Datei nicht gefunden|K:\\UEB\\DEUTSCH\\ASIEN",
                  missingStamp + "kartino,form1:load,Datei nicht gefunden,K:\\UEB\\DEUTSCH\\ASIEN");
}

TEST_F(StartupFailures, ABlockNumberBeyondTheBlocks) {
    data.blocks.resize(2);
    data.cmd.block = 3;
    EXPECT_EQ(run("key 13\n"), 1);
    expectFailure("errhandler|kartino|form1:load|62|Input past end of file|Datei: K:\\UEB\\DEUTSCH\\EUROP",
                  stamp + "kartino,form1:load,62,Input past end of file,Datei: K:\\UEB\\DEUTSCH\\EUROP");

    data.cmd.block = 2; // the last block is still there
    EXPECT_EQ(run("key 13\n"), 1);
    EXPECT_THAT(trace(), ElementsAre("form Form1 shown", "form FormKartino shown", "exit 1"));
}

// A report that cannot be logged (errwin.dat is a folder; the result folder is gone) still ends
// the run with exit code 1, and with the cancel record wherever it can be written.
TEST_F(StartupFailures, AReportThatCannotBeLogged) {
    data.cmd.block = 3; // beyond the only block
    data.write();
    fs::create_directories(data.root.file("ERGEBNIS/errwin.dat"));
    EXPECT_EQ(runwith(data.commandline(), "key 13\n"), 1);
    EXPECT_EQ(rdat(), earlyCancel);
    fs::remove_all(data.root.file("ERGEBNIS"));
    EXPECT_EQ(runwith(data.commandline(), "key 13\n"), 1);
    EXPECT_EQ(trace().back(), "exit 1");
}

TEST_F(StartupFailures, ADemonstrationTextWithoutSlash) {
    data.texts[15] = "Vorf\xFChrung";
    EXPECT_EQ(run("key 13\n"), 1);
    // The exercise file is the file last opened, and the report names it.
    expectFailure(
        "errhandler|kartino|form1:load|5|Invalid procedure call or argument|Datei: K:\\UEB\\DEUTSCH\\EUROP",
        stamp + "kartino,form1:load,5,Invalid procedure call or argument,Datei: K:\\UEB\\DEUTSCH\\EUROP",
        "\"c\",0,15,\"A\",0,256,0\r\n\r\n");
}

TEST_F(StartupFailures, ThirtyOneVariantNames) {
    std::string names;
    for (int i = 1; i <= 31; ++i)
        names += "Karte" + std::to_string(i) + "/";
    data.blocks[0].mapfile = names;
    EXPECT_EQ(run("key 13\n"), 1);
    expectFailure("errhandler|kartino|form1:load|9|Subscript out of range|Datei: K:\\UEB\\DEUTSCH\\EUROP",
                  stamp + "kartino,form1:load,9,Subscript out of range,Datei: K:\\UEB\\DEUTSCH\\EUROP",
                  "\"c\",0,15,\"A\",0,256,0\r\n\r\n");

    names.erase(names.rfind("Karte"));
    data.blocks[0].mapfile = names; // thirty are allowed
    EXPECT_EQ(run("key 13\n"), 1);
    EXPECT_EQ(session().settings.variantcount, 30);
}

TEST_F(StartupFailures, AColumnWithTrailingLettersCountsItsDigits) {
    runWithColumns(8, "7x"); // block 7 of a file with one block
    EXPECT_EQ(session().settings.blocknumber, 7);
    expectFailure("errhandler|kartino|form1:load|62|Input past end of file|Datei: K:\\UEB\\DEUTSCH\\EUROP",
                  stamp + "kartino,form1:load,62,Input past end of file,Datei: K:\\UEB\\DEUTSCH\\EUROP");
}

TEST_F(StartupFailures, AColumnBeyondSixteenBits) {
    runWithColumns(12, "1E9"); // the task count
    expectFailure("errhandler|kartino|form1:load|6|Overflow", stamp + "kartino,form1:load,6,Overflow");
}

TEST_F(StartupFailures, ASettingsFileWithTooFewLines) {
    data.write();
    const std::string cvor = testkit::readFile(data.root.file("CVOR"));
    std::size_t cut = 0;
    for (int line = 0; line < 12; ++line)
        cut = cvor.find("\r\n", cut) + 2;
    data.root.write("CVOR", cvor.substr(0, cut));
    testkit::TempDir cwd;
    WorkingFolder in(cwd.path());
    EXPECT_EQ(runwith(data.commandline(), "key 13\n"), 1);
    // The result folder's line was not reached: the record goes to the working folder.
    EXPECT_THAT(trace(),
                ElementsAre("msgbox errhandler|kartino|form1:load|62|Input past end of file|Datei: K:\\CVOR",
                            "exit 1"));
    EXPECT_EQ(testkit::readFile(cwd.file("R.DAT")), earlyCancel);
}

TEST_F(StartupFailures, AMapHeaderWithoutParameterBlock) {
    data.writemap("EUROPA.VEC", "7  /m=4 /c /p1,64,24,40,63,0,1,2,64,4,5,20,7,56,57,58,59,60,61,62,63");
    EXPECT_EQ(run("key 13\n"), 1);
    expectFailureGoingOn("errhandler|kartino|form1:readexerciseheader|5|Invalid procedure call or argument",
                         stamp + "kartino,form1:readexerciseheader,5,Invalid procedure call or argument");
}

TEST_F(StartupFailures, AMissingMapFileWhenGoingOn) {
    data.blocks[0].mapfile = "ASIEN.VEC";
    EXPECT_EQ(run("key 13\n"), 1);
    expectFailureGoingOn("errhandler|kartino|vec:fngrafin|53|File not found|Datei: K:\\KARTEN\\ASIEN.VEC",
                         stamp + "kartino,vec:fngrafin,53,File not found,Datei: K:\\KARTEN\\ASIEN.VEC");
}

// Data files far beyond what an exercise needs (1 GiB, sparse: nothing is written) are refused
// unread, as a run-time error of their reader: a box, one log line, the cancel record.
TEST_F(StartupFailures, DataFilesTooLargeToRead) {
    struct Case {
        std::string file, legacyPath, location;
        std::vector<std::string> forms; // shown before the failure
    };
    const Case cases[] = {
        {"KARTEN/EUROPA.VEC", "K:\\KARTEN\\EUROPA.VEC", "vec:fngrafin", {"form Form1 shown"}},
        {"UEB/DEUTSCH/EUROPA.LST",
         "K:\\UEB\\DEUTSCH\\EUROPA.LST",
         "kartino:run",
         {"form Form1 shown", "form FormKartino shown"}},
    };
    for (const Case &c : cases) {
        data.write();
        data.writemap("EUROPA.VEC");
        fs::remove(data.root.file("ERGEBNIS/errwin.dat"));
        fs::resize_file(data.root.file(c.file), std::uintmax_t{1} << 30);
        EXPECT_EQ(runwith(data.commandline(), "key 13\n"), 1) << c.file;
        std::vector<std::string> expected = c.forms;
        expected.push_back("msgbox errhandler|kartino|" + c.location +
                           "|7|Out of memory|Datei: " + c.legacyPath);
        expected.push_back("exit 1");
        EXPECT_EQ(trace(), expected);
        expectLogAndRecord(stamp + "kartino," + c.location + ",7,Out of memory,Datei: " + c.legacyPath,
                           "\"c\",0,15,\"A\",0,256,0\r\n\r\n");
    }
}

} // namespace
