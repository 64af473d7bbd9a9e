#include "hosted_session.hpp"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace kartino::testkit {

namespace fs = std::filesystem;

std::string sessionfile(const std::string &session, const std::string &name) {
    return readFile(std::string(KARTINO_SESSIONS_DIR) + "/" + session + "/" + name);
}

RecordedSession recordedsession(const std::string &name) {
    RecordedSession r;
    r.name = name;
    std::vector<std::string> words = host::optionwords(sessionfile(name, "host-options"));
    if (words.empty()) throw std::runtime_error(name + ": no host-options");
    r.dataset = words.front();
    for (std::size_t i = 1; i < words.size(); ++i)
        r.options += words[i] + " ";
    r.script = sessionfile(name, "script");
    if (std::sscanf(sessionfile(name, "screen").c_str(), "%dx%d", &r.screen.width, &r.screen.height) != 2 ||
        std::sscanf(sessionfile(name, "clock").c_str(), "%d:%d:%d", &r.clock.hour, &r.clock.minute,
                    &r.clock.second) != 3)
        throw std::runtime_error(name + ": no screen or clock");
    return r;
}

HostedSession::HostedSession(const std::string &dataset, const std::string &options)
    : options_(host::parseHostOptions(host::optionwords(options + " " + dataset))) {
    fs::copy(std::string(KARTINO_EXAMPLES_DIR) + "/" + dataset, root.path(), fs::copy_options::recursive);
    options_.cmd.hostfolder = std::string(1, host::hostDrive) + ":\\";
    root.write("CVOR",
               host::cvorText(options_.settings, host::defaultFolders(host::hostDrive, options_.language)));
    root.mkdir(host::resultFolder);
}

int HostedSession::run(const std::string &script, ui::ScreenSize screen, basic::CivilTime clock) {
    program_.reset();
    if (!keepresults)
        for (const char *name : {"R.DAT", "FB.DAT", "X", "XX", "errwin.dat"})
            fs::remove(root.file(std::string(host::resultFolder) + "/" + name));
    backend::HeadlessConfig c;
    c.tracePath = tracepath;
    c.screen = screen;
    c.script = backend::parseScript(script);
    c.clockStart = clock;
    backend_ = std::make_unique<backend::HeadlessBackend>(std::move(c));
    program_ = std::make_unique<app::Program>(
        *backend_, host::buildCommandLine(options_.cmd),
        [this](char letter) {
            return (letter | 0x20) == 'k' ? std::optional<std::string>(root.path()) : std::nullopt;
        },
        programoptions);
    program_->session().services.files.setOutputFaults(faults);
    return program_->run();
}

std::string HostedSession::resultfile(const std::string &name) const {
    return readFile(root.file(std::string(host::resultFolder) + "/" + name));
}

bool HostedSession::resultexists(const std::string &name) const {
    return fileExists(root.file(std::string(host::resultFolder) + "/" + name));
}

} // namespace kartino::testkit
