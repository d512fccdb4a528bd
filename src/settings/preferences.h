#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orbetta::Module2 {

// The colour preference as text, exactly as read from the settings file or as last chosen.
extern std::string ColorSetting;

std::string ReadSetting(std::string_view section, std::string_view key, std::string_view fallback,
                        std::string_view file);
void WriteSetting(std::string_view section, std::string_view key, std::string_view value,
                  std::string_view file);

// The first step of start-up: ColorSetting becomes the stored preference, or the light grey &HC0C0C0 as its
// decimal text "12632256" when none is stored (the default is a number, converted to text for the reader).
void ReadColorSetting();
// What the off key saves: ColorSetting, unchanged.
void WriteColorSetting();

// Whether the tape is kept between runs: the KeepTape key, "1" (the default) or "0". Written only when the
// user changes it.
bool ReadKeepTape();
void WriteKeepTape(bool keep);

// Whether the main window is kept above the other windows: the stored choice, "1" for yes; no when none is
// stored. Read at start-up.
bool ReadAlwaysOnTop();
// Stores the choice as "1" or "0" when the user changes it; every other line of the file stays as it stands.
void WriteAlwaysOnTop(bool on);

// The colour value (red in the lowest byte) of a preference text in decimal or "&H" hexadecimal form;
// light grey (12632256) for text that is no colour.
std::uint32_t colorFromSetting(std::string_view text);

// The preference text of a colour value: the decimal form of the 32-bit signed integer, e.g. "255".
std::string colorToSetting(std::uint32_t rgb);

} // namespace orbetta::Module2
