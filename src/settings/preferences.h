#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orbetta::preferences {

// The colour preference as text, exactly as read from the settings file or as last chosen.
extern std::string colourSetting;

std::string readSetting(std::string_view section, std::string_view key, std::string_view fallback,
                        std::string_view file);
void writeSetting(std::string_view section, std::string_view key, std::string_view value,
                  std::string_view file);

// The first step of start-up: colourSetting becomes the stored preference, or the light grey &HC0C0C0 as its
// decimal text "12632256" when none is stored (the default is a number, converted to text for the reader).
void readColourSetting();
// What the off key saves: colourSetting, unchanged.
void writeColourSetting();

// Whether the tape is kept between runs: the KeepTape key, "1" (the default) or "0". Written only when the
// user changes it.
bool readKeepTape();
void writeKeepTape(bool keep);

// Whether the main window is kept above the other windows: the stored choice, "1" for yes; no when none is
// stored. Read at start-up.
bool readAlwaysOnTop();
// Stores the choice as "1" or "0" when the user changes it; every other line of the file stays as it stands.
void writeAlwaysOnTop(bool on);

// The colour value (red in the lowest byte) of a preference text in decimal or "&H" hexadecimal form;
// light grey (12632256) for text that is no colour.
std::uint32_t colourFromSetting(std::string_view text);

// The preference text of a colour value: the decimal form of the 32-bit signed integer, e.g. "255".
std::string colourToSetting(std::uint32_t rgb);

} // namespace orbetta::preferences
