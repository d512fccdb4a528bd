#include "core/calculator.h"
#include "core/conversions.h"
#include "core/failure.h"
#include "core/tape_line.h"
#include "functions/checked_math.h"

#include <cmath>
#include <string>

namespace orbetta {

const char* const kListFunctions[20] = {
    "Secant",
    "Cosecant",
    "Cotangent",
    "Inverse Sine",
    "Inverse Cosine",
    "Inverse Secant",
    "Inverse Cosecant",
    "Inverse Cotangent",
    "Hyperbolic Sine",
    "Hyperbolic Cosine",
    "Hyperbolic Tangent",
    "Hyperbolic Secant",
    "Hyperbolic Cosecant",
    "Hyperbolic Cotangent",
    "Inverse Hyperbolic Sine",
    "Inverse Hyperbolic Cosine",
    "Inverse Hyperbolic Tangent",
    "Inverse Hyperbolic Secant",
    "Inverse Hyperbolic Cosecant",
    "Inverse Hyperbolic Cotangent",
};

namespace {

using namespace checked;

// Formulas are evaluated step by step in the order written, because both the digits shown and which
// argument fails depend on it.
double halfRightAngle() {
    return checked::atan(1.0);
}
double rightAngle() {
    return mul(2.0, halfRightAngle());
}

struct Mode {
    bool degrees;
    double pi;
    // Trigonometric input: degrees become radians in place, before the function is applied.
    void toRadians(Value& value) const {
        if (degrees)
            value = checked::div(mul(value.toDouble(), pi), 180.0);
    }
    // Inverse trigonometric output: the radian result first, then its degrees.
    void fromRadians(Value& value, double radians) const {
        value = radians;
        if (degrees)
            value = checked::div(mul(radians, 180.0), pi);
    }
};

} // namespace

void Calculator::evaluateListFunction(Value& value, bool degrees) {
    const Mode mode{degrees, Pi.toDouble()};
    const std::string name = host_.listText();
    const double x = value.toDouble();
    auto trig = [&](double (*f)(double)) {
        mode.toRadians(value);
        value = checked::div(1.0, f(value.toDouble()));
    };
    if (name == "Secant") {
        trig(checked::cos);
    } else if (name == "Cosecant") {
        trig(checked::sin);
    } else if (name == "Cotangent") {
        trig(checked::tan);
    } else if (name == "Inverse Sine") {
        mode.fromRadians(value, checked::atan(checked::div(x, checked::sqrt(add(mul(-x, x), 1.0)))));
    } else if (name == "Inverse Cosine") {
        double r = checked::atan(checked::div(-x, checked::sqrt(add(mul(-x, x), 1.0))));
        mode.fromRadians(value, add(r, rightAngle()));
    } else if (name == "Inverse Secant") {
        double r = checked::atan(checked::div(x, checked::sqrt(sub(mul(x, x), 1.0))));
        mode.fromRadians(value, add(r, mul(mul(sgn(sub(x, 1.0)), 2.0), halfRightAngle())));
    } else if (name == "Inverse Cosecant") {
        double r = mul(mul(sgn(x) - 1, 2.0), halfRightAngle());
        mode.fromRadians(value, add(r, checked::atan(checked::div(x, checked::sqrt(sub(mul(x, x), 1.0))))));
    } else if (name == "Inverse Cotangent") {
        mode.fromRadians(value, add(checked::atan(x), rightAngle()));
    } else if (name == "Hyperbolic Sine") {
        value = checked::div(sub(checked::exp(x), checked::exp(-x)), 2.0);
    } else if (name == "Hyperbolic Cosine") {
        value = checked::div(add(checked::exp(x), checked::exp(-x)), 2.0);
    } else if (name == "Hyperbolic Tangent") {
        double num = sub(checked::exp(x), checked::exp(-x));
        value = checked::div(num, add(checked::exp(-x), checked::exp(x)));
    } else if (name == "Hyperbolic Secant") {
        value = checked::div(2.0, add(checked::exp(-x), checked::exp(x)));
    } else if (name == "Hyperbolic Cosecant") {
        value = checked::div(2.0, sub(checked::exp(x), checked::exp(-x)));
    } else if (name == "Hyperbolic Cotangent") {
        double num = add(checked::exp(x), checked::exp(-x));
        value = checked::div(num, sub(checked::exp(x), checked::exp(-x)));
    } else if (name == "Inverse Hyperbolic Sine") {
        value = ln(add(x, checked::sqrt(add(mul(x, x), 1.0))));
    } else if (name == "Inverse Hyperbolic Cosine") {
        value = ln(add(x, checked::sqrt(sub(mul(x, x), 1.0))));
    } else if (name == "Inverse Hyperbolic Tangent") {
        value = checked::div(ln(checked::div(add(1.0, x), sub(1.0, x))), 2.0);
    } else if (name == "Inverse Hyperbolic Secant") {
        value = ln(checked::div(add(checked::sqrt(add(mul(-x, x), 1.0)), 1.0), x));
    } else if (name == "Inverse Hyperbolic Cosecant") {
        value = ln(checked::div(add(mul(sgn(x), checked::sqrt(add(mul(x, x), 1.0))), 1.0), x));
    } else if (name == "Inverse Hyperbolic Cotangent") {
        value = checked::div(ln(checked::div(add(x, 1.0), sub(x, 1.0))), 2.0);
    }
    host_.setListVisible(false);
}

void Calculator::evaluateFunction(Value& value, const Value& code) {
    EntryFlag = false;
    const int c = code.isInteger() ? code.asInteger() : -1;
    const bool degrees = host_.angleCaption() == "deg";
    const std::string listText = c == 16 ? host_.listText() : std::string();
    const std::string call = tape_line::functionCall(c, listText, degrees, value.toText());
    const int problemsBefore = problems_;
    problemContext_ = call;
    // A refusal returns at once; the context ends with this call all the same.
    struct EndContext {
        std::string& context;
        ~EndContext() { context.clear(); }
    } endContext{problemContext_};
    try {
        const Mode mode{degrees, Pi.toDouble()};
        const double x = value.toDouble();
        const double ln10 = ln(10.0);
        switch (c) {
        case 0:
            if (x <= 0.0)
                return refuse("can't take log of 0 or - numbers");
            value = checked::div(ln(x), ln10);
            break;
        case 1:
            if (x <= 0.0)
                return refuse("can't take log of 0 or - numbers");
            // The natural logarithm is the common one scaled by this fixed constant.
            value = mul(checked::div(ln(x), ln10), 2.302585093);
            break;
        case 2:
            if (x > 307.0 || x < -323.0)
                return refuse("x must be >-323 and <307");
            value = checked::pow(10.0, x);
            break;
        case 3:
            if (x > 709.0 || x < -744.0)
                return refuse("x must be >-744 and <709");
            value = checked::exp(x);
            break;
        case 4:
            mode.toRadians(value);
            value = checked::sin(value.toDouble());
            break;
        case 5:
            mode.toRadians(value);
            value = checked::cos(value.toDouble());
            break;
        case 6:
            mode.toRadians(value);
            value = checked::tan(value.toDouble());
            break;
        case 7:
            mode.fromRadians(value, checked::atan(x));
            break;
        case 9:
            if (x < 0.0)
                return refuse("can't take square root of a negative number");
            value = checked::sqrt(x);
            break;
        case 11: {
            value = checked::pow(x, 2.0);
            const double square = value.toDouble();
            if (square > std::pow(10.0, 103.0) || square < std::pow(10.0, -162.0)) {
                refuse("outside the range: >1E-162 and <1E+103");
                value = std::int16_t{0};
            }
            break;
        }
        case 14:
            if (x == 0.0)
                return refuse("can't divide by 0!");
            value = checked::div(1.0, x);
            break;
        case 15:
            value = checked::div(x, 100.0);
            break;
        case 16:
            evaluateListFunction(value, degrees);
            break;
        default:
            break;
        }
    } catch (const Failure& failure) {
        errorReport(describe(failure.kind()));
    }
    if (!call.empty() && problems_ == problemsBefore)
        record(call + " = " + tape_line::functionValue(c, listText, degrees, value.toText()));
}

void Calculator::pressFunction(int Index) {
    const UserAction action(*this);
    guarded([this, Index] {
        FunctionKey = static_cast<std::int16_t>(Index);
        EntryFlag = false;
        switch (Index) {
        case 8:
        case 10:
        case 12: {
            show("");
            ValueText.clear();
            if (Index == 8)
                host_.openTwoValue("y root of x", "value(x):", "root (y):");
            else if (Index == 10)
                host_.openTwoValue("x to the power of y", "value(x):", "power(y):");
            else
                host_.openTwoValue("random number", "lower value:", "upper value:");
            ValueText = host_.displayText();
            break;
        }
        case 13:
            ValueText = Pi.toText();
            show(ValueText);
            announceDisplay();
            record("π = " + ValueText);
            break;
        case 17:
            ValueText = Value(MemBut).toText();
            show(ValueText);
            announceDisplay();
            record("RM = " + ValueText);
            break;
        case 18:
            MemBut = parseNumber(host_.displayText());
            record("M = " + Value(MemBut).toText());
            announceText(Value(MemBut).toText() + " in memory");
            break;
        case 19:
            // The renamed key is not told when it has the focus, so the new mode is announced.
            if (host_.angleCaption() != "deg") {
                host_.setAngleKey("deg", "degree (click to change to radian)");
                announceText("degree (click to change to radian)");
            } else {
                host_.setAngleKey("rad", "radian (click to change to degree)");
                announceText("radian (click to change to degree)");
            }
            show("");
            ValueText.clear();
            break;
        default:
            if (Index < 0 || Index > 19)
                return;
            if (!ValueText.empty()) {
                result = parseNumber(ValueText);
                evaluateFunction(result, FunctionKey);
                ValueText = result.toText();
                show(ValueText);
                announceDisplay();
            } else {
                FunFlag = true;
            }
        }
        host_.setListVisible(false);
    });
}

void Calculator::showFunctionList() {
    const UserAction action(*this);
    host_.setListVisible(true);
    host_.setListText("Secant");
}

void Calculator::chooseListFunction() {
    pressFunction(16);
}

} // namespace orbetta
