#pragma once
// The text of a sectioned settings file: finding a key and writing a value into the text. Files are the
// business of settings_file.

#include <cstddef>
#include <string>
#include <string_view>

namespace orbetta::settings_text {

// The text without its leading and trailing blanks (spaces and tabs).
std::string_view trimmed(std::string_view text);

// Where a key lives in the text of a settings file, or where it would go. Only the first section of the name
// and the first key of the name in it count, for reading and writing alike. Lines end at LF, CR LF or a lone
// CR; section and key names match regardless of ASCII case.
struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t valueBegin = 0; // the value without its surrounding blanks, when the key was found
    std::size_t valueEnd = 0;
    std::size_t insertAt = 0;      // after the section's last line that is not blank nor a comment
    bool insertNeedsBreak = false; // that line is the last of the file and has no line break
};
KeyPlace findKey(std::string_view text, std::string_view section, std::string_view key);

// The text with the key set to the value: an existing value is replaced in place, a missing key or section
// is added. New lines end as the file's first line does (LF, CR LF or CR); a file without one gets LF.
std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

// Whether the value would read back as written under that section and key.
bool canWrite(std::string_view section, std::string_view key, std::string_view value);

} // namespace orbetta::settings_text
