// Golden sessions: each folder of tests/e2e/ with an expected/ is one whole session of a sample exercise,
// with the host's options (host-options, whose first word names the folder of examples/), the
// trainee's script (script), the time of day the session starts at (clock; the day is fixed),
// the screen (screen), and the files the host must find afterwards, byte for byte, in expected/
// (R.DAT, FB.DAT, X, XX, and the exit code in exit-code). A file missing from expected/ must be
// missing after the run as well. Each folder's README explains every value from the rules.
//
// On a mismatch the run's files (and its exit code) are written to SESSION/actual/ of the build
// tree, laid out like expected/, so that the two folders can be compared with diff -r.
#include "hosted_session.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace kartino;
namespace fs = std::filesystem;

namespace {

const char *const kResultFiles[] = {"R.DAT", "FB.DAT", "X", "XX"};

std::vector<std::string> sessions() {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(KARTINO_SESSIONS_DIR))
        if (entry.is_directory() && fs::is_directory(entry.path() / "expected"))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string firstline(const std::string &text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

class GoldenSession : public ::testing::TestWithParam<std::string> {};

// Writes what the run left, laid out like expected/, into a fresh SESSION/actual/ of the build
// tree; returns that folder.
fs::path writeactual(const std::string &session, testkit::HostedSession &run, int code) {
    const fs::path folder = fs::path(KARTINO_SESSIONS_ACTUAL_DIR) / session / "actual";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "exit-code", std::ios::binary) << code << "\n";
    for (const char *name : kResultFiles)
        if (run.resultexists(name)) std::ofstream(folder / name, std::ios::binary) << run.resultfile(name);
    return folder;
}

TEST_P(GoldenSession, LeavesExactlyTheExpectedFiles) {
    const std::string session = GetParam();
    const testkit::RecordedSession recorded = testkit::recordedsession(session);
    testkit::HostedSession run(recorded.dataset, recorded.options);
    const int code = run.run(recorded);
    bool same = std::to_string(code) == firstline(testkit::sessionfile(session, "expected/exit-code"));
    EXPECT_TRUE(same) << "exit code " << code;

    for (const char *name : kResultFiles) {
        const std::string expected = testkit::sessionfile(session, std::string("expected/") + name);
        const std::string actual = run.resultfile(name);
        if (expected == actual) continue;
        same = false;
        ADD_FAILURE() << name << " differs from tests/e2e/" << session << "/expected/" << name
                      << "\nexpected:\n"
                      << expected << "\nactual:\n"
                      << actual;
    }
    if (same) return;
    const std::string actual = writeactual(session, run, code).string();
    ADD_FAILURE() << "the run's files are in " << actual << "; compare: diff -r tests/e2e/" << session
                  << "/expected " << actual;
}

INSTANTIATE_TEST_SUITE_P(Samples, GoldenSession, ::testing::ValuesIn(sessions()),
                         [](const auto &info) { return info.param; });

} // namespace
