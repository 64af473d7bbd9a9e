// The result folder when writing goes wrong. A golden session is played once to count every
// write and close of its output files; then it is played again for each of them with that one
// step failing (a write stops half-way with "disk full", a close fails with an I/O error), and
// with a termination signal in the middle of each write. Whatever fails: the session ends in
// order, the failure is shown and logged, an R.DAT of an earlier session is either left byte for
// byte or replaced by whole records, and no record claims a file that was not written. Then the
// folder itself in the way: missing, write-protected, full, a folder named R.DAT or FB.DAT.
#include "hosted_session.hpp"
#include "platform/basic/termination.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

using namespace kartino;
using basic::OutputFaults;
namespace fs = std::filesystem;

namespace {

const std::string kEarlierRecord = "\"c\",3,15,\"A\",1281,257,0\r\n 1, 0, 1,\r\n"; // another session's
const std::string kFolder = host::resultFolder;
const char *const kResultFiles[] = {"R.DAT", "FB.DAT", "X", "XX", "errwin.dat"};

std::vector<std::string> linesof(const std::string &text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            out.push_back(text.substr(start) + "<torn>");
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

bool startsWith(const std::string &s, const char *prefix) {
    return s.rfind(prefix, 0) == 0;
}

// R.DAT after a run with a fault: what the earlier session left, or whole lines of the expected
// file (a "g" record always with its "e" record and answer line) followed by at most one cancel
// record (the waiting protocol lines, the "c" record, one more line). Returns what is wrong.
std::string wholeOrAsBefore(const std::string &actual, const std::string &expected) {
    if (actual == kEarlierRecord) return "";
    const std::vector<std::string> got = linesof(actual), want = linesof(expected);
    std::size_t k = 0;
    while (k < got.size() && k < want.size() && got[k] == want[k])
        ++k;
    for (std::size_t i = 0; i < k; ++i)
        if (startsWith(got[i], "\"g\",") && i + 2 >= k) return "a session record cut off";
    std::size_t i = k;
    if (i == got.size()) return "";
    while (i < got.size() && startsWith(got[i], "s"))
        ++i;
    if (i + 2 != got.size() || !startsWith(got[i], "\"c\",") || got[i + 1].ends_with("<torn>"))
        return "line " + std::to_string(k + 1) + " is neither the expected one nor a cancel record";
    return "";
}

// R.DAT with field 20 of its session records set to `value` (2727 claims FB.DAT, 1 does not).
std::string withResult20(const std::string &rdat, const std::string &value) {
    std::string out;
    for (const std::string &line : linesof(rdat)) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string f; std::getline(in, f, ',');)
            fields.push_back(f);
        if (startsWith(line, "\"g\",") && fields.size() > 19) fields[19] = value;
        for (std::size_t i = 0; i < fields.size(); ++i)
            out += (i ? "," : "") + fields[i];
        out += "\r\n";
    }
    return out;
}

struct Played {
    int code = -1;
    std::map<std::string, std::string> files;
    std::vector<std::string> boxes; // the message boxes shown, as trace lines
    std::string hit;                // the file whose step failed first
    OutputFaults plan;
};

// Plays `session` over a result folder that holds an earlier session's R.DAT, after `prepare`.
Played play(const testkit::RecordedSession &session, OutputFaults plan,
            const std::function<void(testkit::HostedSession &)> &prepare = {}) {
    testkit::HostedSession run(session.dataset, session.options);
    run.root.write(kFolder + "/R.DAT", kEarlierRecord);
    if (prepare) prepare(run);
    run.keepresults = true;
    run.faults = &plan;
    run.tracepath = run.root.file("trace.txt");
    Played p;
    p.code = run.run(session);
    for (const char *name : kResultFiles)
        p.files[name] = run.resultfile(name);
    std::istringstream trace(testkit::readFile(run.tracepath));
    for (std::string line; std::getline(trace, line);)
        if (startsWith(line, "msgbox ")) p.boxes.push_back(line);
    p.hit = fs::path(plan.hitFile()).filename().string();
    p.plan = plan;
    if (fs::is_directory(run.root.file(kFolder)))
        for (const auto &entry : fs::directory_iterator(run.root.file(kFolder)))
            if (startsWith(entry.path().filename().string(), "."))
                ADD_FAILURE() << "left behind: " << entry.path().filename();
    basic::clearTerminationRequest();
    return p;
}

