#include "common/palette_composer.hpp"

#include "common/fields.hpp"
#include "common/palette.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::common {

namespace {

// A pal64 subscript from the numeric value of a field: rounded as the runtime rounds
// subscripts, then checked against the bounds 0..64.
std::size_t pal64index(const std::string &field) {
    double index = basic::CLng(basic::Val(field));
    if (index < 0 || index > 64) basic::raise(basic::errSubscript);
    return static_cast<std::size_t>(index);
}

std::uint8_t component(const std::string &field) {
    return CByte(basic::Val(field) * 4);
}

} // namespace

void composepalette(Shared &shared, std::string_view headerline) {
    shared.linebuffer = std::string(headerline) + ",";
    const std::string switches = fnnextfield(shared.linebuffer);
    if (switches.find("/c") == std::string::npos) {
        for (std::size_t i = 0; i < 16; ++i)
            shared.palette[i] = shared.pal16[i];
        return;
    }
    std::int16_t n = 0;
    if (std::size_t q = switches.find("/p"); q != std::string::npos)
        n = basic::CInt(basic::Val(std::string_view(switches).substr(q + 2)));
    for (std::int16_t k = 0; k < n; ++k) {
        std::size_t index = pal64index(fnnextfield(shared.linebuffer));
        RGBTriple colour;
        colour.red = component(fnnextfield(shared.linebuffer));
        colour.green = component(fnnextfield(shared.linebuffer));
        colour.blue = component(fnnextfield(shared.linebuffer));
        shared.pal64[index] = colour;
    }
    for (std::size_t i = 0; i < 16; ++i)
        shared.palette[i] = shared.pal64[pal64index(fnnextfield(shared.linebuffer))];
}

} // namespace kartino::common
