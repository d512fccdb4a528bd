#include "core/calculator.h"
#include "core/conversions.h"
#include "core/failure.h"
#include "core/tape_line.h"
#include "core/words.h"
#include "functions/checked_math.h"

#include <cmath>
#include <optional>
#include <string>

namespace orbetta {

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

void Calculator::evaluateListFunction(Value& value) {
    const Mode mode{degrees(), pi.toDouble()};
    const double x = value.toDouble();
    auto trig = [&](double (*f)(double)) {
        mode.toRadians(value);
        value = checked::div(1.0, f(value.toDouble()));
    };
    if (listFunction_) {
        switch (*listFunction_) {
        case ListFunction::Secant:
            trig(checked::cos);
            break;
        case ListFunction::Cosecant:
            trig(checked::sin);
            break;
        case ListFunction::Cotangent:
            trig(checked::tan);
            break;
        case ListFunction::InverseSine:
            mode.fromRadians(value, checked::atan(checked::div(x, checked::sqrt(add(mul(-x, x), 1.0)))));
            break;
        case ListFunction::InverseCosine: {
            double r = checked::atan(checked::div(-x, checked::sqrt(add(mul(-x, x), 1.0))));
            mode.fromRadians(value, add(r, rightAngle()));
            break;
        }
        case ListFunction::InverseSecant: {
            double r = checked::atan(checked::div(x, checked::sqrt(sub(mul(x, x), 1.0))));
            mode.fromRadians(value, add(r, mul(mul(sgn(sub(x, 1.0)), 2.0), halfRightAngle())));
            break;
        }
        case ListFunction::InverseCosecant: {
            double r = mul(mul(sgn(x) - 1, 2.0), halfRightAngle());
            mode.fromRadians(value,
                             add(r, checked::atan(checked::div(x, checked::sqrt(sub(mul(x, x), 1.0))))));
            break;
        }
        case ListFunction::InverseCotangent:
            mode.fromRadians(value, add(checked::atan(x), rightAngle()));
            break;
        case ListFunction::HyperbolicSine:
            value = checked::div(sub(checked::exp(x), checked::exp(-x)), 2.0);
            break;
        case ListFunction::HyperbolicCosine:
            value = checked::div(add(checked::exp(x), checked::exp(-x)), 2.0);
            break;
        case ListFunction::HyperbolicTangent: {
            double num = sub(checked::exp(x), checked::exp(-x));
            value = checked::div(num, add(checked::exp(-x), checked::exp(x)));
            break;
        }
        case ListFunction::HyperbolicSecant:
            value = checked::div(2.0, add(checked::exp(-x), checked::exp(x)));
            break;
        case ListFunction::HyperbolicCosecant:
            value = checked::div(2.0, sub(checked::exp(x), checked::exp(-x)));
            break;
        case ListFunction::HyperbolicCotangent: {
            double num = add(checked::exp(x), checked::exp(-x));
            value = checked::div(num, sub(checked::exp(x), checked::exp(-x)));
            break;
        }
        case ListFunction::InverseHyperbolicSine:
            value = ln(add(x, checked::sqrt(add(mul(x, x), 1.0))));
            break;
        case ListFunction::InverseHyperbolicCosine:
            value = ln(add(x, checked::sqrt(sub(mul(x, x), 1.0))));
            break;
        case ListFunction::InverseHyperbolicTangent:
            value = checked::div(ln(checked::div(add(1.0, x), sub(1.0, x))), 2.0);
            break;
        case ListFunction::InverseHyperbolicSecant:
            value = ln(checked::div(add(checked::sqrt(add(mul(-x, x), 1.0)), 1.0), x));
            break;
        case ListFunction::InverseHyperbolicCosecant:
            value = ln(checked::div(add(mul(sgn(x), checked::sqrt(add(mul(x, x), 1.0))), 1.0), x));
            break;
        case ListFunction::InverseHyperbolicCotangent:
            value = checked::div(ln(checked::div(add(x, 1.0), sub(x, 1.0))), 2.0);
            break;
        }
    }
    host_.setListVisible(false);
}

void Calculator::evaluateFunction(Value& value, const Value& code) {
    entering = false;
    const auto function = static_cast<Function>(code.isInteger() ? code.asInteger() : -1);
    const std::optional<ListFunction> listFunction =
        function == Function::ListFunction ? listFunction_ : std::nullopt;
    const std::string call = tape_line::functionCall(function, listFunction, angleMode_, value.toText());
    const int problemsBefore = problems_;
    problemContext_ = call;
    // A refusal returns at once; the context ends with this call all the same.
    struct EndContext {
        std::string& context;
        ~EndContext() { context.clear(); }
    } endContext{problemContext_};
    try {
        const Mode mode{degrees(), pi.toDouble()};
        const double x = value.toDouble();
        const double ln10 = ln(10.0);
        switch (function) {
        case Function::CommonLogarithm:
            if (x <= 0.0)
                return refuse(ORBETTA_WORDS("Calculator", "can't take log of 0 or - numbers"));
            value = checked::div(ln(x), ln10);
            break;
        case Function::NaturalLogarithm:
            if (x <= 0.0)
                return refuse(ORBETTA_WORDS("Calculator", "can't take log of 0 or - numbers"));
            // The natural logarithm is the common one scaled by this fixed constant.
            value = mul(checked::div(ln(x), ln10), 2.302585093);
            break;
        case Function::TenToThePowerX:
            if (x > 307.0 || x < -323.0)
                return refuse(ORBETTA_WORDS("Calculator", "x must be >-323 and <307"));
            value = checked::pow(10.0, x);
            break;
        case Function::EToTheX:
            if (x > 709.0 || x < -744.0)
                return refuse(ORBETTA_WORDS("Calculator", "x must be >-744 and <709"));
            value = checked::exp(x);
            break;
        case Function::Sine:
            mode.toRadians(value);
            value = checked::sin(value.toDouble());
            break;
        case Function::Cosine:
            mode.toRadians(value);
            value = checked::cos(value.toDouble());
            break;
        case Function::Tangent:
            mode.toRadians(value);
            value = checked::tan(value.toDouble());
            break;
        case Function::Arctangent:
            mode.fromRadians(value, checked::atan(x));
            break;
        case Function::SquareRoot:
            if (x < 0.0)
                return refuse(ORBETTA_WORDS("Calculator", "can't take square root of a negative number"));
            value = checked::sqrt(x);
            break;
        case Function::Square: {
            value = checked::pow(x, 2.0);
            const double square = value.toDouble();
            if (square > std::pow(10.0, 103.0) || square < std::pow(10.0, -162.0)) {
                refuse(ORBETTA_WORDS("Calculator", "outside the range: >1E-162 and <1E+103"));
                value = std::int16_t{0};
            }
            break;
        }
        case Function::Reciprocal:
            if (x == 0.0)
                return refuse(ORBETTA_WORDS("Calculator", "can't divide by 0!"));
            value = checked::div(1.0, x);
            break;
        case Function::Percent:
            value = checked::div(x, 100.0);
            break;
        case Function::ListFunction:
            evaluateListFunction(value);
            break;
        default:
            break;
        }
    } catch (const Failure& failure) {
        errorReport(describe(failure.kind()));
    }
    if (!call.empty() && problems_ == problemsBefore)
        record(call + " = " + tape_line::functionValue(function, listFunction, angleMode_, value.toText()));
}

void Calculator::pressFunction(int key) {
    const UserAction action(*this);
    guarded([this, key] {
        lastFunction = static_cast<std::int16_t>(key);
        entering = false;
        const std::optional<Function> function = functionOfIndex(key);
        if (!function)
            return;
        if (twoValueRowOf(*function) != nullptr) {
            show("");
            entryText.clear();
            host_.openTwoValue(*function);
            entryText = display_;
            host_.setListVisible(false);
            return;
        }
        switch (*function) {
        case Function::Pi:
            entryText = pi.toText();
            show(entryText);
            announceDisplay();
            record(tape_line::keyValue(Function::Pi, entryText));
            break;
        case Function::MemoryRecall:
            entryText = Value(memory).toText();
            show(entryText);
            announceDisplay();
            record(tape_line::keyValue(Function::MemoryRecall, entryText));
            break;
        case Function::MemoryStore:
            memory = parseNumber(display_);
            record(tape_line::keyValue(Function::MemoryStore, Value(memory).toText()));
            announceText(withValues(ORBETTA_WORDS("Calculator", "%1 in memory"), {Value(memory).toText()}));
            break;
        case Function::AngleMode: {
            angleMode_ = degrees() ? AngleMode::Radians : AngleMode::Degrees;
            const AngleModeRow& mode = rowOf(angleMode_);
            host_.setAngleKey(mode.caption, mode.toolTip);
            // The renamed key is not told when it has the focus, so the new mode is announced.
            announceText(words("Keys", mode.toolTip));
            show("");
            entryText.clear();
            break;
        }
        default:
            if (!entryText.empty()) {
                result = parseNumber(entryText);
                evaluateFunction(result, lastFunction);
                entryText = result.toText();
                show(entryText);
                announceDisplay();
            } else {
                functionPending = true;
            }
        }
        host_.setListVisible(false);
    });
}

void Calculator::showFunctionList() {
    const UserAction action(*this);
    host_.setListVisible(true);
    listFunction_ = ListFunction::Secant;
    host_.setListText(rowOf(ListFunction::Secant).name);
}

void Calculator::chooseListFunction() {
    pressFunction(static_cast<int>(Function::ListFunction));
}

void Calculator::setListFunction(std::optional<ListFunction> shown) {
    listFunction_ = shown;
}

} // namespace orbetta
