// kartino-host: plays the suite's host for one data set. It copies the data set into a result
// folder, writes "CVOR" there, starts the program with the fixed-column command line, waits for
// it and prints the result files it left.
#include "host_lib.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
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

constexpr char drive = 'K';
constexpr int usageExit = 2;
constexpr const char *resultFiles[] = {"R.DAT", "FB.DAT", "errwin.dat"};

const char *usageText =
    "usage: kartino-host [options] DATASET\n"
    "\n"
    "Copies the data set folder DATASET into a fresh result folder, writes the settings file\n"
    "CVOR there (folders through drive K:, which KARTINO_DRIVE_K points at), starts the program\n"
    "with the fixed-column command line, waits and prints R.DAT, FB.DAT and errwin.dat.\n"
    "\n"
    "options:\n"
    "  --exercise NAME      exercise definition file, 5 characters (default EUROP)\n"
    "  --block N            block of the exercise definition file (default 1)\n"
    "  --tasks N            tasks in one run (default 10)\n"
    "  --language NAME      language folder below UEB and charset key (default DEUTSCH)\n"
    "  --hostflags N        host flag word (default 0)\n"
    "  --hostoptions N      host option word (default 0)\n"
    "  --protocolflags N    protocol flag word (default 0)\n"
    "  --featuremask N      feature mask (default 0)\n"
    "  --seed N             random seed (default 1)\n"
    "  --area WxH           pixel area of the design screen, -1x-1 for the whole screen (default)\n"
    "  --program PATH       program to start (default: kartino beside this executable)\n"
    "  --out DIR            result folder to create or reuse (default: a new temporary folder)\n"
    "  --in-place           use DATASET itself as the result folder (old result files stay)\n"
    "  --help               this text\n"
    "\n"
    "KARTINO_* variables of the environment reach the program unchanged.\n"
    "Exit code: the program's, or 2 when the host cannot start it.\n";

struct Options {
    CommandLineFields cmd;
    HostSettings settings;
    std::string language = "DEUTSCH";
    std::string dataset;
    std::string program;
    std::string out;
    bool inPlace = false;
};

struct UsageError {
    std::string message;
};

int intOption(const std::string &name, const std::string &value, long low, long high) {
    long v = 0;
    if (!parseNumber(value, low, high, v))
        throw UsageError{name + " needs a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + value + "\""};
    return static_cast<int>(v);
}

std::optional<Options> parseOptions(int argc, char **argv) {
    Options o;
    o.cmd.exercise = "EUROP";
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            std::cout << usageText;
            return std::nullopt;
        } else if (a == "--exercise") {
            o.cmd.exercise = value();
        } else if (a == "--block") {
            o.cmd.block = intOption(a, value(), 0, 99);
        } else if (a == "--tasks") {
            o.cmd.tasks = intOption(a, value(), 0, 999);
        } else if (a == "--language") {
            o.language = value();
        } else if (a == "--hostflags") {
            o.settings.hostflags = intOption(a, value(), -32768, 32767);
        } else if (a == "--hostoptions") {
            o.settings.hostoptions = intOption(a, value(), -32768, 32767);
        } else if (a == "--protocolflags") {
            o.settings.protocolflags = intOption(a, value(), -32768, 32767);
        } else if (a == "--featuremask") {
            o.settings.featuremask = intOption(a, value(), -32768, 32767);
        } else if (a == "--seed") {
            long seed = 0;
            const std::string v = value();
            if (!parseNumber(v, -2147483647L, 2147483647L, seed))
                throw UsageError{"--seed needs a whole number"};
            o.settings.seed = seed;
        } else if (a == "--area") {
            const std::string v = value();
            if (!parseArea(v, o.settings.areawidth, o.settings.areaheight))
                throw UsageError{"--area needs WIDTHxHEIGHT, not \"" + v + "\""};
        } else if (a == "--program") {
            o.program = value();
        } else if (a == "--out") {
            o.out = value();
        } else if (a == "--in-place") {
            o.inPlace = true;
        } else if (a.starts_with("--")) {
            throw UsageError{"unknown option " + a};
        } else if (o.dataset.empty()) {
            o.dataset = a;
        } else {
            throw UsageError{"more than one data set given: " + a};
        }
    }
    if (o.dataset.empty()) throw UsageError{"no data set folder given"};
    if (o.inPlace && !o.out.empty()) throw UsageError{"--in-place and --out exclude each other"};
    return o;
}

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
fs::path prepareResultFolder(const Options &o) {
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

// Starts the program with the command line as its one argument and waits for it.
int runProgram(const fs::path &program, const std::string &commandLine, const fs::path &folder) {
    setenv((std::string("KARTINO_DRIVE_") + drive).c_str(), folder.c_str(), 1);
    std::cout.flush();
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error(std::string("cannot start the program: ") + std::strerror(errno));
    if (pid == 0) {
        std::string path = program.string();
        std::string arg = commandLine;
        char *argv[] = {path.data(), arg.data(), nullptr};
        execv(path.c_str(), argv);
        std::cerr << "kartino-host: cannot run " << path << ": " << std::strerror(errno) << "\n";
        _exit(127);
    }
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

void printResult(const fs::path &folder, const std::string &name, const char *encoding) {
    const auto file = findFile(folder, name);
    if (!file) {
        std::cout << "--- " << name << ": missing\n";
        return;
    }
    std::ifstream in(*file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::cout << "--- " << name << " (" << encoding << ", " << bytes.size() << " bytes)\n" << bytes;
    if (!bytes.empty() && bytes.back() != '\n') std::cout << "\n";
}

int host(int argc, char **argv) {
    auto options = parseOptions(argc, argv);
    if (!options) return 0;
    Options &o = *options;
    const fs::path program = o.program.empty() ? defaultProgram(argv[0]) : fs::absolute(o.program);
    if (!fs::is_regular_file(program)) {
        std::cerr << "kartino-host: the program does not exist (yet): " << program.string() << "\n";
        return usageExit;
    }
    o.cmd.hostfolder = std::string(1, drive) + ":\\";
    const std::string commandLine = buildCommandLine(o.cmd);
    const fs::path folder = prepareResultFolder(o);
    writeFile(folder / "CVOR", cvorText(o.settings, defaultFolders(drive, o.language)));
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
