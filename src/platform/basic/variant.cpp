#include "platform/basic/variant.hpp"

#include "platform/basic/numbers.hpp"

#include <cmath>

namespace kartino::basic {

double Variant::toDouble() const {
    switch (type()) {
    case Type::Empty:
        return 0;
    case Type::Integer:
        return std::get<std::int16_t>(v_);
    case Type::Long:
        return std::get<std::int32_t>(v_);
    case Type::Single:
        return std::get<float>(v_);
    case Type::Double:
        return std::get<double>(v_);
    case Type::String:
        return Val(std::get<std::string>(v_));
    }
    return 0;
}

std::string Variant::toString() const {
    switch (type()) {
    case Type::Empty:
        return "";
    case Type::Integer:
        return std::to_string(std::get<std::int16_t>(v_));
    case Type::Long:
        return std::to_string(std::get<std::int32_t>(v_));
    case Type::Single:
        return numberText(std::get<float>(v_));
    case Type::Double:
        return numberText(std::get<double>(v_));
    case Type::String:
        return std::get<std::string>(v_);
    }
    return "";
}

std::string Variant::writeItem() const {
    if (type() == Type::String) return "\"" + std::get<std::string>(v_) + "\"";
    return toString();
}

Variant numericVariant(const std::string &field) {
    double v = Val(field);
    bool fractional = field.find_first_of(".eEdD") != std::string::npos;
    if (!fractional && v == std::floor(v)) {
        if (v >= -32768 && v <= 32767) return Variant(static_cast<std::int16_t>(v));
        if (v >= -2147483648.0 && v <= 2147483647.0) return Variant(static_cast<std::int32_t>(v));
    }
    return Variant(v);
}

} // namespace kartino::basic

namespace kartino::basic {

std::string Str(const Variant &v) {
    if (!v.isNumeric()) return v.toString();
    std::string t = v.toString();
    return t.starts_with('-') ? t : " " + t;
}

} // namespace kartino::basic
