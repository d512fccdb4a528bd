#include "core/keys.h"

#include <algorithm>

namespace orbetta {

const OperationRow* rowOf(Operation operation) {
    const auto found = std::ranges::find(kOperations, operation, &OperationRow::operation);
    return found == kOperations.end() ? nullptr : &*found;
}

const FunctionRow* rowOf(Function function) {
    const auto found = std::ranges::find(kFunctions, function, &FunctionRow::function);
    return found == kFunctions.end() ? nullptr : &*found;
}

const ListFunctionRow& rowOf(ListFunction function) {
    return kListFunctionRows[static_cast<std::size_t>(function)];
}

const TwoValueRow* twoValueRowOf(Function function) {
    const auto found = std::ranges::find(kTwoValueKeys, function, &TwoValueRow::function);
    return found == kTwoValueKeys.end() ? nullptr : &*found;
}

const AngleModeRow& rowOf(AngleMode mode) {
    return kAngleModes[mode == AngleMode::Degrees ? 0 : 1];
}

const KeyRow* keyRowOf(KeyArray array, int index) {
    for (const KeyRow& row : kKeyTable)
        if (row.array == array && row.index == index)
            return &row;
    return nullptr;
}

std::optional<ListFunction> listFunctionNamed(std::string_view name) {
    for (const ListFunctionRow& row : kListFunctionRows)
        if (name == row.name)
            return row.function;
    return std::nullopt;
}

std::optional<Function> functionOfIndex(int index) {
    if (index < 0 || index >= kFunctionKeys)
        return std::nullopt;
    return static_cast<Function>(index);
}

} // namespace orbetta
