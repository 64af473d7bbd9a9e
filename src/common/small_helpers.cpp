#include "common/small_helpers.hpp"

#include "platform/basic/numbers.hpp"

#include <cmath>

namespace kartino::common {

std::int16_t fnrandom(basic::Random &rnd, std::int16_t n) {
    float r = rnd.Rnd();
    float product = static_cast<float>(n) * r;
    return basic::CInt(std::floor(product) + 1);
}

} // namespace kartino::common
