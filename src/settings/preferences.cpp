#include "settings/preferences.h"

#include "settings/settings_file.h"
#include "settings/settings_text.h"

#include <charconv>
#include <limits>
#include <optional>

namespace orbetta::preferences {

std::string colourSetting;

std::string readSetting(std::string_view section, std::string_view key, std::string_view fallback,
                        std::string_view file) {
    return readProfileString(section, key, fallback, file);
}

void writeSetting(std::string_view section, std::string_view key, std::string_view value,
                  std::string_view file) {
    writeProfileString(section, key, value, file); // a failed write stays silent
}

namespace {

constexpr std::uint32_t kLightGrey = 12632256; // &HC0C0C0
constexpr std::string_view kSection = "Settings";
constexpr std::string_view kColorKey = "Option4";
constexpr std::string_view kKeepTapeKey = "KeepTape";
constexpr std::string_view kSettingsFile = "orbetta.ini";
constexpr std::string_view kAlwaysOnTopKey = "AlwaysOnTop";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The whole text as a number in the given base, or nothing when any character is left over.
template <typename Number> std::optional<Number> wholeNumber(std::string_view text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// The 32-bit signed integer a preference text stands for: decimal with an optional minus sign, or "&H"
// followed by up to 32 bits of hexadecimal digits, which wrap into the negative range like any 32-bit word.
std::optional<std::int32_t> settingValue(std::string_view text) {
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        const std::string_view digits = text.substr(2);
        if (digits.front() == '-' || digits.front() == '+') {
            return std::nullopt;
        }
        const auto word = wholeNumber<std::uint64_t>(digits, 16);
        if (!word || *word > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(*word));
    }
    // from_chars takes an optional minus sign and no plus, as the preference text does.
    return wholeNumber<std::int32_t>(text, 10);
}

} // namespace

std::uint32_t colourFromSetting(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    const auto value = settingValue(text);
    // A colour has red, green and blue in its three low bytes and nothing above them.
    if (!value || *value < 0 || *value > 0xFFFFFF) {
        return kLightGrey;
    }
    return static_cast<std::uint32_t>(*value);
}

std::string colourToSetting(std::uint32_t rgb) {
    char buffer[16];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int32_t>(rgb));
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

void readColourSetting() {
    colourSetting = readSetting(kSection, kColorKey, colourToSetting(kLightGrey), kSettingsFile);
}

void writeColourSetting() {
    writeSetting(kSection, kColorKey, colourSetting, kSettingsFile);
}

bool readKeepTape() {
    // Anything but "0" keeps the tape: losing it by a damaged value would be the worse mistake.
    return settings_text::trimmed(readSetting(kSection, kKeepTapeKey, "1", kSettingsFile)) != "0";
}

void writeKeepTape(bool keep) {
    writeSetting(kSection, kKeepTapeKey, keep ? "1" : "0", kSettingsFile);
}

bool readAlwaysOnTop() {
    return settings_text::trimmed(readSetting(kSection, kAlwaysOnTopKey, "0", kSettingsFile)) == "1";
}

void writeAlwaysOnTop(bool on) {
    writeSetting(kSection, kAlwaysOnTopKey, on ? "1" : "0", kSettingsFile);
}

} // namespace orbetta::preferences
