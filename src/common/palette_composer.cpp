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

void composepalette(Shared &sh, std::string_view headerline) {
    sh.linebuffer = std::string(headerline) + ",";
    const std::string switches = fnnextfield(sh.linebuffer);
    if (switches.find("/c") == std::string::npos) {
        for (std::size_t i = 0; i < 16; ++i)
            sh.palette[i] = sh.pal16[i];
        return;
    }
    std::int16_t n = 0;
    if (std::size_t q = switches.find("/p"); q != std::string::npos)
        n = basic::CInt(basic::Val(std::string_view(switches).substr(q + 2)));
    for (std::int16_t k = 0; k < n; ++k) {
        std::size_t index = pal64index(fnnextfield(sh.linebuffer));
        RGBTriple colour;
        colour.red = component(fnnextfield(sh.linebuffer));
        colour.green = component(fnnextfield(sh.linebuffer));
        colour.blue = component(fnnextfield(sh.linebuffer));
        sh.pal64[index] = colour;
    }
    for (std::size_t i = 0; i < 16; ++i)
        sh.palette[i] = sh.pal64[pal64index(fnnextfield(sh.linebuffer))];
}

} // namespace kartino::common
