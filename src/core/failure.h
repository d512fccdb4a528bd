#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace orbetta {

// The kinds of failing step; a guarded handler turns one into the error report.
enum class FailureKind { NotANumber, Overflow, DivisionByZero, InvalidArgument };

// In the user's language.
std::string describe(FailureKind kind);

class Failure : public std::runtime_error {
public:
    explicit Failure(FailureKind kind);
    FailureKind kind() const noexcept { return kind_; }

private:
    FailureKind kind_;
};

} // namespace orbetta
