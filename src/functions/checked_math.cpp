#include "functions/checked_math.h"

#include "core/failure.h"

#include <cmath>

namespace orbetta::checked {

namespace {
double finite(double value) {
    if (std::isnan(value))
        throw Failure(FailureKind::InvalidArgument);
    if (std::isinf(value))
        throw Failure(FailureKind::Overflow);
    return value;
}
} // namespace

double add(double a, double b) {
    return finite(a + b);
}
double sub(double a, double b) {
    return finite(a - b);
}
double mul(double a, double b) {
    return finite(a * b);
}

double div(double a, double b) {
    if (b == 0.0)
        throw Failure(FailureKind::DivisionByZero);
    return finite(a / b);
}

double pow(double base, double exponent) {
    if (base == 0.0 && exponent < 0.0)
        throw Failure(FailureKind::DivisionByZero);
    if (base < 0.0 && std::trunc(exponent) != exponent)
        throw Failure(FailureKind::InvalidArgument);
    return finite(std::pow(base, exponent));
}

double exp(double x) {
    return finite(std::exp(x));
}

double ln(double x) {
    if (!(x > 0.0))
        throw Failure(FailureKind::InvalidArgument);
    return finite(std::log(x));
}

double sqrt(double x) {
    if (x < 0.0)
        throw Failure(FailureKind::InvalidArgument);
    return std::sqrt(x);
}

double atan(double x) {
    return finite(std::atan(x));
}
double sin(double x) {
    return finite(std::sin(x));
}
double cos(double x) {
    return finite(std::cos(x));
}
double tan(double x) {
    return finite(std::tan(x));
}

int sgn(double x) {
    return x > 0.0 ? 1 : (x < 0.0 ? -1 : 0);
}

} // namespace orbetta::checked
