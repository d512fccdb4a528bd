#include "shell/settings_file.h"

namespace orbetta {

std::filesystem::path settingsPath(std::string_view file) {
    return file;
}
std::string readProfileString(std::string_view, std::string_view, std::string_view fallback,
                              std::string_view) {
    return std::string(fallback);
}
bool writeProfileString(std::string_view, std::string_view, std::string_view, std::string_view) {
    return false;
}

} // namespace orbetta
