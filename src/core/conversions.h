#pragma once

#include <string>
#include <string_view>

namespace orbetta {

// Reads a number: blanks around it, an optional sign, digits with at most one ".", an optional exponent.
// Throws Failure(NotANumber) for any other text and Failure(Overflow) beyond the double range; a tiny
// value becomes the nearest double. Locale-free.
double parseNumber(std::string_view text);

// The display form of a number: 15 significant digits, plain for decimal exponents -4..14, else
// exponent form such as 1E+15 or -1.5E-05. Negative zero is "0".
std::string formatNumber(double value);

// Scientific form with the given digits after the point, an always-signed exponent of at least two
// digits: formatScientific(123456789012345678901.0, 6) is "1.234568E+20".
std::string formatScientific(double value, int decimals);

} // namespace orbetta
