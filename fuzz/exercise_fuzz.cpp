// The start-up of the program up to its start screen, from files in memory: the input holds,
// separated by the byte 0x1E, the command line, the settings file "CVOR" (in "K:\"), the
// exercise definition file (named by the command line's columns 1-5, in "K:\UEB\DEUTSCH\"),
// the language file "prb" beside it, "stdvga64" and "charset" (in "K:\DATEN\") and the
// instruction file "instru" (in "K:\ERGEBNIS\"). The start form loads on a small headless
// screen and shows the start screen. A failure on the way is reported and ends the session; a
// crash, a hang or any other exception is a finding.
#include "platform/basic/errors.hpp"
#include "platform/ui/session_end.hpp"
#include "session/command_line.hpp"
#include "session/form1.hpp"

#include "fuzz_support.hpp"
#include "fuzz_ui.hpp"

#include <cstdint>

using namespace kartino;

namespace {

enum Part { CommandLine, Cvor, Definition, Prb, Palette, Charset, Instru, PartCount };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::vector<std::string> parts = fuzzing::splitParts(fuzzing::bytesOf(data, size), PartCount);
    fuzzing::FuzzSession fuzz;
    fuzz.hold("K:\\CVOR", parts[Cvor]);
    fuzz.hold("K:\\UEB\\DEUTSCH\\prb", parts[Prb]);
    fuzz.hold("K:\\DATEN\\stdvga64", parts[Palette]);
    fuzz.hold("K:\\DATEN\\charset", parts[Charset]);
    fuzz.hold("K:\\ERGEBNIS\\instru", parts[Instru]);
    session::Settings named;
    try {
        session::readcommandline(named, parts[CommandLine]);
    } catch (const basic::RuntimeError &) {
    }
    if (!named.exercisefile.empty() && named.exercisefile.find_first_of("\\/") == std::string::npos)
        fuzz.hold("K:\\UEB\\DEUTSCH\\" + named.exercisefile, parts[Definition]);

    fuzzing::HeadlessApp headless({160, 120});
    session::Session s(fuzz.services);
    session::Form1 form(headless.app, s, parts[CommandLine], {});
    try {
        form.Show();
    } catch (const ui::SessionEnd &) {
    } catch (const fuzzing::SessionEnded &) {
    } catch (const basic::RuntimeError &) {
        // Raised while the start screen paints: the program's run reports it and ends.
    }
    return 0;
}
