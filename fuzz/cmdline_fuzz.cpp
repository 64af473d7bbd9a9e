// The host's command line and its settings file, read as the start form's load reads them:
// the input is the command line, the separator 0x1E, then the bytes of "CVOR", held in the
// folder that "K:\" stands for. A command line whose folder (column 17 on) names another
// folder finds no settings file, which is reported like a missing file. A run-time error is
// the orderly end (the load reports it); a crash, a hang or any other exception is a finding.
#include "common/errors.hpp"
#include "platform/basic/errors.hpp"
#include "session/command_line.hpp"
#include "session/settings_file.hpp"
#include "session/startup_values.hpp"

#include "fuzz_support.hpp"

#include <cstdint>

using namespace kartino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::vector<std::string> parts = fuzzing::splitParts(fuzzing::bytesOf(data, size), 2);
    const std::string &commandline = parts[0];
    fuzzing::FuzzSession fuzz;
    fuzz.hold("K:\\CVOR", parts[1]);
    session::Session s(fuzz.services);
    s.shared.settingspaths[common::kResultFolder] = fuzz.shared.settingspaths[common::kResultFolder];
    session::Settings &st = s.settings;
    try {
        st.hostfolder = session::hostfolderof(commandline);
        s.shared.currentfile = st.hostfolder + "CVOR";
        if (!common::fnfileexists(s.services, s.shared, s.shared.currentfile, "form1:load")) return 0;
        session::readsettingsfile(s);
        fuzzing::check(!fuzz.files.isOpen(session::settingsFileNumber) && s.shared.currentfile.empty());
        session::readcommandline(st, commandline);
        fuzzing::check(st.exercisefile.size() <= 5);
        session::setstartvalues(s);
    } catch (const basic::RuntimeError &) {
    } catch (const fuzzing::SessionEnded &) {
    }
    return 0;
}
