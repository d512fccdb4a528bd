#include "shell/module2.h"

#include "shell/settings_file.h"

namespace orbetta::Module2 {

std::string ColorSetting;

std::string ReadSetting(std::string_view section, std::string_view key, std::string_view fallback,
                        std::string_view file) {
    return readProfileString(section, key, fallback, file);
}

void WriteSetting(std::string_view section, std::string_view key, std::string_view value,
                  std::string_view file) {
    writeProfileString(section, key, value, file); // a failed write stays silent
}

std::uint32_t colorFromSetting(std::string_view) {
    return 12632256;
}

} // namespace orbetta::Module2
