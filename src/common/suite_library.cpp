#include "common/suite_library.hpp"

#include "common/fields.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kartino::common {

namespace {

// |value| rounded to `decimals` places, halves up, as a plain decimal text without sign.
// The value is first taken at 15 significant digits, the precision its decimal spelling has.
std::string roundedDigits(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf: d.dddddddddddddde±XX
    std::string digits;
    digits += buf[0];
    digits.append(buf + 2, 14);
    int exponent = std::atoi(buf + 17);
    // value = digits * 10^(exponent - 14); keep `decimals` places after the point.
    int pointPos = exponent + 1; // digits before the point within `digits`
    if (pointPos < 0) {
        digits.insert(0, static_cast<std::size_t>(-pointPos), '0');
        pointPos = 0;
    }
    while (static_cast<int>(digits.size()) < pointPos + decimals + 1)
        digits += '0';
    int keep = pointPos + decimals;
    bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (digits.empty()) digits = "0", ++pointPos;
    if (up) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
            } else {
                ++digits[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            digits.insert(0, "1");
            ++pointPos;
        }
    }
    std::string intPart = digits.substr(0, static_cast<std::size_t>(pointPos));
    std::string fracPart = digits.substr(static_cast<std::size_t>(pointPos));
    std::size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
    return fracPart.empty() ? intPart : intPart + "." + fracPart;
}

bool isZeroText(const std::string &s) {
    return s.find_first_not_of("0.") == std::string::npos;
}

} // namespace

double ROUNDX(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    if (decimals < 0) decimals = 0;
    if (decimals > 15) decimals = 15;
    std::string text = roundedDigits(value, decimals);
    double r = std::strtod(text.c_str(), nullptr);
    return value < 0 && r != 0 ? -r : r;
}

std::string FORMATPBDLL(double value, std::string_view picture) {
    std::size_t point = picture.find('.');
    std::string_view intPicture = picture.substr(0, point);
    int decimals = 0;
    if (point != std::string_view::npos)
        for (char c : picture.substr(point + 1))
            if (c == '#' || c == '0') ++decimals;
    if (!std::isfinite(value)) return std::string(picture.size(), '%');

    std::string digits = roundedDigits(value, decimals);
    bool negative = value < 0 && !isZeroText(digits);
    std::string intDigits = digits.substr(0, digits.find('.'));
    std::string fraction = decimals ? digits.substr(digits.find('.')) : "";

    // Places before the point: "0" places always show a digit, "#" places only a significant one.
    int zeros = 0;
    for (char c : intPicture)
        if (c == '0') ++zeros;
    if (intDigits == "0" && zeros == 0 && decimals > 0) intDigits.clear();
    while (static_cast<int>(intDigits.size()) < zeros)
        intDigits.insert(0, "0");
    std::string body = (negative ? "-" : "") + intDigits + fraction;
    const std::size_t width = picture.size();
    if (body.size() < width) body.insert(0, width - body.size(), ' ');
    return body;
}

std::string fnformat(std::string_view picture, double number) {
    return fnreplace(FORMATPBDLL(number, picture), ",", ".");
}

} // namespace kartino::common
