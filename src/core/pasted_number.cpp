#include "core/pasted_number.h"

#include <vector>

namespace orbetta {

namespace {

// The separators a copied number may carry between its digits.
enum class Mark { Point, Comma, Space, Apostrophe };

struct Piece {
    std::string digits; // empty for a separator
    Mark mark = Mark::Point;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the separator the text starts with, 0 when it starts with none; its kind goes to mark.
std::size_t separatorAt(std::string_view text, Mark& mark) {
    static constexpr struct {
        std::string_view bytes;
        Mark mark;
    } kSeparators[] = {
        {".", Mark::Point},
        {",", Mark::Comma},
        {" ", Mark::Space},
        {"\xC2\xA0", Mark::Space},     // no-break space
        {"\xE2\x80\x89", Mark::Space}, // thin space
        {"\xE2\x80\xAF", Mark::Space}, // narrow no-break space
        {"'", Mark::Apostrophe},
        {"\xE2\x80\x99", Mark::Apostrophe}, // typographic apostrophe
    };
    for (const auto& separator : kSeparators) {
        if (text.starts_with(separator.bytes)) {
            mark = separator.mark;
            return separator.bytes.size();
        }
    }
    return 0;
}

// Blanks, line ends and the wide spaces a copied cell may bring along.
std::string_view trimmed(std::string_view text) {
    Mark mark{};
    for (;;) {
        if (!text.empty() && (text.front() == '\t' || text.front() == '\n' || text.front() == '\r'))
            text.remove_prefix(1);
        else if (const std::size_t n = separatorAt(text, mark); n > 0 && mark == Mark::Space)
            text.remove_prefix(n);
        else
            break;
    }
    for (;;) {
        if (!text.empty() &&
            (text.back() == '\t' || text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
            text.remove_suffix(1);
            continue;
        }
        bool removed = false;
        for (std::string_view space : {"\xC2\xA0", "\xE2\x80\x89", "\xE2\x80\xAF"}) {
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                removed = true;
            }
        }
        if (!removed)
            break;
    }
    return text;
}

// Digit groups as written for thousands: the first of one to three digits, every later one of three, all
// parted by the same kind of separator.
bool groupedByThrees(const std::vector<Piece>& pieces, std::size_t count) {
    for (std::size_t i = 0; i < count; i += 2) {
        const std::size_t size = pieces[i].digits.size();
        if (i == 0 ? size > 3 : size != 3)
            return false;
        if (i > 0 && pieces[i - 1].mark != pieces[1].mark)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> pastedEntryText(std::string_view text) {
    text = trimmed(text);
    std::string sign;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        if (text.front() == '-')
            sign = "-";
        text.remove_prefix(1);
    }
    // Digit runs and the separators between them, up to an exponent.
    std::vector<Piece> pieces;
    std::size_t i = 0;
    bool grouped = false;
    int points = 0;
    while (i < text.size() && text[i] != 'e' && text[i] != 'E') {
        Mark mark{};
        if (isDigit(text[i])) {
            if (pieces.empty() || pieces.back().digits.empty())
                pieces.push_back({});
            pieces.back().digits.push_back(text[i++]);
        } else if (const std::size_t n = separatorAt(text.substr(i), mark); n > 0) {
            pieces.push_back({"", mark});
            grouped = grouped || mark != Mark::Point;
            points += mark == Mark::Point;
            i += n;
        } else {
            return std::nullopt;
        }
    }
    const std::string_view exponent = text.substr(i);
    if (!grouped && points <= 1)
        return sign + std::string(text);

    // Grouped: digits and separators take turns, beginning and ending with digits.
    if (pieces.size() % 2 == 0 || pieces.front().digits.empty())
        return std::nullopt;
    const std::size_t last = pieces.size() - 1;
    // Read with every separator grouping, and with the last one marking the decimals.
    const bool allGrouping = groupedByThrees(pieces, pieces.size());
    const Mark decimal = pieces[last - 1].mark;
    const bool decimalMark = (decimal == Mark::Point || decimal == Mark::Comma) &&
                             (last == 2 || pieces[1].mark != decimal) && groupedByThrees(pieces, last - 1);
    if (allGrouping == decimalMark)
        return std::nullopt; // no reading, or two
    // A comma alone may also part two numbers.
    if (decimalMark && decimal == Mark::Comma && last == 2)
        return std::nullopt;

    std::string entry = sign;
    for (std::size_t k = 0; k < pieces.size(); k += 2) {
        if (decimalMark && k == last)
            entry.push_back('.');
        entry += pieces[k].digits;
    }
    entry += exponent;
    return entry;
}

} // namespace orbetta
