#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbetta {

// The entry text of a number pasted from a document or a spreadsheet, or nothing when the text is no number
// or could be read as two different ones. Blanks and line ends around it are dropped, and so is a leading
// "+". The digits before the decimal mark may be grouped by threes with commas, spaces (also no-break and
// thin spaces), apostrophes or points: "1,234,567.89", "1 234 567.5", "1'234.5" and "1.234.567,89" all give
// their number without the grouping and with a decimal point. A lone comma ("1,234", "1,5") is refused: it
// could group thousands, mark the decimals or separate two numbers. Text without grouping is kept as written,
// for parseNumber to judge. Locale-free; the text is UTF-8.
std::optional<std::string> pastedEntryText(std::string_view text);

} // namespace orbetta