// A repetition file is whole (task indices, one to a line) or absent.
bool wholeLines(const std::string &text) {
    if (text == "<missing>") return true;
    for (const std::string &line : linesof(text))
        if (line.ends_with("<torn>")) return false;
    return true;
}

class ResultFolderFaults : public ::testing::TestWithParam<std::string> {
  protected:
    static void SetUpTestSuite() { basic::installTerminationHandlers(); }

    void SetUp() override {
        session = testkit::recordedsession(GetParam());
        for (const char *name : kResultFiles)
            expected[name] = testkit::sessionfile(GetParam(), std::string("expected/") + name);
        counted = play(session, OutputFaults());
        ASSERT_EQ(counted.code, std::stoi(testkit::sessionfile(GetParam(), "expected/exit-code")));
        ASSERT_EQ(counted.files, expected) << "the session without faults";
        ASSERT_GT(counted.plan.count(OutputFaults::Step::Write), 0);
    }

    // What holds whatever step failed or was interrupted; `rdat` is the R.DAT of the whole run.
    void checkWhole(const Played &p, const std::string &rdat) {
        EXPECT_EQ(wholeOrAsBefore(p.files.at("R.DAT"), rdat), "") << p.files.at("R.DAT");
        if (p.files.at("R.DAT").find(",2727,") != std::string::npos) {
            EXPECT_EQ(p.files.at("FB.DAT"), expected.at("FB.DAT")) << "a record that claims FB.DAT";
        }
        EXPECT_TRUE(p.files.at("FB.DAT") == expected.at("FB.DAT") || p.files.at("FB.DAT") == "<missing>");
        EXPECT_TRUE(wholeLines(p.files.at("X")) && wholeLines(p.files.at("XX")));
    }

    // A failed step: FB.DAT is reported and the session goes on, its record saying there is no
    // FB.DAT; any other file is reported and the session ends with the cancel record.
    void checkFailure(const Played &p, const std::string &boxText) {
        const std::string rdat = expected.at("R.DAT");
        checkWhole(p, p.hit == "FB.DAT" ? withResult20(rdat, "1") : rdat);
        ASSERT_FALSE(p.boxes.empty());
        EXPECT_NE(p.boxes.front().find(boxText), std::string::npos) << p.boxes.front();
        std::string logText = boxText;
        std::replace(logText.begin(), logText.end(), '|', ',');
        EXPECT_NE(p.files.at("errwin.dat").find(logText), std::string::npos) << p.files.at("errwin.dat");
        if (p.hit == "FB.DAT") {
            EXPECT_EQ(p.code, 0);
            EXPECT_EQ(p.files.at("R.DAT"), withResult20(rdat, "1"));
            EXPECT_EQ(p.files.at("FB.DAT"), "<missing>");
        } else {
            EXPECT_EQ(p.code, 1);
            EXPECT_NE(p.files.at("R.DAT").find("\"c\","), std::string::npos) << p.files.at("R.DAT");
        }
    }

    testkit::RecordedSession session;
    std::map<std::string, std::string> expected;
    Played counted;
};

TEST_P(ResultFolderFaults, EveryWriteAndCloseFailsInTurn) {
    const struct {
        OutputFaults::Step step;
        int error;
        const char *name, *description;
    } cases[] = {{OutputFaults::Step::Write, ENOSPC, "write", "61|Disk full"},
                 {OutputFaults::Step::Close, EIO, "close", "57|Device I/O error"}};
    for (const auto &c : cases) {
        const int count = counted.plan.count(c.step);
        for (int n = 1; n <= count; ++n) {
            Played p = play(session, OutputFaults(c.step, n, c.error));
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(n) + " of " + std::to_string(count) +
                         ": " + p.hit);
            checkFailure(p, c.description);
        }
    }
}

