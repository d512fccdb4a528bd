#pragma once

#include "core/calculator.h"
#include "core/host.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace orbetta::testing {

// A window stand-in that remembers everything the calculator did to it, in order.
class RecordingHost : public Host {
public:
    struct Message {
        std::string text;
        Icon icon;
        bool operator==(const Message&) const = default;
    };

    void show(std::string_view text) override {
        longestShown = std::max(longestShown, text.size());
        display = std::string(text.substr(0, 24));
    }
    void beep() override {
        ++beeps;
        events.push_back("beep");
    }
    void message(std::string_view text, Icon icon) override {
        messages.push_back({std::string(text), icon});
        events.push_back((icon == Icon::Exclamation ? "!" : "") + std::string(text));
    }
    void setListVisible(bool visible) override { listVisible = visible; }
    void setListText(std::string_view text) override { list = std::string(text); }
    void setAngleKey(std::string_view caption, std::string_view tip) override {
        angle = std::string(caption);
        angleToolTip = std::string(tip);
    }
    void openTwoValue(Function key) override {
        const TwoValueRow* row = twoValueRowOf(key);
        dialog = row ? std::vector<std::string>{std::string(row->caption), std::string(row->prompt1),
                                                std::string(row->prompt2)}
                     : std::vector<std::string>{};
        ++dialogOpenings;
    }
    void announce(std::string_view text) override { announcements.emplace_back(text); }
    void record(std::string_view line) override { tape.emplace_back(line); }

    void clearRecord() {
        beeps = 0;
        messages.clear();
        events.clear();
        announcements.clear();
    }

    std::string display;
    // The longest text the calculator asked the display to show, before the display's own cut.
    std::size_t longestShown = 0;
    int beeps = 0;
    std::vector<Message> messages;
    std::vector<std::string> events; // "beep", "!text" for an exclamation box, "text" for a plain box
    bool listVisible = false;
    std::string list = " ";
    std::string angle = "deg";
    std::string angleToolTip = "degree (click to change radian)";
    std::vector<std::string> dialog;
    int dialogOpenings = 0;
    // What a screen reader was told, in order.
    std::vector<std::string> announcements;
    // The tape's lines, in order.
    std::vector<std::string> tape;
};

// Whether a message box is one the calculator may show: a refusal with its fixed text and the exclamation
// icon, or an error report (a failure's description, no icon).
bool isOwnMessage(const RecordingHost::Message& message);

// Presses keys named by space-separated tokens:
//   0-9 digits, "." point, "123" or "2.5" one key per character, "0{300}" a digit pressed 300 times, "+/-"
//   sign change, "bs" backspace, "+" "-" "*" "/" operations, "=" equal, "CE" clear all, "F<n>" function key
//   n, "fn" the "function" button, "list:<name>" a list choice (underscores stand for blanks), "key:<c>" a
//   typed character ("key:enter", "key:bs", "key:esc" for 13, 8 and 27), "paste:<text>" a paste (underscores
//   stand for blanks), "xy:<text>" the two-value dialog's result.
void press(Calculator& calc, RecordingHost& host, std::string_view keys);

} // namespace orbetta::testing
