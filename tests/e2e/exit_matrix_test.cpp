// Every way out of the program from every state it can be in, through the whole program on the
// headless backend over the sample data: the abort key, the close box, the window's close, the
// end of the script, each termination signal, and a data failure where one can happen there.
// Each cell checks what the host finds: R.DAT byte for byte, the other files of the result
// folder present with their bytes or absent, nothing else written, and the exit code; and that
// the program ended at once (the script line after the way out is never reached).
//
// A signal is raised in this process when the program waits in the state, as the window backend
// would see it: the wait for events returns empty. A data failure breaks a file of the data set
// before the run or at that moment, and the way out is what then reads or writes it.
#include "platform/basic/termination.hpp"
#include "program_run.hpp"

#include <gmock/gmock.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <optional>

using namespace kartino;
namespace fs = std::filesystem;

namespace {

// ----- the states and how a script reaches them (1024 x 768: a design unit is 1.6 pixels)

constexpr const char *hostAbortKey = "key 27 4\n";  // Alt+Esc, the host's default combination
constexpr const char *closeBox = "click 1003 17\n"; // the centre of every form's close box
// The sample's first two tasks, both answered wrong in the sea below the place: Paris (its dot
// at 429, 336), then Madrid (552, 315); the go-on after the second shows the summary.
constexpr const char *goOn = "key 13\nwait 500\n";
constexpr const char *firstWrong = "click 429 536\nwait 500\n";
const std::string wrongRunRoad = std::string(goOn) + firstWrong + goOn + "click 552 515\nwait 500\n" + goOn;
constexpr const char *yes = "key 74\n"; // J and N, the sample's yes and no letters
constexpr const char *no = "key 78\n";
constexpr const char *demoEnd = "key 69\n"; // E, the initial of the demonstration's end

using Files = std::map<std::string, std::string>; // the result folder's files besides "instru"

struct Moment {
    app::Program &program;
    const std::string &sound; // the last sound played
};

// A data failure: what breaks (before the run, or when the state is reached), the input that
// then reads or writes the broken file, and what the host finds afterwards.
struct Failure {
    std::function<void(testkit::HostDataSet &)> before;
    std::function<void(testkit::HostDataSet &)> when;
    std::string input;
    int exitCode;
    Files files;
};

struct State {
    const char *name;
    std::function<void(testkit::HostDataSet &)> prepare;
    std::string road;                            // the script that leads into the state
    std::function<bool(const Moment &)> reached; // the program waits in the state
    Files cancelled;                             // after every way out but a data failure
    std::optional<Failure> failure;              // where a data failure can happen
};

void findMode(testkit::HostDataSet &d) {
    d.blocks[0].flags = "b1";
}
void offer(testkit::HostDataSet &d) { // five minutes that the block asks to offer; J runs the demonstration
    d.blocks[0].flags = "b10000000";
    d.blocks[0].numbers = "7,300,30,0";
}
void variants(testkit::HostDataSet &d) {
    findMode(d);
    d.blocks[0].mapfile = "Europa/Asien/";
    d.writemap("Europa.VEC");
    d.writemap("Asien.VEC");
}
void noRepetition(testkit::HostDataSet &d) {
    findMode(d);
    d.settings.hostoptions = 0;
}
void noMap(testkit::HostDataSet &d) {
    fs::remove(d.root.file("KARTEN/EUROPA.VEC"));
}

bool on(const Moment &m, const ui::Form &f) {
    return m.program.application().activeForm() == &f;
}
bool waitingForTheClick(const Moment &m, int repetition) {
    return on(m, m.program.formkartino()) && m.program.session().exerciserun.awaitingclick &&
           m.program.session().results.repeatnumber == repetition;
}
bool summaryShown(const Moment &m) {
    return on(m, m.program.formkartino()) && m.program.session().exerciserun.summaryshown;
}

// The cancel records: "c", answered tasks, 15, variant, exercise flags, status flags (bit 8 from
// start-up, 5 offer prepared, 2 repetition offered), offer flags (5 accepted, 2 repetition run);
// then the answer line of the first run, or an empty line in a repetition run. The protocol lines
// that wait in memory come first: the offer's answer ("5", J) and the repetition's ("2", J).
const std::string offerYes = "s5J    -112-07-202610:00:00\r\n";
const std::string startCancel = "\"c\",0,15,\"A\",1,256,0\r\n\r\n";
const std::string offerCancel = "\"c\",0,15,\"A\",128,288,0\r\n\r\n";
const std::string demoCancel = offerYes + "\"c\",0,15,\"A\",128,288,32\r\n\r\n";
// Paris answered wrong in 0.5 seconds (answer value 0, map record 2, no help), then Madrid
// (record 3): the four task lists make the answer line.
const std::string firstAnswer = " 0, .5, 2,-\r\n";
const std::string bothAnswers = " 0, 0, .5, .5, 2, 3,--\r\n";
const std::string oneWrong = "\"c\",1,15,\"A\",1,256,0\r\n" + firstAnswer;
const std::string twoWrong = "\"c\",2,15,\"A\",1,256,0\r\n" + bothAnswers;
// The session record of that run; its field 20 is 1: no FB.DAT (the repetition offer follows).
const std::string wrongRun =
    "\"g\",100,50,50,.5,-999,0,2,1,-999,0,0,-2,.5,.5,-99999,3,15,\"A\",1,\"\",256,0,0,1,1,"
    "-999,-99999,-99999\r\n\"e\",2\r\n" +
    bothAnswers;
const std::string repeatYes = "s2J     212-07-202610:00:03\r\n";
// The offer keeps the run's task lists, so its cancel record repeats the answer line.
const std::string offerCancelled = wrongRun + "\"c\",0,15,\"A\",1,260,0\r\n" + bothAnswers;
const std::string wrongTasks = "0\r\n1\r\n"; // the task indices of the wrong answers

// The line errwin.dat gets for a map file that is not there.
std::string notFound(const std::string &map) {
    return "12-07-202610:00:00kartino,vec:fngrafin,53,File not found,Datei: K:\\KARTEN\\" + map + "\r\n";
}

const std::vector<State> &states() {
    static const std::vector<State> all = {
        {"StartGoOn",
         findMode,
         "",
         [](const Moment &m) { return on(m, m.program.form1()); },
         {{"R.DAT", startCancel}, {"X", ""}},
         Failure{noMap,
                 {},
                 goOn,
                 1,
                 {{"R.DAT", startCancel}, {"X", ""}, {"errwin.dat", notFound("EUROPA.VEC")}}}},
        // N is recorded before the map file is read.
        {"StartOffer",
         offer,
         "",
         [](const Moment &m) { return on(m, m.program.form1()); },
         {{"R.DAT", offerCancel}, {"X", ""}},
         Failure{noMap,
                 {},
                 no,
                 1,
                 {{"R.DAT", "s5N    -112-07-202610:00:00\r\n" + offerCancel},
                  {"X", ""},
                  {"errwin.dat", notFound("EUROPA.VEC")}}}},
        // A, the initial of the first variant, B of the second (whose map is missing).
        {"StartVariants",
         variants,
         "",
         [](const Moment &m) { return on(m, m.program.form1()); },
         {{"R.DAT", startCancel}, {"X", ""}},
         Failure{[](testkit::HostDataSet &d) { fs::remove(d.root.file("KARTEN/Asien.VEC")); },
                 {},
                 "key 65\n",
                 1,
                 {{"R.DAT", "\"c\",0,15,\"B\",1,256,0\r\n\r\n"},
                  {"X", ""},
                  {"errwin.dat", notFound("Asien.VEC")}}}},
        {"Demonstration",
         offer,
         std::string(yes) + "wait 500\n",
         [](const Moment &m) { return on(m, m.program.formdemo()) && !m.sound.ends_with("bang1.wav"); },
         {{"R.DAT", demoCancel}, {"X", ""}},
         std::nullopt},
        {"ClosingPause",
         offer,
         std::string(yes) + "wait 500\n" + demoEnd + "wait 1000\n",
         [](const Moment &m) { return on(m, m.program.formdemo()) && m.sound.ends_with("bang1.wav"); },
         {{"R.DAT", demoCancel}, {"X", ""}},
         std::nullopt},
        // The demonstration alone runs no reset, so no repetition file is opened.
        {"DemonstrationOnly",
         [](testkit::HostDataSet &d) { d.blocks[0].flags = "b100000000000000"; },
         "wait 500\n",
         [](const Moment &m) { return on(m, m.program.formdemo()); },
         {{"R.DAT", "\"c\",0,15,\"A\",16384,256,0\r\n\r\n"}},
         std::nullopt},
        {"TaskWaiting",
         findMode,
         goOn,
         [](const Moment &m) { return waitingForTheClick(m, 0); },
         {{"R.DAT", startCancel}, {"X", ""}, {"XX", ""}},
         std::nullopt},
        {"Answered",
         findMode,
         std::string(goOn) + firstWrong,
         [](const Moment &m) {
             return on(m, m.program.formkartino()) && m.program.formkartino().LabelWeiter.Visible() &&
                    !m.program.session().exerciserun.summaryshown;
         },
         {{"R.DAT", oneWrong}, {"X", ""}, {"XX", ""}},
         std::nullopt},
        {"SummaryBeforeTheOffer",
         findMode,
         wrongRunRoad,
         summaryShown,
         {{"R.DAT", twoWrong}, {"X", ""}, {"XX", wrongTasks}},
         std::nullopt},
        // Without repetitions the go-on after the summary writes FB.DAT and the session record
        // and ends the session. FB.DAT that cannot be written is reported, field 20 of the record
        // says so (1), and the session still ends normally.
        {"SummaryAtTheEnd",
         noRepetition,
         wrongRunRoad,
         summaryShown,
         {{"R.DAT", twoWrong}},
         Failure{
             [](testkit::HostDataSet &d) { d.root.mkdir("ERGEBNIS/FB.DAT"); },
             {},
             goOn,
             0,
             {{"R.DAT", wrongRun},
              {"errwin.dat", "12-07-202610:00:02kartino,formkartino:writefeedbackfile,75,Path/File access "
                             "error,Datei: K:\\ERGEBNIS\\FB.DAT\r\n"},
              {"FB.DAT", "<folder>"}}}},
        {"RepeatOffer",
         findMode,
         wrongRunRoad + goOn,
         [](const Moment &m) {
             return on(m, m.program.formkartino()) && m.program.formkartino().CommandJa.Visible();
         },
         {{"R.DAT", offerCancelled}, {"X", ""}, {"XX", wrongTasks}},
         Failure{
             {},
             [](testkit::HostDataSet &d) { fs::remove(d.root.file("ERGEBNIS/XX")); },
             yes,
             1,
             {{"R.DAT", wrongRun + repeatYes + "\"c\",0,15,\"A\",1,260,0\r\n\r\n"},
              {"X", ""},
              {"errwin.dat", "12-07-2026,10:00:03,kartino,formkartino:commandja_click,Datei nicht gefunden,"
                             "K:\\ERGEBNIS\\XX\r\n"}}}},
        // Its reset emptied X for the wrong tasks of this run; it reads those of the first run.
        {"RepetitionRun",
         findMode,
         wrongRunRoad + goOn + yes + "wait 500\n",
         [](const Moment &m) { return waitingForTheClick(m, 1); },
         {{"R.DAT", wrongRun + repeatYes + "\"c\",0,15,\"A\",1,260,4\r\n\r\n"},
          {"X", ""},
          {"XX", wrongTasks}},
         std::nullopt},
    };
    return all;
}

// ----- the ways out

enum class Way { AbortKey, CloseBox, WindowClose, EndOfScript, Sigterm, Sigint, Sighup, DataFailure };

struct WayOut {
    Way way;
    const char *name;
    std::string input; // the script lines, for the ways that are input
    int sig;           // for the signals
};

const std::vector<WayOut> ways = {
    {Way::AbortKey, "AbortKey", hostAbortKey, 0},
    {Way::CloseBox, "CloseBox", closeBox, 0},
    {Way::WindowClose, "WindowClose", "close\n", 0},
    {Way::EndOfScript, "EndOfScript", "", 0},
    {Way::Sigterm, "Sigterm", "", SIGTERM},
    {Way::Sigint, "Sigint", "", SIGINT},
    {Way::Sighup, "Sighup", "", SIGHUP},
    {Way::DataFailure, "DataFailure", "", 0},
};

struct Cell {
    const State *state;
    const WayOut *way;
};

std::vector<Cell> cells() {
    std::vector<Cell> all;
    for (const State &s : states())
        for (const WayOut &w : ways)
            if (w.way != Way::DataFailure || s.failure) all.push_back({&s, &w});
    return all;
}

// The headless backend, doing `act` once when the program waits in the state.
class ActingBackend final : public ui::Backend, ui::Sound {
  public:
    ActingBackend(ui::Backend &inner, std::function<bool(const Moment &)> when, std::function<void()> act,
                  std::function<app::Program &()> program)
        : inner_(inner), when_(std::move(when)), act_(std::move(act)), program_(std::move(program)) {}

