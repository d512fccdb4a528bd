#include "core/conversions.h"

#include "core/failure.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace orbetta {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The shape of a number checked against the accepted grammar, with what is needed to tell an overflow from
// an underflow when the library reports the value out of range.
struct NumberShape {
    bool valid = false;
    bool allZero = true;
    // Decimal exponent of the first non-zero digit, saturated; meaningful when !allZero.
    std::int64_t magnitude = 0;
    // The first significant digits, and whether a non-zero digit follows them.
    std::string leading;
    bool moreDigits = false;
};

NumberShape checkShape(std::string_view s) {
    NumberShape shape;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::int64_t intDigits = 0;
    std::int64_t firstNonZero = -1; // index among all mantissa digits
    std::int64_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (isDigit(c)) {
            if (c != '0' && firstNonZero < 0)
                firstNonZero = digits;
            if (firstNonZero >= 0) {
                if (shape.leading.size() < 17)
                    shape.leading.push_back(c);
                else if (c != '0')
                    shape.moreDigits = true;
            }
            ++digits;
            if (!point)
                ++intDigits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return shape;
    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negative = s[i++] == '-';
        std::size_t expStart = i;
        constexpr std::int64_t cap = std::int64_t{1} << 40;
        for (; i < s.size() && isDigit(s[i]); ++i)
            exponent = std::min(cap, exponent * 10 + (s[i] - '0'));
        if (i == expStart)
            return shape;
        if (negative)
            exponent = -exponent;
    }
    if (i != s.size())
        return shape;
    shape.valid = true;
    if (firstNonZero >= 0) {
        shape.allZero = false;
        shape.magnitude = intDigits - firstNonZero - 1 + exponent;
    }
    return shape;
}

// The largest double is shown as 1.79769313486232E+308, just above its exact value; that text, and any
// number up to it, reads back as the largest double so that every shown value can be used again.
bool withinLargestText(const NumberShape& shape) {
    if (shape.magnitude != 308)
        return false;
    std::string digits = shape.leading;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    const std::string largest = "179769313486232";
    return digits < largest || (digits == largest && !shape.moreDigits);
}

} // namespace

double parseNumber(std::string_view text) {
    std::string_view s = trimBlanks(text);
    NumberShape shape = checkShape(s);
    if (!shape.valid)
        throw Failure(FailureKind::NotANumber);
    bool negative = s.front() == '-';
    if (s.front() == '+' || s.front() == '-')
        s.remove_prefix(1);
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (!shape.allZero && shape.magnitude > 0) {
            if (!withinLargestText(shape))
                throw Failure(FailureKind::Overflow);
            value = std::numeric_limits<double>::max();
        } else {
            value = 0.0; // nearer to zero than to the smallest denormal
        }
    } else if (ec != std::errc{} || ptr != s.data() + s.size()) {
        throw Failure(FailureKind::NotANumber);
    }
    return negative ? -value : value;
}

namespace {

// Digits and decimal exponent of a value rounded to the given number of significant digits.
struct Rounded {
    bool negative = false;
    std::string digits; // significant digits, no point
    int exponent = 0;   // decimal exponent of the first digit
};

Rounded roundTo(double value, int significant) {
    std::array<char, 64> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific,
                                   significant - 1);
    (void)ec;
    std::string_view s(buf.data(), static_cast<std::size_t>(end - buf.data()));
    Rounded r;
    if (!s.empty() && s.front() == '-') {
        r.negative = true;
        s.remove_prefix(1);
    }
    std::size_t e = s.find('e');
    for (char c : s.substr(0, e))
        if (c != '.')
            r.digits.push_back(c);
    std::string_view exp = s.substr(e + 1);
    if (!exp.empty() && exp.front() == '+')
        exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), r.exponent);
    return r;
}

} // namespace

std::string formatNumber(double value) {
    if (value == 0.0)
        return "0"; // negative zero too
    if (!std::isfinite(value))
        throw Failure(FailureKind::Overflow);
    Rounded r = roundTo(value, 15);
    while (r.digits.size() > 1 && r.digits.back() == '0')
        r.digits.pop_back();
    std::string out = r.negative ? "-" : "";
    const int n = static_cast<int>(r.digits.size());
    if (r.exponent >= -4 && r.exponent <= 14) {
        if (r.exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-r.exponent - 1), '0');
            out += r.digits;
        } else if (n <= r.exponent + 1) {
            out += r.digits;
            out.append(static_cast<std::size_t>(r.exponent + 1 - n), '0');
        } else {
            out += r.digits.substr(0, static_cast<std::size_t>(r.exponent + 1));
            out += '.';
            out += r.digits.substr(static_cast<std::size_t>(r.exponent + 1));
        }
        return out;
    }
    out += r.digits[0];
    if (n > 1) {
        out += '.';
        out += r.digits.substr(1);
    }
    out += r.exponent < 0 ? "E-" : "E+";
    int absExp = std::abs(r.exponent);
    if (absExp < 10)
        out += '0';
    out += std::to_string(absExp);
    return out;
}

std::string formatScientific(double value, int decimals) {
    if (!std::isfinite(value))
        throw Failure(FailureKind::Overflow);
    if (value == 0.0)
        value = 0.0; // no "-0"
    std::array<char, 64> buf{};
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, decimals);
    (void)ec;
    std::string out(buf.data(), end);
    for (char& c : out)
        if (c == 'e')
            c = 'E';
    return out;
}

} // namespace orbetta
