#include "common/fields.hpp"

#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

#include <algorithm>

namespace kartino::common {

std::string trim(std::string_view text) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return "";
    std::size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

std::string ucase(std::string_view text) {
    std::string out(text);
    for (char &ch : out) {
        auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
            ch = static_cast<char>(c - 32);
        else if (c == 0x9A || c == 0x9C || c == 0x9E)
            ch = static_cast<char>(c - 16);
        else if (c == 0xFF)
            ch = static_cast<char>(0x9F);
    }
    return out;
}

std::string fnnextfield(std::string &list) {
    std::size_t p = list.find(',');
    if (p == std::string::npos) basic::raise(basic::errInvalidCall);
    std::string field = trim(std::string_view(list).substr(0, p));
    list.erase(0, p + 1);
    return field;
}

std::string fnreplace(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find.empty()) return std::string(text);
    std::string result;
    std::size_t i = 0;
    while (i + find.size() <= text.size()) {
        if (text.compare(i, find.size(), find) == 0) {
            result += replacement;
            i += find.size();
        } else {
            result += text[i++];
        }
    }
    result += text.substr(i);
    return result;
}

std::int16_t fninlist(const std::string &keylist, std::int16_t code) {
    std::string copy = keylist + ",";
    auto count = std::count(copy.begin(), copy.end(), ',');
    for (long i = 0; i < count; ++i)
        if (basic::Val(fnnextfield(copy)) == code) return -1;
    return 0;
}

} // namespace kartino::common
