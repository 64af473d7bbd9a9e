// Arbitrary bytes as the palette file "stdvga64" of the data folder. A short or damaged file
// is reported and ends the session; a file that reads leaves 64 colours and closes.
#include "common/palette.hpp"

#include "fuzz_support.hpp"

#include <cstdint>

using namespace kartino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzzing::FuzzSession fuzz;
    fuzz.hold("K:\\DATEN\\stdvga64", fuzzing::bytesOf(data, size));
    fuzz.shared.settingspaths[common::kDataFolder] = "K:\\DATEN\\";
    try {
        common::readpal64(fuzz.services, fuzz.shared);
        fuzzing::check(!fuzz.files.isOpen(2));
    } catch (const fuzzing::SessionEnded &) {
        fuzzing::check(!fuzz.files.isOpen(1));
    }
    return 0;
}
