#pragma once
// The wording of the tape's lines: what the calculator records for each step, and the value a line holds.

#include "core/keys.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbetta::tape_line {

// An operand with the operation key that follows it ("3 ×", "4 ="); Operation::None, or a code that is no
// operation, is the equal key.
std::string operand(std::string_view value, Operation operation);
// The result of equal: "= 20".
std::string total(std::string_view value);
// A function applied to its argument, "sin(30°)", "√(9)", "(3)²", "Secant(0.5 rad)"; the trigonometric ones
// carry the angle mode. Empty when the key applies no function (pi, memory, the two-value keys, the list key
// while the list shows no entry of its own).
std::string functionCall(Function function, std::optional<ListFunction> listFunction, AngleMode mode,
                         std::string_view argument);
// The value a function gives, with the angle mode when it is an angle ("45°").
std::string functionValue(Function function, std::optional<ListFunction> listFunction, AngleMode mode,
                          std::string_view value);
// The value a key without a function puts in the display or in memory: "π = 3.14159265358979", "M = 5".
std::string keyValue(Function function, std::string_view value);
// An error report that took the place of a value; a refusal is recorded in its own words.
std::string errorReport(std::string_view description);

// The number a line holds, with a decimal point: the value after its last "=", or the operand of an operand
// line, written with a decimal point or a decimal comma. Nothing for a line without one (a refusal, an error
// report, a blank line).
std::optional<std::string> value(std::string_view line);

} // namespace orbetta::tape_line
