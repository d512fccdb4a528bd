#pragma once
// The decimal sign of the user's numbers and the crossing between the engine's numbers, which always carry a
// point, and the numbers the windows show, copy and speak and the user types.

#include <string>
#include <string_view>

namespace orbetta::ui {

// The locale that formats numbers: the first of LC_ALL, LC_NUMERIC and LANG that is set and not empty, as the
// C library chooses it; empty when none is.
std::string numericLocaleName();

// The decimal sign of a locale name such as "de_DE.UTF-8": ',' where the locale writes a decimal comma, else
// '.'. C, POSIX and an empty or unknown name give the point.
char decimalSignOf(std::string_view localeName);

// The sign of the numbers the windows show from now on: chosen once at start-up, from numericLocaleName().
// Until then the sign is the point.
void chooseDecimalSign(std::string_view localeName);
char decimalSign();

// The engine's text as the user reads it: each point of a number (a point beside a digit, or one standing
// alone as the display's "." does) becomes the decimal sign; a full stop after a word stays.
std::string shownNumbers(std::string_view text);

// A number as the user typed or pasted it, in the engine's form: with a decimal comma, the comma becomes a
// point. Where the point is the sign, the text is kept as it is.
std::string engineNumber(std::string_view text);

// Text from the clipboard for the calculator's paste: with a decimal comma, a lone comma (no point, no second
// comma) marks the decimals, since the user's own numbers are written so; anything else is read as it is.
std::string pastedNumber(std::string_view text);

} // namespace orbetta::ui
