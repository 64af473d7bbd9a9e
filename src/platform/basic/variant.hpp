#pragma once
// A Variant with the subtypes the program's result fields need. It keeps the subtype of the
// value last assigned, and Write # and Str format it by that subtype.
#include <cstdint>
#include <string>
#include <variant>

namespace kartino::basic {

struct Empty {
    bool operator==(const Empty &) const = default;
};

class Variant {
  public:
    enum class Type { Empty, Integer, Long, Single, Double, String };

    Variant() = default;
    Variant(std::int16_t v) : v_(v) {}             // NOLINT: implicit like the legacy Variant
    Variant(std::int32_t v) : v_(v) {}             // NOLINT
    Variant(float v) : v_(v) {}                    // NOLINT
    Variant(double v) : v_(v) {}                   // NOLINT
    Variant(std::string v) : v_(std::move(v)) {}   // NOLINT
    Variant(const char *v) : v_(std::string(v)) {} // NOLINT

    Type type() const { return static_cast<Type>(v_.index()); }
    bool isNumeric() const { return type() != Type::String && type() != Type::Empty; }

    // The numeric value (a String subtype converts with Val, Empty is 0).
    double toDouble() const;
    // The text as CStr gives it for strings; numbers as Str without the sign blank.
    std::string toString() const;

    // The item as Write # puts it into a file: strings quoted, numbers bare.
    std::string writeItem() const;

    bool operator==(const Variant &) const = default;

  private:
    std::variant<Empty, std::int16_t, std::int32_t, float, double, std::string> v_;
};

// The value a Variant takes from an unquoted number read by Input #: the smallest of Integer,
// Long and Double that holds it (Double whenever it has a fraction or an exponent).
Variant numericVariant(const std::string &field);

} // namespace kartino::basic

namespace kartino::basic {

// Str of a Variant: its current subtype's text with the sign blank (strings unchanged).
std::string Str(const Variant &v);

} // namespace kartino::basic