    ui::ScreenSize screenSize() const override { return inner_.screenSize(); }
    int dpi() const override { return inner_.dpi(); }
    basic::Clock &clock() override { return inner_.clock(); }
    ui::Trace &trace() override { return inner_.trace(); }
    ui::MessageBox &messageBox() override { return inner_.messageBox(); }
    ui::Sound &sound() override { return *this; }
    void setCursorVisible(bool visible) override { inner_.setCursorVisible(visible); }
    ui::ScreenPoint cursorPos() const override { return inner_.cursorPos(); }
    void setCursorPos(ui::ScreenPoint p) override { inner_.setCursorPos(p); }
    gfx::Surface &screen() override { return inner_.screen(); }
    void present(const std::vector<gfx::Rect> &damage) override { inner_.present(damage); }
    std::optional<ui::InputEvent> nextEvent(std::optional<std::int64_t> deadlineMs, bool wait) override {
        if (!acted_ && wait && act_ && when_(Moment{program_(), sound_})) {
            acted_ = true;
            act_();
            return std::nullopt;
        }
        return inner_.nextEvent(deadlineMs, wait);
    }
    void play(const std::string &name, const std::string &path) override {
        sound_ = name;
        inner_.sound().play(name, path);
    }
    bool acted() const { return acted_; }

