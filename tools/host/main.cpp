// kartino-host: plays the suite's host for one data set. It copies the data set into a result
// folder, writes "CVOR" there, starts the program with the fixed-column command line, waits for
// it and prints the result files it left.
#include "host_lib.hpp"
#include "host_options.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace kartino::host;

namespace {

constexpr int usageExit = 2;
constexpr const char *resultFiles[] = {"R.DAT", "FB.DAT", "errwin.dat"};

fs::path defaultProgram(const char *argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) self = fs::absolute(argv0);
    return self.parent_path() / "kartino";
}

// The file `name` in `folder`, matched without regard to letter case.
std::optional<fs::path> findFile(const fs::path &folder, const std::string &name) {
    auto lower = [](std::string t) {
        for (char &c : t)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return t;
    };
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file() && lower(entry.path().filename().string()) == lower(name))
            return entry.path();
    return std::nullopt;
}

// Creates the result folder and copies the data set into it; returns its absolute path.
fs::path prepareResultFolder(const HostOptions &o) {
    const fs::path dataset = fs::absolute(o.dataset);
    if (!fs::is_directory(dataset)) throw UsageError{"the data set folder does not exist: " + o.dataset};
    if (o.inPlace) return dataset;
    fs::path out;
    if (o.out.empty()) {
        std::string pattern = (fs::temp_directory_path() / "kartino-host-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error(std::string("cannot create a temporary folder: ") +
                                     std::strerror(errno));
        out = pattern;
    } else {
        out = fs::absolute(o.out);
        fs::create_directories(out);
        // Results of an earlier run in the same folder would be taken for this run's.
        for (const char *name : resultFiles)
            if (auto old = findFile(out / resultFolder, name)) fs::remove(*old);
    }
    fs::copy(dataset, out, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return out;
}

void writeFile(const fs::path &path, const std::string &bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << bytes;
    if (!f) throw std::runtime_error("cannot write " + path.string());
}

// The running program. A termination signal to the host (a terminal's Ctrl+C reaches both, a
// supervisor may stop the host alone) is passed on to it, and the host keeps waiting until the
// program has written its record and ended.
volatile std::sig_atomic_t childPid = 0;

extern "C" void forwardSignal(int sig) {
    const int saved = errno;
    if (childPid > 0) kill(static_cast<pid_t>(childPid), sig);
    errno = saved;
}

void forwardTerminationSignals() {
    struct sigaction sa {};
    sa.sa_handler = forwardSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &sa, nullptr);
}

// Starts the program with the command line as its one argument and waits for it.
int runProgram(const fs::path &program, const std::string &commandLine, const fs::path &folder) {
    setenv((std::string("KARTINO_DRIVE_") + hostDrive).c_str(), folder.c_str(), 1);
    std::cout.flush();
    forwardTerminationSignals(); // execv gives the program the default handlers back
    // Held back until the host knows whom to pass them to.
    sigset_t termination, before;
    sigemptyset(&termination);
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&termination, sig);
    sigprocmask(SIG_BLOCK, &termination, &before);
    const pid_t pid = fork();
    if (pid < 0) {
        sigprocmask(SIG_SETMASK, &before, nullptr);
        throw std::runtime_error(std::string("cannot start the program: ") + std::strerror(errno));
    }
    if (pid == 0) {
        // The signals stay blocked through execv: one that the host passes on before the
        // program has its handlers waits for them instead of killing it without a record.
        std::string path = program.string();
        std::string arg = commandLine;
        char *argv[] = {path.data(), arg.data(), nullptr};
        execv(path.c_str(), argv);
        std::cerr << "kartino-host: cannot run " << path << ": " << std::strerror(errno) << "\n";
        _exit(127);
    }
    childPid = pid;
    sigprocmask(SIG_SETMASK, &before, nullptr);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error(std::string("waitpid: ") + std::strerror(errno));
    }
    if (WIFSIGNALED(status)) {
        std::cout << "program ended by signal " << WTERMSIG(status) << "\n";
        return 128 + WTERMSIG(status);
    }
    return WEXITSTATUS(status);
}

std::string fileBytes(const fs::path &folder, const std::string &name) {
    const auto file = findFile(folder, name);
    if (!file) return {};
    std::ifstream in(*file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Field 20 of the last session record in R.DAT: 1 when its run was followed by the repetition
// offer, which leaves no FB.DAT.
bool lastRunOfferedRepetition(const std::string &rdat) {
    std::istringstream lines(rdat);
    std::string field20;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("\"g\",")) continue;
        std::istringstream fields(line);
        std::string f;
        for (int i = 0; i < 20 && std::getline(fields, f, ','); ++i)
            field20 = f;
    }
    return field20 == "1";
}

void printResult(const fs::path &folder, const std::string &name, const char *encoding) {
    if (!findFile(folder, name)) {
        std::cout << "--- " << name << ": missing\n";
        if (name == "FB.DAT" && lastRunOfferedRepetition(fileBytes(folder, "R.DAT")))
            std::cout << "    (a run followed by the repetition offer writes none: field 20 of its session "
                         "record is 1)\n";
        return;
    }
    const std::string bytes = fileBytes(folder, name);
    std::cout << "--- " << name << " (" << encoding << ", " << bytes.size() << " bytes)\n" << bytes;
    if (!bytes.empty() && bytes.back() != '\n') std::cout << "\n";
}

int host(int argc, char **argv) {
    HostOptions o = parseHostOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (o.help) {
        std::cout << hostUsageText;
        return 0;
    }
    const fs::path program = o.program.empty() ? defaultProgram(argv[0]) : fs::absolute(o.program);
    if (!fs::is_regular_file(program)) {
        std::cerr << "kartino-host: the program does not exist (yet): " << program.string() << "\n";
        return usageExit;
    }
    o.cmd.hostfolder = std::string(1, hostDrive) + ":\\";
    const std::string commandLine = buildCommandLine(o.cmd);
    const fs::path folder = prepareResultFolder(o);
    writeFile(folder / "CVOR", cvorText(o.settings, defaultFolders(hostDrive, o.language)));
    fs::create_directories(folder / resultFolder);

    std::cout << "result folder: " << folder.string() << "\n"
              << "command line:  [" << commandLine << "]\n";
    const int code = runProgram(program, commandLine, folder);
    const fs::path results = folder / resultFolder;
    printResult(results, "R.DAT", "ANSI");
    printResult(results, "FB.DAT", "OEM");
    printResult(results, "errwin.dat", "ANSI");
    std::cout << "exit code: " << code << "\n";
    return code;
}

} // namespace

int main(int argc, char **argv) {
    try {
        return host(argc, argv);
    } catch (const UsageError &e) {
        std::cerr << "kartino-host: " << e.message << "\n(kartino-host --help shows the options)\n";
    } catch (const std::exception &e) {
        std::cerr << "kartino-host: " << e.what() << "\n";
    }
    return usageExit;
}
