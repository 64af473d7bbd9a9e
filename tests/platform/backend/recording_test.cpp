// The recorder over a window backend's real clock: the times it lets the program see, and the
// recording they make. A headless backend stands in for the window, its script for the real
// input, its clock for the real time.
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/backend/recording_backend.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>

namespace kartino::backend {
namespace {

struct Call {
    std::optional<std::int64_t> deadline;
    bool wait;
    bool event;         // an input comes back
    std::int64_t clock; // the time the program sees afterwards
};

struct Case {
    const char *what, *script;
    std::vector<Call> calls;
    const char *recording; // after the first line
};

TEST(RecordingBackend, AWindowsClockMovesOnlyWhereAReplayWould) {
    const Case cases[] = {
        {"an input waited for comes at its time",
         "wait 100\nkey 13\n",
         {{{}, true, true, 100}},
         "wait 100\nkeydown 13\n"},
        {"a deadline before the input ends the wait there; DoEvents takes nothing",
         "wait 100\nkey 13\n",
         {{50, true, false, 50}, {{}, false, false, 50}, {{}, true, true, 100}},
         "wait 100\nkeydown 13\n"},
        {"an input waited for comes a millisecond after what the program saw",
         "key 13\n",
         {{{}, true, true, 1}},
         "wait 1\nkeydown 13\n"},
        {"one that would come at the deadline is kept for the next look",
         "key 13\n",
         {{1, true, false, 1}, {{}, false, true, 1}},
         "wait 1\nkeydown 13\n"},
        {"DoEvents takes what is there, the clock still",
         "key 13\n",
         {{{}, false, true, 0}, {{}, false, true, 0}},
         "keydown 13\nkeyup 13\n"},
    };
    for (const Case &c : cases) {
        testkit::TempDir dir;
        HeadlessConfig config;
        config.script = parseScript(c.script);
        {
            const int fd = ::open(dir.file("rec").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            RecordingBackend b(std::make_unique<HeadlessBackend>(std::move(config)), fd, true);
            for (const Call &call : c.calls) {
                EXPECT_EQ(b.nextEvent(call.deadline, call.wait).has_value(), call.event) << c.what;
                EXPECT_EQ(b.clock().monotonicMs(), call.clock) << c.what;
            }
        }
        const std::string recorded = testkit::readFile(dir.file("rec"));
        const std::size_t firstEnd = recorded.find('\n');
        EXPECT_EQ(recorded.substr(0, firstEnd), "# clock 00:00:00 screen 1024x768") << c.what;
        EXPECT_EQ(recorded.substr(firstEnd + 1), c.recording) << c.what;
    }
}

} // namespace
} // namespace kartino::backend
