#include "common/charset.hpp"

#include "common/errors.hpp"
#include "common/fields.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::common {

std::int16_t ReadCharset(Services &services, Shared &shared) {
    constexpr int charsetfile = 2;
    try {
        services.files.close(charsetfile);
        shared.currentfile = shared.settingspaths[kDataFolder] + "charset";
        services.files.open(charsetfile, shared.currentfile, basic::OpenMode::Input);
        std::int16_t result = 0;
        const std::string key = ucase(shared.settingspaths[kLanguageName]);
        while (!services.files.eof(charsetfile)) {
            std::string line = services.files.lineInput(charsetfile);
            if (line.empty()) continue;
            std::size_t p = line.find(',');
            if (p == std::string::npos) continue;
            if (ucase(std::string_view(line).substr(0, p)) == key) {
                result = basic::CInt(basic::Val(std::string_view(line).substr(p + 1)));
                break;
            }
        }
        services.files.close(charsetfile);
        return result;
    } catch (const basic::RuntimeError &e) {
        errhandler(services, shared, e, "moduleB:ReadCharset");
        abortsession(services);
    }
}

} // namespace kartino::common
