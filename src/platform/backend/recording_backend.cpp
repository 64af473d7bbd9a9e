#include "platform/backend/recording_backend.hpp"

#include "platform/backend/settings.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <unistd.h>
#include <utility>

namespace kartino::backend {

using ui::EventKind;
using ui::InputEvent;

std::string recordingHeader(const basic::CivilTime &start, ui::ScreenSize screen) {
    char line[64];
    std::snprintf(line, sizeof line, "# clock %02d:%02d:%02d screen %dx%d", start.hour, start.minute,
                  start.second, screen.width, screen.height);
    return line;
}

RecordedStart readRecordingHeader(std::string_view script) {
    std::istringstream first{std::string(script.substr(0, script.find('\n')))};
    std::string hash, clockWord, clock, screenWord, screen;
    first >> hash >> clockWord >> clock >> screenWord >> screen;
    if (hash != "#" || clockWord != "clock" || screenWord != "screen") return {};
    return {parseClockTime(clock), parseScreen(screen)};
}

std::string scriptLine(const InputEvent &e) {
    const auto at = [&](const char *op) {
        return op + (" " + std::to_string(e.x)) + " " + std::to_string(e.y);
    };
    const auto key = [&](const char *op) {
        return op + (" " + std::to_string(e.keyCode)) + (e.shift ? " " + std::to_string(e.shift) : "");
    };
    switch (e.kind) {
    case EventKind::MouseMove:
        return at("move");
    case EventKind::MouseDown:
        return at("down");
    case EventKind::MouseUp:
        return at("up");
    case EventKind::KeyDown:
        return key("keydown");
    case EventKind::KeyUp:
        return key("keyup");
    case EventKind::Close:
        break;
    }
    return "close";
}

std::unique_ptr<ui::Backend> recordInto(std::unique_ptr<ui::Backend> inner, const std::string &path,
                                        bool realTime) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::fprintf(stderr, "kartino: cannot create the recording %s (%s); the session is not recorded\n",
                     path.c_str(), std::strerror(errno));
        return inner;
    }
    return std::make_unique<RecordingBackend>(std::move(inner), fd, realTime);
}

RecordingBackend::RecordingBackend(std::unique_ptr<ui::Backend> inner, int fd, bool realTime)
    : inner_(std::move(inner)), fd_(fd) {
    if (realTime) stepped_.emplace(inner_->clock());
    written_ = clock().monotonicMs();
    write(recordingHeader(stepped_ ? stepped_->start() : clock().now(), inner_->screenSize()));
}

// The time after the last input goes into the recording too: a session ended by a signal ends
// its replay at the same time.
RecordingBackend::~RecordingBackend() {
    waitLine();
    if (fd_ >= 0) ::close(fd_);
}

basic::Clock &RecordingBackend::clock() {
    return stepped_ ? static_cast<basic::Clock &>(*stepped_) : inner_->clock();
}

void RecordingBackend::setCursorPos(ui::ScreenPoint p) {
    pointer_ = p;
    inner_->setCursorPos(p);
}

std::optional<InputEvent> RecordingBackend::nextEvent(std::optional<std::int64_t> deadlineMs, bool wait) {
    std::optional<InputEvent> e =
        stepped_ ? nextStepped(deadlineMs, wait) : inner_->nextEvent(deadlineMs, wait);
    if (e) record(*e);
    return e;
}

// DoEvents takes what has come at the time the program last saw; a wait moves the clock on to
// the input it takes, or to its deadline.
std::optional<InputEvent> RecordingBackend::nextStepped(std::optional<std::int64_t> deadlineMs, bool wait) {
    SteppedClock &c = *stepped_;
    if (held_ && !wait) return std::exchange(held_, std::nullopt);
    if (held_) return deliverAt(heldArrival_, deadlineMs);
    if (!wait) return inner_->nextEvent(std::nullopt, false);
    if (deadlineMs && c.monotonicMs() >= *deadlineMs) return std::nullopt;
    std::optional<std::int64_t> realDeadline;
    if (deadlineMs) realDeadline = c.toReal(*deadlineMs);
    held_ = inner_->nextEvent(realDeadline, true);
    heldArrival_ = c.realNow();
    if (held_) return deliverAt(heldArrival_, deadlineMs);
    // The deadline came, or a termination request: the clock goes as far as the real one did.
    c.moveTo(deadlineMs ? std::min(*deadlineMs, heldArrival_) : heldArrival_);
    return std::nullopt;
}

// The held input as a wait takes it: a millisecond at least after what the program saw last (so
// that no DoEvents of a replay could have taken it earlier), and not at or after the deadline.
std::optional<InputEvent> RecordingBackend::deliverAt(std::int64_t arrival,
                                                      std::optional<std::int64_t> deadlineMs) {
    SteppedClock &c = *stepped_;
    const std::int64_t at = std::max(c.monotonicMs() + 1, arrival);
    if (deadlineMs && at >= *deadlineMs) {
        c.moveTo(*deadlineMs);
        return std::nullopt;
    }
    c.moveTo(at);
    return std::exchange(held_, std::nullopt);
}

void RecordingBackend::record(const InputEvent &e) {
    if (e.kind == EventKind::MouseMove || e.kind == EventKind::MouseDown || e.kind == EventKind::MouseUp)
        pointer_ = {e.x, e.y};
    waitLine();
    write(scriptLine(e));
}

void RecordingBackend::waitLine() {
    const std::int64_t now = clock().monotonicMs();
    if (now > written_) write("wait " + std::to_string(now - written_));
    written_ = now;
}

// One line at a time, straight to the file. A recording that cannot be written on is given up
// with a message; the session goes on.
void RecordingBackend::write(const std::string &line) {
    if (fd_ < 0) return;
    const std::string text = line + "\n";
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            std::fprintf(stderr, "kartino: the recording cannot be written on (%s); it ends here\n",
                         std::strerror(errno));
            ::close(fd_);
            fd_ = -1;
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

} // namespace kartino::backend
