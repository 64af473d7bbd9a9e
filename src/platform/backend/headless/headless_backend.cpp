#include "platform/backend/headless/headless_backend.hpp"

#include "platform/backend/headless/headless_services.hpp"
#include "platform/gfx/draw.hpp"
#include "platform/gfx/png.hpp"

#include <cstdio>
#include <filesystem>

namespace kartino::backend {

namespace {
constexpr std::int64_t kFreeRunLimitMs = 3600 * 1000; // fake time a run may take after its script
constexpr std::int64_t kIdleStepMs = 10;              // what DoEvents lets pass after the script
constexpr int kIdleLookLimit = 1'000'000;             // DoEvents calls in a row that find nothing due
} // namespace

using ui::EventKind;
using ui::InputEvent;
using Op = ScriptCommand::Op;

HeadlessBackend::HeadlessBackend(HeadlessConfig config)
    : config_(std::move(config)), clock_(config_.clockStart), trace_(config_.tracePath),
      messageBox_(std::make_unique<TraceMessageBox>(trace_)), sound_(std::make_unique<TraceSound>(trace_)),
      framebuffer_(config_.screen.width, config_.screen.height) {}

HeadlessBackend::~HeadlessBackend() = default;

ui::MessageBox &HeadlessBackend::messageBox() {
    return *messageBox_;
}
ui::Sound &HeadlessBackend::sound() {
    return *sound_;
}

// Advances the clock through the current wait, stopping early at the deadline (the rest of the
// wait stays pending). True when the deadline has been reached.
bool HeadlessBackend::runWait(std::optional<std::int64_t> deadlineMs) {
    std::int64_t now = clock_.monotonicMs();
    std::int64_t step = waitLeft_;
    if (deadlineMs && *deadlineMs - now < step) step = std::max<std::int64_t>(0, *deadlineMs - now);
    clock_.advance(step);
    waitLeft_ -= step;
    idleLooks_ = 0;
    return deadlineMs && clock_.monotonicMs() >= *deadlineMs;
}

void HeadlessBackend::execute(const ScriptCommand &c) {
    auto mouse = [&](EventKind kind) {
        mouse_ = {c.a, c.b};
        pending_.push_back({kind, c.a, c.b, kind == EventKind::MouseMove ? 0 : ui::kLeftButton, 0, 0});
    };
    auto key = [&](EventKind kind) { pending_.push_back({kind, 0, 0, 0, c.a, c.b}); };
    switch (c.op) {
    case Op::Wait:
        waitLeft_ = c.a;
        break;
    case Op::Move:
        mouse(EventKind::MouseMove);
        break;
    case Op::Click:
        mouse(EventKind::MouseDown);
        mouse(EventKind::MouseUp);
        break;
    case Op::Down:
        mouse(EventKind::MouseDown);
        break;
    case Op::Up:
        mouse(EventKind::MouseUp);
        break;
    case Op::Key:
        key(EventKind::KeyDown);
        key(EventKind::KeyUp);
        break;
    case Op::KeyDown:
        key(EventKind::KeyDown);
        break;
    case Op::KeyUp:
        key(EventKind::KeyUp);
        break;
    case Op::Close:
        pending_.push_back({EventKind::Close});
        break;
    case Op::Screenshot:
        try {
            gfx::writePng(c.file, framebuffer_);
        } catch (const std::exception &e) {
            throw ScriptError("script line " + std::to_string(c.line) + ": " + e.what());
        }
        break;
    }
}

// A picture of the moment, for looking through the session afterwards. One that cannot be
// written is reported and the session goes on: the pictures are an aid, not its result.
void HeadlessBackend::moment(const std::string &name) {
    if (config_.shotsDir.empty()) return;
    char number[16];
    std::snprintf(number, sizeof number, "%04d-", ++shots_);
    const std::string path = config_.shotsDir + "/" + number + name + ".png";
    try {
        std::error_code ignored;
        std::filesystem::create_directories(config_.shotsDir, ignored);
        gfx::writePng(path, framebuffer_);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kartino: no picture %s: %s\n", path.c_str(), e.what());
    }
}

// The script is a timeline. Input lines up to the next wait are due now: DoEvents (no `wait`)
// hands them out and stops in front of the wait, the clock untouched. Only a caller that waits
// for time takes waits, and only up to its deadline; the rest of a wait stays pending before the
// next line. So what the script does never depends on how often the program calls DoEvents.
std::optional<InputEvent> HeadlessBackend::nextEvent(std::optional<std::int64_t> deadlineMs, bool wait) {
    for (;;) {
        if (!pending_.empty()) {
            idleLooks_ = 0;
            InputEvent e = pending_.front();
            pending_.pop_front();
            return e;
        }
        if (deadlineMs && clock_.monotonicMs() >= *deadlineMs) return std::nullopt; // its time has come
        if (waitLeft_ > 0) {
            if (!wait) return idleLook();
            if (runWait(deadlineMs)) return std::nullopt;
            continue;
        }
        if (next_ >= config_.script.size()) return afterScript(deadlineMs, wait);
        idleLooks_ = 0;
        execute(config_.script[next_++]);
    }
}

// DoEvents found nothing due while the script waits. A loop that calls it until the clock moves
// would spin for ever, so a long run of such looks fails loudly instead.
std::optional<InputEvent> HeadlessBackend::idleLook() {
    if (++idleLooks_ > kIdleLookLimit)
        throw ScriptStalled("the program calls DoEvents over and over while the script waits at line " +
                            std::to_string(config_.script[next_ - 1].line) +
                            ": only waiting for time takes a wait, DoEvents never does");
    return std::nullopt;
}

std::optional<InputEvent> HeadlessBackend::afterScript(std::optional<std::int64_t> deadlineMs, bool wait) {
    if (!closeSent_) {
        closeSent_ = true;
        return InputEvent{EventKind::Close};
    }
    std::int64_t now = clock_.monotonicMs();
    std::int64_t step = deadlineMs ? std::max<std::int64_t>(0, *deadlineMs - now) : kIdleStepMs;
    if (wait && !deadlineMs)
        throw ScriptStalled("the headless script has ended and the program still waits for input "
                            "(no timer is due, nothing more can happen)");
    freeRunMs_ += step;
    if (freeRunMs_ > kFreeRunLimitMs)
        throw ScriptStalled("the headless script has ended and the program has run on for an hour of "
                            "fake time without ending");
    clock_.advance(step);
    return std::nullopt;
}

} // namespace kartino::backend
