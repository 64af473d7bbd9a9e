#include "platform/ui/timer.hpp"

#include "platform/ui/application.hpp"
#include "platform/ui/form.hpp"

namespace kartino::ui {

Timer::Timer(Form &parent, std::string name) : parent_(parent), name_(std::move(name)) {
    parent_.addTimer(this);
}

Timer::~Timer() {
    parent_.removeTimer(this);
}

void Timer::arm() {
    if (enabled_ && interval_ > 0 && parent_.loaded())
        due_ = parent_.app().clock().monotonicMs() + interval_;
    else
        due_.reset();
}

void Timer::setInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    arm();
}

void Timer::setEnabled(bool on) {
    enabled_ = on;
    arm();
}

std::optional<std::int64_t> Timer::due() const {
    return running_ ? std::nullopt : due_;
}

void Timer::start() {
    arm();
}
void Timer::stop() {
    due_.reset();
}

void Timer::fire() {
    if (!due_ || running_) return;
    std::int64_t now = parent_.app().clock().monotonicMs();
    std::int64_t next = *due_ + interval_;
    due_ = next > now ? next : now + interval_;
    running_ = true;
    struct Done {
        bool &flag;
        ~Done() { flag = false; }
    } done{running_};
    if (OnTimer) OnTimer();
}

} // namespace kartino::ui
