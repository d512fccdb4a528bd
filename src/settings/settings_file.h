#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace orbetta {

// A settings file larger than this is not read (a huge file must not exhaust memory) and not rewritten.
inline constexpr std::size_t kMaxSettingsFileSize = std::size_t{1} << 20;
// The longest value a read returns; longer values are cut.
inline constexpr std::size_t kMaxSettingLength = 127;

// Where a bare settings file name lives: the per-user configuration directory ($XDG_CONFIG_HOME when it is
// absolute, else ~/.config). A name with a directory part is used as is. Empty when there is no usable place.
std::filesystem::path settingsPath(std::string_view file);

// Reads one value of a sectioned settings file; the default when the file, section or key is missing.
// Section and key names match regardless of ASCII case; blanks around names and values are ignored; lines
// end at LF, CR LF or a lone CR.
std::string readProfileString(std::string_view section, std::string_view key, std::string_view fallback,
                              std::string_view file);
// Writes one value, creating file, section or key as needed, and leaves every other byte of the file as it
// was. The file is replaced atomically; a file that is a link, even one to nothing yet, is written where the
// link leads. Missing folders are created with mode 0700. Temporary files that earlier writes of this file
// left behind when they were killed are removed. Returns false when the write failed; the old file is then
// intact.
bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file);

} // namespace orbetta
