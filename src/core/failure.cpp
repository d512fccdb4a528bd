#include "core/failure.h"

#include "core/words.h"

#include <string>

namespace orbetta {

namespace {

const char* english(FailureKind kind) {
    switch (kind) {
    case FailureKind::NotANumber:
        return ORBETTA_NOOP("Failure", "Not a number");
    case FailureKind::Overflow:
        return ORBETTA_NOOP("Failure", "Overflow");
    case FailureKind::DivisionByZero:
        return ORBETTA_NOOP("Failure", "Division by zero");
    case FailureKind::InvalidArgument:
        break;
    }
    return ORBETTA_NOOP("Failure", "Invalid argument");
}

} // namespace

std::string describe(FailureKind kind) {
    return words("Failure", english(kind));
}

Failure::Failure(FailureKind kind) : std::runtime_error(english(kind)), kind_(kind) {}

} // namespace orbetta
