#include "platform/basic/numbers.hpp"

#include "platform/basic/errors.hpp"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kartino::basic {

namespace {

bool isValBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// &H / &O literals: the digit count sets the width (up to 4 hex digits a 16-bit value, more
// a 32-bit one), with the sign of that width.
double radixValue(std::string_view text, std::size_t i) {
    const char kind = static_cast<char>(text[i] | 0x20);
    const int radix = kind == 'h' ? 16 : 8;
    ++i;
    std::uint64_t value = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isValBlank(c)) continue;
        int d;
        if (isDigit(c))
            d = c - '0';
        else if (radix == 16 && (c | 0x20) >= 'a' && (c | 0x20) <= 'f')
            d = (c | 0x20) - 'a' + 10;
        else
            break;
        if (d >= radix) break;
        value = (value * radix + d) & 0xFFFFFFFFu;
        ++digits;
    }
    const bool narrow = radix == 16 ? digits <= 4 : value <= 0xFFFF;
    if (narrow) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isValBlank(text[i]))
        ++i;
    if (i + 1 < text.size() && text[i] == '&') {
        char k = static_cast<char>(text[i + 1] | 0x20);
        if (k == 'h' || k == 'o') return radixValue(text, i + 1);
        return 0;
    }
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool point = false, anyDigit = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isValBlank(c)) continue;
        if (isDigit(c)) {
            number += c;
            anyDigit = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0 * (number.starts_with('-') ? -1.0 : 1.0);
    if (i < text.size()) {
        char e = static_cast<char>(text[i] | 0x20);
        if (e == 'e' || e == 'd') {
            std::string exponent = "e";
            std::size_t j = i + 1;
            while (j < text.size() && isValBlank(text[j]))
                ++j;
            if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
            bool expDigit = false;
            for (; j < text.size(); ++j) {
                if (isValBlank(text[j])) continue;
                if (!isDigit(text[j])) break;
                exponent += text[j];
                expDigit = true;
            }
            if (expDigit) number += exponent;
        }
    }
    double v = std::strtod(number.c_str(), nullptr);
    if (std::isinf(v)) raise(errOverflow);
    return v;
}

namespace {

// General notation with a given count of significant digits, leading zero removed.
std::string general(double value, int digits) {
    if (value == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, value);
    std::string s = buf;
    // %G writes exponents with at least two digits, as the runtime does ("1E+15", "1.5E-05").
    if (s.starts_with("0."))
        s.erase(0, 1);
    else if (s.starts_with("-0."))
        s.erase(1, 1);
    return s;
}

std::string withSignBlank(std::string digits) {
    if (!digits.starts_with('-')) digits.insert(digits.begin(), ' ');
    return digits;
}

} // namespace

std::string Str(std::int16_t value) {
    return withSignBlank(std::to_string(value));
}
std::string Str(std::int32_t value) {
    return withSignBlank(std::to_string(value));
}
std::string Str(float value) {
    return withSignBlank(numberText(value));
}
std::string Str(double value) {
    return withSignBlank(numberText(value));
}
std::string numberText(float value) {
    return general(static_cast<double>(value), 7);
}
std::string numberText(double value) {
    return general(value, 15);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::int16_t CInt(double value) {
    double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) raise(errOverflow);
    return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double value) {
    double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) raise(errOverflow);
    return static_cast<std::int32_t>(r);
}

float CSngBeyond(double value) {
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    if (std::fabs(value) > static_cast<double>(FLT_MAX)) {
        // Values that round to FLT_MAX still fit; beyond that the runtime overflows.
        float f = static_cast<float>(value);
        if (std::isinf(f)) raise(errOverflow);
        return f;
    }
    return static_cast<float>(value);
}

double Int(double value) {
    return std::floor(value);
}
double Fix(double value) {
    return std::trunc(value);
}

std::int16_t checkedInteger(std::int64_t value) {
    if (value < -32768 || value > 32767) raise(errOverflow);
    return static_cast<std::int16_t>(value);
}

std::int32_t checkedLong(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        raise(errOverflow);
    return static_cast<std::int32_t>(value);
}

} // namespace kartino::basic
