#include "support/recording_host.h"

#include "core/failure.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

namespace orbetta::testing {

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int number(std::string_view s) {
    int n = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc{} || p != s.data() + s.size())
        throw std::invalid_argument("bad key number: " + std::string(s));
    return n;
}
} // namespace

bool isOwnMessage(const RecordingHost::Message& m) {
    static const std::array<std::string_view, 6> fixed{
        "can't divide by 0!",
        "can't take log of 0 or - numbers",
        "x must be >-323 and <307",
        "x must be >-744 and <709",
        "can't take square root of a negative number",
        "outside the range: >1E-162 and <1E+103",
    };
    static const std::array<FailureKind, 4> kinds{FailureKind::NotANumber, FailureKind::Overflow,
                                                  FailureKind::DivisionByZero, FailureKind::InvalidArgument};
    if (m.icon == Icon::Exclamation)
        return std::find(fixed.begin(), fixed.end(), m.text) != fixed.end();
    return std::any_of(kinds.begin(), kinds.end(), [&](FailureKind k) { return describe(k) == m.text; });
}

void press(Calculator& calc, RecordingHost& host, std::string_view keys) {
    while (!keys.empty()) {
        std::size_t space = keys.find(' ');
        std::string_view t = keys.substr(0, space);
        keys = space == std::string_view::npos ? std::string_view{} : keys.substr(space + 1);
        if (t.empty())
            continue;
        if (t.size() == 1 && t[0] >= '0' && t[0] <= '9')
            calc.pressDigit(t[0] - '0');
        else if (t.size() > 2 && isDigit(t[0]) && t[1] == '{' && t.back() == '}') {
            for (int n = number(t.substr(2, t.size() - 3)); n > 0; --n)
                calc.pressDigit(t[0] - '0');
        } else if (t.size() > 1 &&
                   std::all_of(t.begin(), t.end(), [](char c) { return isDigit(c) || c == '.'; })) {
            for (char c : t) {
                if (c == '.')
                    calc.pressDecimalPoint();
                else
                    calc.pressDigit(c - '0');
            }
        } else if (t == ".")
            calc.pressDecimalPoint();
        else if (t == "+/-")
            calc.pressSignChange();
        else if (t == "bs")
            calc.pressBackspace();
        else if (t == "+")
            calc.pressOperation(2);
        else if (t == "-")
            calc.pressOperation(3);
        else if (t == "*")
            calc.pressOperation(4);
        else if (t == "/")
            calc.pressOperation(5);
        else if (t == "=")
            calc.pressEqual();
        else if (t == "CE")
            calc.pressClearAll();
        else if (t == "fn")
            calc.showFunctionList();
        else if (t.size() > 1 && t[0] == 'F')
            calc.pressFunction(number(t.substr(1)));
        else if (t.starts_with("list:")) {
            std::string name(t.substr(5));
            for (char& c : name)
                if (c == '_')
                    c = ' ';
            // The window tells the calculator what its list shows, then that it was chosen.
            host.setListText(name);
            calc.setListFunction(listFunctionNamed(name));
            calc.chooseListFunction();
        } else if (t.starts_with("paste:")) {
            std::string text(t.substr(6));
            for (char& c : text)
                if (c == '_')
                    c = ' ';
            calc.pasteEntry(text);
        } else if (t.starts_with("xy:")) {
            calc.receiveTwoValueResult(t.substr(3));
        } else if (t.starts_with("key:")) {
            std::string_view k = t.substr(4);
            int code = k == "enter"   ? kEnterCode
                       : k == "bs"    ? kBackspaceCode
                       : k == "space" ? 32
                       : k == "esc"   ? 27
                                      : static_cast<unsigned char>(k[0]);
            calc.handleCharacter(code);
        } else {
            throw std::invalid_argument("unknown key: " + std::string(t));
        }
    }
}

} // namespace orbetta::testing
