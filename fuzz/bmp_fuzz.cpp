// Arbitrary bytes as a BMP picture (a form's background). A picture that is not one of the
// kinds read, short or damaged throws ImageError; one that decodes has a plausible size. A
// crash, a read outside the bytes or any other exception is a finding.
#include "platform/gfx/bmp.hpp"

#include "fuzz_support.hpp"

#include <cstdint>

using namespace kartino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    try {
        gfx::Surface picture = gfx::decodeBmp({data, size});
        fuzzing::check(picture.width() > 0 && picture.height() > 0);
    } catch (const gfx::ImageError &) {
    }
    return 0;
}