TEST_P(ResultFolderFaults, ASignalInTheMiddleOfEveryWrite) {
    const int count = counted.plan.count(OutputFaults::Step::Write);
    for (int n = 1; n <= count; ++n) {
        Played p = play(session, OutputFaults::signalDuringWrite(n, SIGTERM));
        SCOPED_TRACE("signal in write " + std::to_string(n) + ": " + p.hit);
        checkWhole(p, expected.at("R.DAT"));
        EXPECT_TRUE(p.boxes.empty());
        // The write completes; the session ends as the close box ends it, or normally when the
        // write was its last step.
        if (p.code == 0) {
            EXPECT_EQ(p.files, expected);
        } else {
            EXPECT_EQ(p.code, 1);
            EXPECT_EQ(p.files.at("R.DAT").find(kEarlierRecord), std::string::npos);
            EXPECT_NE(p.files.at("R.DAT").find("\"c\","), std::string::npos);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sessions, ResultFolderFaults, ::testing::Values("europe", "iceland"),
                         [](const auto &info) { return info.param; });

// The europe session (FB.DAT and R.DAT, exit code 0 when all goes well) with its result folder
// in the way: what the trainee is shown, what is left in the folder, and the exit code. A real
// write-protected folder does not stop root, so the fault plan's refusal of new files stands for
// it.
TEST(ResultFolder, InTheWay) {
    const testkit::RecordedSession session = testkit::recordedsession("europe");
    const std::string rdat = testkit::sessionfile("europe", "expected/R.DAT");
    const std::string box = "msgbox errhandler|kartino|";
    const std::string stamp = "12-07-202610:00:51kartino,";
    const std::string fbFailed = "formkartino:writefeedbackfile|";
    const std::string rFailed = "kartino:run|";
    const std::string missing = "<missing>";
    const std::string folderEntry = ""; // a folder reads as empty
    OutputFaults noNewFiles;
    noNewFiles.refuseNewFiles(EACCES);
    const struct {
        const char *name;
        std::function<void(testkit::HostedSession &)> prepare;
        OutputFaults plan;
        int code;
        std::vector<std::string> boxes;
        std::string rdat, fbdat, errwin;
    } cases[] = {
        // The instruction file lives there too: the start fails, nothing can be written.
        {"missing",
         [](auto &run) { fs::remove_all(run.root.file(kFolder)); },
         OutputFaults(),
         1,
         {box + "kartino:run|76|Path not found|Datei: K:\\ERGEBNIS\\instru"},
         missing,
         missing,
         missing},
        // The folder takes no new files: FB.DAT cannot be created, R.DAT is rewritten in place.
        {"write-protected",
         {},
         noNewFiles,
         0,
         {box + fbFailed + "70|Permission denied|Datei: K:\\ERGEBNIS\\FB.DAT"},
         withResult20(rdat, "1"),
         missing,
         missing},
        {"full",
         {},
         OutputFaults::fromThenOn(OutputFaults::Step::Write, 1, ENOSPC),
         1,
         {box + fbFailed + "61|Disk full|Datei: K:\\ERGEBNIS\\FB.DAT",
          box + rFailed + "61|Disk full|Datei: K:\\ERGEBNIS\\R.DAT"},
         kEarlierRecord,
         missing,
         missing},
        {"a folder named R.DAT",
         [](auto &run) {
             fs::remove(run.root.file(kFolder + "/R.DAT"));
             run.root.mkdir(kFolder + "/R.DAT");
         },
         OutputFaults(),
         1,
         {box + rFailed + "75|Path/File access error|Datei: K:\\ERGEBNIS\\R.DAT"},
         folderEntry,
         testkit::sessionfile("europe", "expected/FB.DAT"),
         stamp + "kartino:run,75,Path/File access error,Datei: K:\\ERGEBNIS\\R.DAT\r\n"},
        {"a folder named FB.DAT",
         [](auto &run) { run.root.mkdir(kFolder + "/FB.DAT"); },
         OutputFaults(),
         0,
         {box + fbFailed + "75|Path/File access error|Datei: K:\\ERGEBNIS\\FB.DAT"},
         withResult20(rdat, "1"),
         folderEntry,
         stamp + "formkartino:writefeedbackfile,75,Path/File access error,Datei: K:\\ERGEBNIS\\FB.DAT\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Played p = play(session, c.plan, c.prepare);
        EXPECT_EQ(p.code, c.code);
        EXPECT_EQ(p.boxes, c.boxes);
        EXPECT_EQ(p.files.at("R.DAT"), c.rdat);
        EXPECT_EQ(p.files.at("FB.DAT"), c.fbdat);
        EXPECT_EQ(p.files.at("errwin.dat"), c.errwin);
    }
}

} // namespace
