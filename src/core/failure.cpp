#include "core/failure.h"

#include <string>

namespace orbetta {

std::string_view describe(FailureKind kind) {
    switch (kind) {
    case FailureKind::NotANumber:
        return "Not a number";
    case FailureKind::Overflow:
        return "Overflow";
    case FailureKind::DivisionByZero:
        return "Division by zero";
    case FailureKind::InvalidArgument:
        return "Invalid argument";
    }
    return "Invalid argument";
}

Failure::Failure(FailureKind kind) : std::runtime_error(std::string(describe(kind))), kind_(kind) {}

} // namespace orbetta
