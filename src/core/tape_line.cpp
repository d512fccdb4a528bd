#include "core/tape_line.h"

#include "core/conversions.h"
#include "core/failure.h"
#include "core/words.h"

#include <algorithm>

namespace orbetta::tape_line {

namespace {

// How the function of a key, or the list's entry for the list key, deals with angles.
Angle angleOf(Function function, std::optional<ListFunction> listFunction) {
    if (function == Function::ListFunction)
        return listFunction ? rowOf(*listFunction).angle : Angle::None;
    const FunctionRow* row = rowOf(function);
    return row ? row->angle : Angle::None;
}

std::string withAngle(std::string_view number, AngleMode mode) {
    return std::string(number) + std::string(rowOf(mode).tapeSuffix);
}

} // namespace

std::string operand(std::string_view value, Operation operation) {
    const OperationRow* row = rowOf(operation);
    return std::string(value) + " " + std::string(row ? row->tapeSymbol : "=");
}

std::string total(std::string_view value) {
    return "= " + std::string(value);
}

std::string functionCall(Function function, std::optional<ListFunction> listFunction, AngleMode mode,
                         std::string_view argument) {
    const std::string arg = angleOf(function, listFunction) == Angle::Argument ? withAngle(argument, mode)
                                                                               : std::string(argument);
    if (function == Function::ListFunction)
        return listFunction ? words("Keys", rowOf(*listFunction).name) + "(" + arg + ")" : std::string();
    const FunctionRow* row = rowOf(function);
    if (row == nullptr || row->tapeCall.empty())
        return {};
    std::string call(row->tapeCall);
    call.replace(call.find('#'), 1, arg);
    return call;
}

std::string functionValue(Function function, std::optional<ListFunction> listFunction, AngleMode mode,
                          std::string_view value) {
    return angleOf(function, listFunction) == Angle::Value ? withAngle(value, mode) : std::string(value);
}

std::string keyValue(Function function, std::string_view value) {
    const FunctionRow* row = rowOf(function);
    return std::string(row ? row->tapeName : "") + " = " + std::string(value);
}

std::string errorReport(std::string_view description) {
    return withValues(ORBETTA_WORDS("Tape", "Error: %1"), {description});
}

std::optional<std::string> value(std::string_view line) {
    std::string_view number;
    if (const std::size_t equal = line.rfind("= "); equal != std::string_view::npos) {
        number = line.substr(equal + 2);
        for (const AngleModeRow& row : kAngleModes) {
            if (number.ends_with(row.tapeSuffix)) {
                number.remove_suffix(row.tapeSuffix.size());
                break;
            }
        }
    } else {
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos)
            return std::nullopt;
        const std::string_view symbol = line.substr(space + 1);
        const bool operationKey =
            std::ranges::find(kOperations, symbol, &OperationRow::tapeSymbol) != kOperations.end();
        if (!operationKey && symbol != "=")
            return std::nullopt;
        number = line.substr(0, space);
    }
    // A tape written where numbers carry a decimal comma holds the same numbers with a comma.
    std::string entry(number);
    std::ranges::replace(entry, ',', '.');
    try {
        parseNumber(entry);
    } catch (const Failure&) {
        return std::nullopt;
    }
    return entry;
}

} // namespace orbetta::tape_line
