// A termination signal ends the session like the window's close in whatever state it finds the
// program: the cancel record, exit code 1. The signal is raised in this process at the moment a
// test picks, as the window backend would see it: the wait for events returns empty.
#include "platform/basic/termination.hpp"
#include "program_run.hpp"

#include <gmock/gmock.h>

#include <csignal>

using namespace kartino;

namespace {

struct Moment {
    ui::Form *active;
    bool wait;                // the loop waits for input (else DoEvents looks)
    const std::string &sound; // the last sound played
};

// The headless backend, raising a signal once when `when` says so.
class SignalingBackend final : public ui::Backend, ui::Sound {
  public:
    SignalingBackend(ui::Backend &inner, int sig, std::function<bool(const Moment &)> when,
                     std::function<ui::Form *()> active)
        : inner_(inner), sig_(sig), when_(std::move(when)), active_(std::move(active)) {}

    ui::ScreenSize screenSize() const override { return inner_.screenSize(); }
    int dpi() const override { return inner_.dpi(); }
    basic::Clock &clock() override { return inner_.clock(); }
    ui::Trace &trace() override { return inner_.trace(); }
    ui::MessageBox &messageBox() override { return inner_.messageBox(); }
    ui::Sound &sound() override { return *this; }
    void setCursorVisible(bool visible) override { inner_.setCursorVisible(visible); }
    ui::ScreenPoint cursorPos() const override { return inner_.cursorPos(); }
    void present(const gfx::Surface &screen, const std::vector<gfx::Rect> &damage) override {
        inner_.present(screen, damage);
    }
    std::optional<ui::InputEvent> nextEvent(std::optional<std::int64_t> deadlineMs, bool wait) override {
        if (!raised_ && when_(Moment{active_(), wait, sound_})) {
            raised_ = true;
            std::raise(sig_);
            return std::nullopt;
        }
        return inner_.nextEvent(deadlineMs, wait);
    }
    void play(const std::string &name, const std::string &path) override {
        sound_ = name;
        inner_.sound().play(name, path);
    }
    bool raised() const { return raised_; }

  private:
    ui::Backend &inner_;
    int sig_;
    std::function<bool(const Moment &)> when_;
    std::function<ui::Form *()> active_;
    std::string sound_;
    bool raised_ = false;
};

enum class State { StartScreen, TaskWaiting, Demonstration, ClosingPause };

struct Case {
    const char *name;
    State state;
    int sig;
    std::string record;
};

const std::string startRecord = "\"c\",0,15,\"A\",0,256,0\r\n\r\n";
const std::string demoRecord = "\"c\",0,15,\"A\",128,288,32\r\n\r\n";

class Termination : public testkit::ProgramRun, public ::testing::WithParamInterface<Case> {
  protected:
    void SetUp() override { basic::installTerminationHandlers(); }
    void TearDown() override { basic::clearTerminationRequest(); }
};

TEST_P(Termination, EndsWithTheCancelRecord) {
    const Case &c = GetParam();
    std::string script = "key 13\nwait 2000\n";
    std::function<bool(const Moment &)> when;
    switch (c.state) {
    case State::StartScreen:
        when = [this](const Moment &m) { return m.wait && m.active == &form1(); };
        break;
    case State::TaskWaiting:
        when = [this](const Moment &m) { return m.wait && m.active == &formkartino(); };
        break;
    case State::Demonstration:
    case State::ClosingPause:
        data.blocks[0].flags = "b10000000"; // the block offers its time limit; J runs the demonstration
        data.blocks[0].numbers = "7,300,30,0";
        script = "key 74\nwait 2000\nkey 69\nwait 5000\n";
        if (c.state == State::Demonstration)
            when = [this](const Moment &m) { return m.wait && m.active == &formdemo(); };
        else
            when = [](const Moment &m) { return !m.wait && m.sound.ends_with("bang1.wav"); };
        break;
    }
    SignalingBackend *signaling = nullptr;
    wrap = [&](ui::Backend &inner) {
        auto b = std::make_unique<SignalingBackend>(inner, c.sig, when,
                                                    [this] { return program().application().activeForm(); });
        signaling = b.get();
        return b;
    };
    EXPECT_EQ(run(script), 1);
    ASSERT_TRUE(signaling && signaling->raised());
    EXPECT_EQ(rdat(), c.record);
    EXPECT_EQ(trace().back(), "exit 1");
    EXPECT_FALSE(basic::terminationRequested());
    if (c.state == State::ClosingPause) {
        EXPECT_THAT(trace(), ::testing::Not(::testing::Contains("form FormDemo hidden")))
            << "the pause did not run to its end";
    }
}

INSTANTIATE_TEST_SUITE_P(States, Termination,
                         ::testing::Values(Case{"StartScreenTerm", State::StartScreen, SIGTERM, startRecord},
                                           Case{"StartScreenInt", State::StartScreen, SIGINT, startRecord},
                                           Case{"TaskWaitingHup", State::TaskWaiting, SIGHUP, startRecord},
                                           Case{"TaskWaitingTerm", State::TaskWaiting, SIGTERM, startRecord},
                                           Case{"DemonstrationTerm", State::Demonstration, SIGTERM,
                                                demoRecord},
                                           Case{"ClosingPauseInt", State::ClosingPause, SIGINT, demoRecord}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
