#pragma once

// Double-precision steps that fail the way the calculator reports them: an invalid argument, a division by
// zero or an overflow throws Failure; underflow and loss of precision pass silently.
namespace orbetta::checked {

double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double a, double b);
double pow(double base, double exponent);
double exp(double x);
double ln(double x); // natural logarithm of the library
double sqrt(double x);
double atan(double x);
double sin(double x);
double cos(double x);
double tan(double x);
int sgn(double x);

} // namespace orbetta::checked
