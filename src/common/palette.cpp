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

void readpal64(Services &sv, Shared &sh) {
    readpalettefile(sv, sh, sh.settingspaths[kDataFolder] + "stdvga64");
}

void readpalettefile(Services &sv, Shared &sh, const std::string &file) {
    constexpr int palettefile = 2;
    try {
        sv.files.close(palettefile);
        sh.currentfile = file;
        sv.files.open(palettefile, sh.currentfile, basic::OpenMode::Input);
        for (std::size_t k = 0; k < 64; ++k) {
            sh.linebuffer = sv.files.lineInput(palettefile) + ",";
            RGBTriple &c = sh.pal64[k];
            c.red = CByte(basic::Val(fnnextfield(sh.linebuffer)));
            c.green = CByte(basic::Val(fnnextfield(sh.linebuffer)));
            c.blue = CByte(basic::Val(fnnextfield(sh.linebuffer)));
        }
        sv.files.close(palettefile);
    } catch (const basic::RuntimeError &e) {
        errhandler(sv, sh, e, "ModuleB:readpal64");
        abortsession(sv);
    }
}

std::uint32_t palcolor(const Shared &sh, int n) {
    if (n < 0 || n > 16) basic::raise(basic::errSubscript);
    const RGBTriple &c = sh.palette[static_cast<std::size_t>(n)];
    return std::uint32_t{c.red} | std::uint32_t{c.green} << 8 | std::uint32_t{c.blue} << 16;
}

} // namespace kartino::common
