#include "common/palette.hpp"

#include "common/errors.hpp"
#include "common/fields.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::common {

std::uint8_t CByte(double value) {
    double r = basic::roundHalfEven(value);
    if (!(r >= 0 && r <= 255)) basic::raise(basic::errOverflow);
    return static_cast<std::uint8_t>(r);
}

void readpal64(Services &services, Shared &shared) {
    readpalettefile(services, shared, shared.settingspaths[kDataFolder] + "stdvga64");
}

void readpalettefile(Services &services, Shared &shared, const std::string &file) {
    constexpr int palettefile = 2;
    try {
        services.files.close(palettefile);
        shared.currentfile = file;
        services.files.open(palettefile, shared.currentfile, basic::OpenMode::Input);
        for (std::size_t k = 0; k < 64; ++k) {
            shared.linebuffer = services.files.lineInput(palettefile) + ",";
            RGBTriple &c = shared.pal64[k];
            c.red = CByte(basic::Val(fnnextfield(shared.linebuffer)));
            c.green = CByte(basic::Val(fnnextfield(shared.linebuffer)));
            c.blue = CByte(basic::Val(fnnextfield(shared.linebuffer)));
        }
        services.files.close(palettefile);
    } catch (const basic::RuntimeError &e) {
        errhandler(services, shared, e, "ModuleB:readpal64");
        abortsession(services);
    }
}

std::uint32_t palcolor(const Shared &shared, int n) {
    if (n < 0 || n > 16) basic::raise(basic::errSubscript);
    const RGBTriple &c = shared.palette[static_cast<std::size_t>(n)];
    return std::uint32_t{c.red} | std::uint32_t{c.green} << 8 | std::uint32_t{c.blue} << 16;
}

} // namespace kartino::common
