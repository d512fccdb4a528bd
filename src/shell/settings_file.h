#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orbetta {

// Where a bare settings file name lives: the per-user configuration directory.
std::filesystem::path settingsPath(std::string_view file);

// Reads one value of a sectioned settings file; the default when the file, section or key is missing.
std::string readProfileString(std::string_view section, std::string_view key, std::string_view fallback,
                              std::string_view file);
// Writes one value, creating file, section or key as needed. Returns false when the write failed.
bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file);

} // namespace orbetta