  private:
    ui::Backend &inner_;
    std::function<bool(const Moment &)> when_;
    std::function<void()> act_;
    std::function<app::Program &()> program_;
    std::string sound_;
    bool acted_ = false;
};

class ExitMatrix : public testkit::ProgramRun, public ::testing::WithParamInterface<Cell> {
  protected:
    void SetUp() override {
        basic::installTerminationHandlers();
        data.cmd.tasks = 2;
        data.settings.hostflags = 1 << 11;    // the close box
        data.settings.hostoptions = 1 << 2;   // wrong tasks are offered again
        data.settings.protocolflags = 1 << 3; // protocol lines
    }
    void TearDown() override { basic::clearTerminationRequest(); }

    // The result folder's files besides the instruction file, each with its bytes.
    Files resultfiles() const {
        Files found;
        for (const auto &entry : fs::directory_iterator(data.root.file("ERGEBNIS"))) {
            const std::string name = entry.path().filename().string();
            if (name == "instru") continue;
            found[name] = entry.is_directory() ? "<folder>" : testkit::readFile(entry.path().string());
        }
        return found;
    }
};

constexpr const char *afterTheWayOut = "after.png";

TEST_P(ExitMatrix, LeavesTheRecordAndNothingElse) {
    const State &state = *GetParam().state;
    const WayOut &way = *GetParam().way;
    state.prepare(data);
    const Failure *failure = way.way == Way::DataFailure ? &*state.failure : nullptr;
    if (failure && failure->before) failure->before(data);

    std::function<void()> act;
    if (way.sig) act = [sig = way.sig] { std::raise(sig); };
    if (failure && failure->when) act = [this, failure] { failure->when(data); };
    std::string script = state.road + way.input + (failure ? failure->input : "");
    // A way out that did not end the program at once would reach this line.
    if (way.way != Way::EndOfScript) script += "wait 100\nscreenshot " + out.file(afterTheWayOut) + "\n";

    ActingBackend *acting = nullptr;
    wrap = [&](ui::Backend &inner) {
        auto b = std::make_unique<ActingBackend>(inner, state.reached, act,
                                                 [this]() -> app::Program & { return program(); });
        acting = b.get();
        return b;
    };
    const int code = run(script);
    const int expectedCode = failure ? failure->exitCode : 1;
    EXPECT_EQ(code, expectedCode);
    EXPECT_EQ(trace().back(), "exit " + std::to_string(expectedCode));
    if (act) {
        EXPECT_TRUE(acting && acting->acted()) << "the state was never reached";
    }
    EXPECT_FALSE(fs::exists(out.file(afterTheWayOut))) << "the program went on after the way out";
    EXPECT_FALSE(basic::terminationRequested());
    EXPECT_EQ(resultfiles(), failure ? failure->files : state.cancelled);
}

INSTANTIATE_TEST_SUITE_P(Cells, ExitMatrix, ::testing::ValuesIn(cells()), [](const auto &info) {
    return std::string(info.param.state->name) + "_" + info.param.way->name;
});

} // namespace
