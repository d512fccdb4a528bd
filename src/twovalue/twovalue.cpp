#include "twovalue/twovalue.h"

#include "core/conversions.h"
#include "core/failure.h"
#include "core/words.h"
#include "functions/checked_math.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace orbetta::twovalue {

float RandomSource::next() {
    state_ = state_ * 1664525u + 1013904223u;
    // The top 24 bits fill a float's mantissa exactly, so the value stays below 1.
    return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
}

RandomSource& processRandom() {
    static RandomSource source;
    return source;
}

double root(double x, double y) {
    const double q = checked::div(1.0, y);
    return checked::pow(x, q);
}

double power(double x, double y) {
    return checked::pow(x, y);
}

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// For bounds of 0 and above the drawing rule accepts a candidate with a chance of about
// (upper - lower - 1) / upper per draw; this many misses in a row only happen when that chance is tiny or
// nil.
constexpr int kDrawsBeforeWidth = 400;

// The smallest whole double above x; nothing when it would be beyond the double range.
std::optional<double> wholeAbove(double x) {
    double whole = std::floor(x) + 1.0;
    if (!(whole > x))
        whole = std::nextafter(x, kInfinity); // so far from 0 that every double is whole
    if (!std::isfinite(whole))
        return std::nullopt;
    return whole;
}

// The largest whole double below x; nothing when it would be beyond the double range.
std::optional<double> wholeBelow(double x) {
    double whole = std::ceil(x) - 1.0;
    if (!(whole < x))
        whole = std::nextafter(x, -kInfinity);
    if (!std::isfinite(whole))
        return std::nullopt;
    return whole;
}

// One draw over the whole numbers from low to high, both included. The weighted mean of two finite bounds
// cannot overflow, however far apart they lie on either side of 0.
double pickWhole(double low, double high, double r) {
    const double spot = low * (1.0 - r) + (high + 1.0) * r;
    return std::clamp(std::floor(spot), low, high);
}

Outcome closeWriting(double value, const std::string& call) {
    Outcome outcome;
    outcome.write = formatNumber(value);
    outcome.step = call + " = " + *outcome.write;
    return outcome;
}

Outcome boundsRefused() {
    Outcome outcome;
    outcome.beep = true;
    outcome.message = words("TwoValue", kBoundsMessage);
    outcome.after = Outcome::After::ClearAndStayOpen;
    return outcome;
}

// The root and the power: an overflow is reported and writes 0; any other failure closes silently.
Outcome computed(const std::function<double()>& compute, const std::string& call) {
    try {
        return closeWriting(compute(), call);
    } catch (const Failure& failure) {
        if (failure.kind() != FailureKind::Overflow)
            return Outcome{};
        Outcome outcome = closeWriting(0.0, call);
        outcome.message = words("TwoValue", kOutOfRangeMessage);
        outcome.step = call + ": " + outcome.message;
        outcome.icon = Icon::Exclamation;
        return outcome;
    }
}

} // namespace

std::optional<double> randomBetween(double lower, double upper, RandomSource& random) {
    for (int draw = 0; draw < kDrawsBeforeWidth; ++draw) {
        const double r = random.next();
        // Beyond the double range the candidate is infinite and fails the test below.
        const double candidate = std::floor(lower + r * upper);
        if (candidate > lower && candidate < upper)
            return candidate;
    }
    const std::optional<double> low = wholeAbove(lower);
    const std::optional<double> high = wholeBelow(upper);
    if (!low || !high || *low > *high)
        return std::nullopt;
    return pickWhole(*low, *high, random.next());
}

bool acceptsKey(int code, std::string_view boxText) {
    if (code == '.')
        return boxText.find('.') == std::string_view::npos;
    return (code >= '0' && code <= '9') || code == kBackspaceCode;
}

std::string refusalWords(int code, std::string_view boxText) {
    switch (code) {
    case '-':
        return ORBETTA_WORDS("TwoValue", "minus is not taken here; values are without sign");
    case '.':
        return ORBETTA_WORDS("TwoValue", "the value has a point already");
    case kEnterCode:
        return boxText.empty() ? ORBETTA_WORDS("TwoValue", "the field is empty")
                               : ORBETTA_WORDS("TwoValue", "the second field is empty");
    case ' ':
        return ORBETTA_WORDS("TwoValue", "space is not taken here; digits and one point only");
    case ',':
        return ORBETTA_WORDS("TwoValue", "comma is not taken here; the point is a full stop");
    default:
        break;
    }
    if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z'))
        return withValues(ORBETTA_WORDS("TwoValue", "%1 is not taken here; digits and one point only"),
                          {std::string(1, static_cast<char>(code))});
    return ORBETTA_WORDS("TwoValue", "that character is not taken here; digits and one point only");
}

Outcome confirm(Function key, std::string_view first, std::string_view second, RandomSource& random) {
    double x = 0.0;
    double y = 0.0;
    bool inFirst = true;
    try {
        x = parseNumber(first);
        inFirst = false;
        y = parseNumber(second);
    } catch (const Failure&) {
        Outcome outcome;
        outcome.beep = true;
        outcome.after = Outcome::After::StayOpen;
        const std::string_view text = inFirst ? first : second;
        if (inFirst)
            outcome.told = text.empty() ? ORBETTA_WORDS("TwoValue", "the first field is empty")
                                        : ORBETTA_WORDS("TwoValue", "the first field holds no number");
        else
            outcome.told = text.empty() ? ORBETTA_WORDS("TwoValue", "the second field is empty")
                                        : ORBETTA_WORDS("TwoValue", "the second field holds no number");
        return outcome;
    }

    switch (key) {
    case Function::YRootOfX: {
        if (y == 0.0) {
            Outcome outcome;
            outcome.message = words("TwoValue", kZeroRootMessage);
            return outcome;
        }
        return computed([&] { return root(x, y); }, withValues(ORBETTA_WORDS("TwoValue", "root %1 of %2"),
                                                               {formatNumber(y), formatNumber(x)}));
    }
    case Function::XToThePowerY:
        return computed(
            [&] { return power(x, y); },
            withValues(ORBETTA_WORDS("TwoValue", "%1 to the power %2"), {formatNumber(x), formatNumber(y)}));
    case Function::RandomNumber: {
        if (y <= x + 1.0)
            return boundsRefused();
        // Bounds such as 1E+300 and the next double above it pass the test above but hold no whole number.
        const std::optional<double> drawn = randomBetween(x, y, random);
        if (!drawn)
            return boundsRefused();
        return closeWriting(*drawn, withValues(ORBETTA_WORDS("TwoValue", "random between %1 and %2"),
                                               {formatNumber(x), formatNumber(y)}));
    }
    default:
        return Outcome{};
    }
}

} // namespace orbetta::twovalue
