#include "common/flags.hpp"

#include "platform/basic/numbers.hpp"

#include <cmath>

namespace kartino::common {

std::int16_t fnbitset(std::int32_t flags, std::int32_t bit) {
    if (bit < 0 || bit > 31) return 0;
    return (static_cast<std::uint32_t>(flags) >> bit) & 1u ? -1 : 0;
}

std::int32_t fnbits(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && (text.front() == 'b' || text.front() == 'B')) {
        text.remove_prefix(1);
        const std::size_t n = text.size();
        float sum = 0; // the sum is kept in single precision, as the mask reader always did
        for (std::size_t i = n; i >= 1; --i)
            if (text[i - 1] == '1') sum += static_cast<float>(std::ldexp(1.0, static_cast<int>(n - i)));
        return basic::CLng(sum);
    }
    return basic::CLng(basic::Val(text));
}

} // namespace kartino::common
