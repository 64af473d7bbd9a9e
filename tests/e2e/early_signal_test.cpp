// A termination signal that comes before the program has installed its handlers: the launcher
// starts the program with the three signals blocked (as the host player does) and one already
// pending. The program takes it as soon as its handlers are in place and cancels the session on
// its start screen, instead of dying without a record or never seeing the signal at all.
#include "program_run.hpp"

#include <gmock/gmock.h>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using namespace kartino;

namespace {

class EarlySignal : public testkit::ProgramRun, public ::testing::WithParamInterface<int> {
  protected:
    // Starts the program as a process with the signal blocked and pending; returns its status.
    int launch(int sig, const std::string &script) {
        data.write();
        out.write("script", script);
        std::vector<std::string> env = {"KARTINO_BACKEND=headless", "KARTINO_SCRIPT=" + out.file("script"),
                                        "KARTINO_TRACE=" + out.file("trace.txt"),
                                        "KARTINO_DRIVE_K=" + data.root.path()};
        std::vector<char *> envp;
        for (std::string &e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = KARTINO_PROGRAM, commandline = data.commandline();
        char *argv[] = {program.data(), commandline.data(), nullptr};
        sigset_t held, before;
        sigemptyset(&held);
        sigaddset(&held, sig);
        sigprocmask(SIG_BLOCK, &held, &before);
        const pid_t pid = fork();
        if (pid == 0) {
            raise(sig); // pending: blocked in this process, and so in the program after execve
            execve(argv[0], argv, envp.data());
            _exit(127);
        }
        sigprocmask(SIG_SETMASK, &before, nullptr);
        int status = 0;
        waitpid(pid, &status, 0);
        return status;
    }
};

TEST_P(EarlySignal, IsTakenOnceTheHandlersAreInPlace) {
    // Without the signal the script would open the exercise before the window closes.
    const int status = launch(GetParam(), "key 13\nwait 500\n");
    ASSERT_TRUE(WIFEXITED(status)) << "the program died of signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_THAT(trace(), ::testing::ElementsAre("form Form1 shown", "exit 1"));
    EXPECT_EQ(rdat(), "\"c\",0,15,\"A\",0,256,0\r\n\r\n");
}

INSTANTIATE_TEST_SUITE_P(Signals, EarlySignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto &info) {
                             return info.param == SIGTERM  ? "Sigterm"
                                    : info.param == SIGINT ? "Sigint"
                                                           : "Sighup";
                         });

} // namespace
