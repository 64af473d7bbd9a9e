#pragma once
// The Timer control: while Enabled, with an Interval above 0, on a loaded form, it fires every
// Interval milliseconds of the clock's monotonic time. Timers fire from the event loop (also
// inside DoEvents and modal loops); a timer does not fire again while its handler runs.
//
//   ui::Timer Timer1{*this, "Timer1"};
//   Timer1.OnTimer = [this] { Timer1_Timer(); };
//   Timer1.setInterval(1000);
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kartino::ui {

class Form;

class Timer {
  public:
    Timer(Form &parent, std::string name);
    ~Timer();
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    const std::string &name() const { return name_; }
    int Interval() const { return interval_; }
    void setInterval(int ms); // restarts the interval
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on); // switching on starts a full interval

    std::function<void()> OnTimer; // Timer1_Timer

    // Used by the event loop.
    std::optional<std::int64_t> due() const; // next firing time, when running
    void fire();                             // runs the handler and schedules the next firing
    void start();                            // the form was loaded
    void stop();                             // the form was unloaded

  private:
    void arm();

    Form &parent_;
    std::string name_;
    int interval_ = 0;
    bool enabled_ = true;
    bool running_ = false;
    std::optional<std::int64_t> due_;
};

} // namespace kartino::ui
