#include "core/tape_line.h"

#include "core/calculator.h"
#include "core/conversions.h"
#include "core/failure.h"

#include <array>

namespace orbetta::tape_line {

namespace {

constexpr std::string_view kDegrees = "°";
constexpr std::string_view kRadians = " rad";

std::string_view symbolOf(int Index) {
    switch (Index) {
    case 2:
        return "+";
    case 3:
        return "−";
    case 4:
        return "×";
    case 5:
        return "÷";
    default:
        return "=";
    }
}

bool isListFunction(std::string_view name) {
    for (const char* entry : kListFunctions)
        if (name == entry)
            return true;
    return false;
}

// Functions whose argument is an angle, and those whose value is one.
bool takesAngle(int code, std::string_view listText) {
    return code == 4 || code == 5 || code == 6 ||
           (code == 16 && (listText == "Secant" || listText == "Cosecant" || listText == "Cotangent"));
}
bool givesAngle(int code, std::string_view listText) {
    return code == 7 || (code == 16 && listText.starts_with("Inverse ") &&
                         listText.find("Hyperbolic") == std::string_view::npos);
}

std::string withAngle(std::string_view number, bool degrees) {
    return std::string(number) + std::string(degrees ? kDegrees : kRadians);
}

} // namespace

std::string operand(std::string_view value, int Index) {
    return std::string(value) + " " + std::string(symbolOf(Index));
}

std::string total(std::string_view value) {
    return "= " + std::string(value);
}

std::string functionCall(int code, std::string_view listText, bool degrees, std::string_view argument) {
    const std::string arg = takesAngle(code, listText) ? withAngle(argument, degrees) : std::string(argument);
    switch (code) {
    case 0:
        return "log(" + arg + ")";
    case 1:
        return "ln(" + arg + ")";
    case 2:
        return "10^(" + arg + ")";
    case 3:
        return "e^(" + arg + ")";
    case 4:
        return "sin(" + arg + ")";
    case 5:
        return "cos(" + arg + ")";
    case 6:
        return "tan(" + arg + ")";
    case 7:
        return "atn(" + arg + ")";
    case 9:
        return "√(" + arg + ")";
    case 11:
        return "(" + arg + ")²";
    case 14:
        return "1/(" + arg + ")";
    case 15:
        return arg + "%";
    case 16:
        if (isListFunction(listText))
            return std::string(listText) + "(" + arg + ")";
        return {};
    default:
        return {};
    }
}

std::string functionValue(int code, std::string_view listText, bool degrees, std::string_view value) {
    return givesAngle(code, listText) ? withAngle(value, degrees) : std::string(value);
}

std::string errorReport(std::string_view description) {
    return "Error: " + std::string(description);
}

std::optional<std::string> value(std::string_view line) {
    std::string_view number;
    if (const std::size_t equal = line.rfind("= "); equal != std::string_view::npos) {
        number = line.substr(equal + 2);
        if (number.ends_with(kDegrees))
            number.remove_suffix(kDegrees.size());
        else if (number.ends_with(kRadians))
            number.remove_suffix(kRadians.size());
    } else {
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos)
            return std::nullopt;
        const std::string_view symbol = line.substr(space + 1);
        if (symbol != "+" && symbol != "−" && symbol != "×" && symbol != "÷" && symbol != "=")
            return std::nullopt;
        number = line.substr(0, space);
    }
    try {
        parseNumber(number);
    } catch (const Failure&) {
        return std::nullopt;
    }
    return std::string(number);
}

} // namespace orbetta::tape_line
