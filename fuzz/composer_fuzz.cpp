// The charset file of the data folder and the palette composer of the map header: the input
// is the charset file, the separator 0x1E, then the map header line whose colour switches
// compose the working palette. The charset file is searched for the language key "DEUTSCH"; a
// damaged one is reported and ends the session. The composer's bad data raises run-time
// errors that its caller reports; a crash, a hang or any other exception is a finding.
#include "common/charset.hpp"
#include "common/palette.hpp"
#include "common/palette_composer.hpp"
#include "platform/basic/errors.hpp"

#include "fuzz_support.hpp"

#include <cstdint>

using namespace kartino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::vector<std::string> parts = fuzzing::splitParts(fuzzing::bytesOf(data, size), 2);
    fuzzing::FuzzSession fuzz;
    fuzz.hold("K:\\DATEN\\charset", parts[0]);
    fuzz.shared.settingspaths[common::kDataFolder] = "K:\\DATEN\\";
    fuzz.shared.settingspaths[common::kLanguageName] = "DEUTSCH";
    for (std::size_t k = 0; k < 64; ++k)
        fuzz.shared.pal64[k] = {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(k * 2),
                                static_cast<std::uint8_t>(k * 3)};
    try {
        common::ReadCharset(fuzz.services, fuzz.shared);
        fuzzing::check(!fuzz.files.isOpen(2));
    } catch (const fuzzing::SessionEnded &) {
    }
    try {
        common::composepalette(fuzz.shared, parts[1]);
        for (int n = 0; n <= 16; ++n)
            common::palcolor(fuzz.shared, n);
    } catch (const basic::RuntimeError &) {
    }
    return 0;
}
