#include "common/charset.hpp"

#include "common/errors.hpp"
#include "common/fields.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::common {

std::int16_t ReadCharset(Services &sv, Shared &sh) {
    constexpr int charsetfile = 2;
    try {
        sv.files.close(charsetfile);
        sh.currentfile = sh.settingspaths[kDataFolder] + "charset";
        sv.files.open(charsetfile, sh.currentfile, basic::OpenMode::Input);
        std::int16_t result = 0;
        const std::string key = ucase(sh.settingspaths[kLanguageName]);
        while (!sv.files.eof(charsetfile)) {
            std::string line = sv.files.lineInput(charsetfile);
            if (line.empty()) continue;
            std::size_t p = line.find(',');
            if (p == std::string::npos) continue;
            if (ucase(std::string_view(line).substr(0, p)) == key) {
                result = basic::CInt(basic::Val(std::string_view(line).substr(p + 1)));
                break;
            }
        }
        sv.files.close(charsetfile);
        return result;
    } catch (const basic::RuntimeError &e) {
        errhandler(sv, sh, e, "moduleB:ReadCharset");
        abortsession(sv);
    }
}

} // namespace kartino::common
