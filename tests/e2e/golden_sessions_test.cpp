// Golden sessions: each folder of tests/e2e/sessions/ is one whole session of a sample exercise,
// with the host's options (host-options, whose first word names the folder of examples/), the
// trainee's script (script), the time of day the session starts at (clock; the day is fixed),
// the screen (screen), and the files the host must find afterwards, byte for byte, in expected/
// (R.DAT, FB.DAT, X, XX, and the exit code in exit-code). A file missing from expected/ must be
// missing after the run as well. Each folder's README explains every value from the rules.
//
// On a mismatch the actual file is written beside the test's working folder as
// SESSION-FILE-actual.
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
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string firstline(const std::string &text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

class GoldenSession : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenSession, LeavesExactlyTheExpectedFiles) {
    const std::string session = GetParam();
    const testkit::RecordedSession recorded = testkit::recordedsession(session);
    testkit::HostedSession run(recorded.dataset, recorded.options);
    const int code = run.run(recorded);
    EXPECT_EQ(std::to_string(code), firstline(testkit::sessionfile(session, "expected/exit-code")));

    for (const char *name : kResultFiles) {
        const std::string expected = testkit::sessionfile(session, std::string("expected/") + name);
        const std::string actual = run.resultfile(name);
        if (expected == actual) continue;
        std::ofstream(session + "-" + name + "-actual", std::ios::binary) << actual;
        ADD_FAILURE() << name << " differs from tests/e2e/sessions/" << session << "/expected/" << name
                      << " (actual written to " << session << "-" << name << "-actual)\nexpected:\n"
                      << expected << "\nactual:\n"
                      << actual;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, GoldenSession, ::testing::ValuesIn(sessions()),
                         [](const auto &info) { return info.param; });

} // namespace
