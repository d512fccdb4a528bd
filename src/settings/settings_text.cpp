#include "settings/settings_text.h"

#include <optional>

namespace orbetta::settings_text {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

bool isComment(std::string_view line) {
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// The name of a section line such as "[Settings]" (anything after the bracket is ignored), or nothing.
std::optional<std::string_view> sectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimmed(line.substr(1, close - 1));
}

// One line of the text: its characters end at contentEnd, the next line starts at next.
struct Line {
    std::size_t contentEnd;
    std::size_t next;
    bool unterminated; // the last line of the file, without a line break
};

// Files written on older systems end their lines with a lone CR; such a file is read as lines too.
Line lineAt(std::string_view text, std::size_t pos) {
    const auto lineBreak = text.find_first_of("\r\n", pos);
    if (lineBreak == std::string_view::npos) {
        return {text.size(), text.size(), true};
    }
    std::size_t next = lineBreak + 1;
    if (text[lineBreak] == '\r' && next < text.size() && text[next] == '\n') {
        ++next;
    }
    return {lineBreak, next, false};
}

std::string_view lineEnding(std::string_view text) {
    const auto lineBreak = text.find_first_of("\r\n");
    if (lineBreak == std::string_view::npos || text[lineBreak] == '\n') {
        return "\n";
    }
    return text.substr(lineBreak + 1).starts_with('\n') ? "\r\n" : "\r";
}

bool endsWithBreak(std::string_view text) {
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

} // namespace

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

KeyPlace findKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    bool inSection = false;
    // A byte-order mark is not part of the first line.
    std::size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < text.size()) {
        const Line extent = lineAt(text, pos);
        const std::string_view line = trimmed(text.substr(pos, extent.contentEnd - pos));

        if (const auto name = sectionName(line)) {
            if (inSection) {
                return place; // the section ended without the key
            }
            if (sameName(*name, section)) {
                inSection = true;
                place.sectionFound = true;
                place.insertAt = extent.next;
                place.insertNeedsBreak = extent.unterminated;
            }
        } else if (inSection && !line.empty() && !isComment(line)) {
            place.insertAt = extent.next;
            place.insertNeedsBreak = extent.unterminated;
            const auto equals = line.find('=');
            if (equals != std::string_view::npos && sameName(trimmed(line.substr(0, equals)), key)) {
                const std::string_view value = trimmed(line.substr(equals + 1));
                place.keyFound = true;
                place.valueBegin = static_cast<std::size_t>(value.data() - text.data());
                place.valueEnd = place.valueBegin + value.size();
                return place;
            }
        }
        pos = extent.next;
    }
    return place;
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    const KeyPlace place = findKey(text, section, key);
    std::string result;
    result.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (place.keyFound) {
        result.append(text.substr(0, place.valueBegin));
        result.append(value);
        result.append(text.substr(place.valueEnd));
        return result;
    }

    const std::string_view eol = lineEnding(text);
    // A file that ends without a line break keeps ending without one.
    const bool openEnd = !text.empty() && !endsWithBreak(text);
    std::string keyLine = std::string(key) + "=" + std::string(value);
    if (place.sectionFound) {
        const bool atEnd = place.insertAt == text.size();
        result.append(text.substr(0, place.insertAt));
        if (place.insertNeedsBreak) {
            result.append(eol);
        }
        result.append(keyLine);
        if (!(atEnd && openEnd)) {
            // A lone CR before a line that is only a LF would join it into one line break.
            const bool joins = eol == "\r" && text.substr(place.insertAt).starts_with('\n');
            result.append(joins ? "\r\n" : eol);
        }
        result.append(text.substr(place.insertAt));
        return result;
    }

    result.append(text);
    if (openEnd) {
        result.append(eol);
    }
    result.append("[").append(section).append("]").append(eol);
    result.append(keyLine);
    if (!openEnd) {
        result.append(eol);
    }
    return result;
}

// Line breaks and NUL bytes would split or cut the line, a "]" would end the section name, an "=" would end
// the key, and a key that looks like a section or a comment would not be found again.
bool canWrite(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasBreak = [](std::string_view s) {
        return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos;
    };
    if (section.empty() || key.empty() || hasBreak(section) || hasBreak(key) || hasBreak(value)) {
        return false;
    }
    return section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           key.front() != '[' && !isComment(key);
}

} // namespace orbetta::settings_text
