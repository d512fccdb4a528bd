#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace orbetta {

// A value whose kind is set by its last assignment: empty, 16-bit integer, double or text.
// An empty value compares equal to 0; arithmetic on values is done in double precision.
class Value {
public:
    Value() = default;
    Value(std::int16_t i) : v_(i) {}
    Value(double d) : v_(d) {}
    Value(std::string s) : v_(std::move(s)) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(v_); }
    bool isInteger() const { return std::holds_alternative<std::int16_t>(v_); }

    // Numeric value; empty is 0. Text is converted by the calculator's text-to-number rule and may throw.
    double toDouble() const;
    // The number-to-text form: empty gives "", an integer its digits, a double its 15-digit text.
    std::string toText() const;
    // True when the value is empty or numerically 0 (text is converted).
    bool isZero() const { return toDouble() == 0.0; }

    std::int16_t asInteger() const { return isInteger() ? std::get<std::int16_t>(v_) : 0; }

private:
    std::variant<std::monostate, std::int16_t, double, std::string> v_;
};

} // namespace orbetta
