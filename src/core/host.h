#pragma once

#include "core/keys.h"

#include <string>
#include <string_view>

namespace orbetta {

enum class Icon { None, Exclamation };

// Everything the calculator tells its window; the window is never asked. The Qt window implements it with
// real widgets and modal boxes; tests implement it with a recorder.
class Host {
public:
    virtual ~Host() = default;

    // The display. The calculator cuts what it shows to 24 characters before calling show().
    virtual void show(std::string_view text) = 0;

    virtual void beep() = 0;
    // A modal box with an OK button and the application title as caption; returns when it is dismissed.
    virtual void message(std::string_view text, Icon icon) = 0;

    // The additional-function list.
    virtual void setListVisible(bool visible) = 0;
    virtual void setListText(std::string_view text) = 0;

    // The angle key's caption and tool tip, which tell the angle mode.
    virtual void setAngleKey(std::string_view caption, std::string_view toolTip) = 0;

    // Shows the two-value dialog of a two-value key (the y-th root, the power, the random number) without
    // blocking the main window; the dialog's caption and prompts are the key's.
    virtual void openTwoValue(Function key) = 0;

    // Tells a screen reader the text without moving the focus: a result, the display after a box, the new
    // angle mode. The same text twice is told twice.
    virtual void announce(std::string_view text) = 0;

    // One line of the tape, the record of past calculations, in the order the steps were made: an operand
    // with its operation key, a function with its value, a total, a refusal or error report that replaced a
    // value. An empty line ends a calculation.
    virtual void record(std::string_view line) = 0;
};

} // namespace orbetta
