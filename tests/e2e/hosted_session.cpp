#include "hosted_session.hpp"

#include <filesystem>

namespace kartino::testkit {

namespace fs = std::filesystem;

HostedSession::HostedSession(const std::string &dataset, const std::string &options)
    : options_(host::parseHostOptions(host::optionwords(options + " " + dataset))) {
    fs::copy(std::string(KARTINO_EXAMPLES_DIR) + "/" + dataset, root.path(), fs::copy_options::recursive);
    options_.cmd.hostfolder = std::string(1, host::hostDrive) + ":\\";
    root.write("CVOR", host::cvorText(options_.settings, host::defaultFolders(host::hostDrive, options_.language)));
    root.mkdir(host::resultFolder);
}

int HostedSession::run(const std::string &script, ui::ScreenSize screen, basic::CivilTime clock) {
    program_.reset();
    for (const char *name : {"R.DAT", "FB.DAT", "X", "XX", "errwin.dat"})
        fs::remove(root.file(std::string(host::resultFolder) + "/" + name));
    backend::HeadlessConfig c;
    c.screen = screen;
    c.script = backend::parseScript(script);
    c.clockStart = clock;
    backend_ = std::make_unique<backend::HeadlessBackend>(std::move(c));
    program_ = std::make_unique<app::Program>(*backend_, host::buildCommandLine(options_.cmd), [this](char letter) {
        return (letter | 0x20) == 'k' ? std::optional<std::string>(root.path()) : std::nullopt;
    });
    return program_->run();
}

std::string HostedSession::resultfile(const std::string &name) const {
    return readFile(root.file(std::string(host::resultFolder) + "/" + name));
}

bool HostedSession::resultexists(const std::string &name) const {
    return fileExists(root.file(std::string(host::resultFolder) + "/" + name));
}

} // namespace kartino::testkit
