// Arbitrary bytes as the language file "prb" of the exercise folder, read at start-up, and the
// instruction lines built from its texts. A short or damaged file is reported and ends the
// session; a crash, a hang or any other exception is a finding.
#include "platform/basic/errors.hpp"
#include "session/language_file.hpp"

#include "fuzz_support.hpp"

#include <cstdint>

using namespace kartino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzzing::FuzzSession fuzz;
    fuzz.hold("K:\\UEB\\DEUTSCH\\prb", fuzzing::bytesOf(data, size));
    session::Session s(fuzz.services);
    s.shared.settingspaths[common::kResultFolder] = fuzz.shared.settingspaths[common::kResultFolder];
    s.settings.langfolder = "K:\\UEB\\DEUTSCH\\";
    try {
        session::prbinput(s);
        fuzzing::check(!fuzz.files.isOpen(session::languageFileNumber));
        session::buildinstructionlines(s);
    } catch (const basic::RuntimeError &) {
    } catch (const fuzzing::SessionEnded &) {
    }
    return 0;
}
