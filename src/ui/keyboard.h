#pragma once

#include <optional>
#include <string_view>

class QKeyEvent;

namespace orbetta::ui {

// The character a key press types, as a character code (Enter 13, Backspace 8, Escape 27, Ctrl+letter its
// control code), or nothing for a press that types nothing: Shift, arrows, function keys, Tab moving the
// focus, Delete, and Alt+letter, which is left to the underlined letters of the captions. The keypad's
// decimal key types "." whatever the keyboard layout puts there.
std::optional<int> typedCharacter(const QKeyEvent& event);

// The character a key press types into a text box of a dialog: as above, except that a press with Control,
// Alt or Meta types nothing (it is the box's shortcut, such as Ctrl+V) and the keypad's decimal key types
// what the keyboard layout puts there.
std::optional<int> typedIntoBox(const QKeyEvent& event);

} // namespace orbetta::ui
