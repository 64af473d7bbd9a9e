#include "platform/basic/output_faults.hpp"

namespace kartino::basic {

OutputFaults OutputFaults::fromThenOn(Step step, int nth, int error) {
    OutputFaults plan(step, nth, error);
    plan.onward_ = true;
    return plan;
}

OutputFaults OutputFaults::signalDuringWrite(int nth, int signal) {
    OutputFaults plan(Step::Write, nth, 0);
    plan.kind_ = Kind::Signal;
    plan.signal_ = signal;
    return plan;
}

bool OutputFaults::hit(Step step, const std::string &path) {
    int &n = counts_[static_cast<std::size_t>(step)];
    ++n;
    const bool planned = step == step_ && nth_ > 0 && (onward_ ? n >= nth_ : n == nth_);
    if (!planned) return false;
    if (hitFile_.empty()) hitFile_ = path;
    return true;
}

} // namespace kartino::basic
