#pragma once
// The y-th root, the power and the random whole number of the two-value dialog, and what its OK does.

#include "core/host.h"
#include "core/keys.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbetta::twovalue {

inline constexpr const char* kZeroRootMessage = ORBETTA_NOOP("TwoValue", "can't do 0 root!");
inline constexpr const char* kBoundsMessage =
    ORBETTA_NOOP("TwoValue", "upperbound value must be > lowerbound value+1");
inline constexpr const char* kOutOfRangeMessage = ORBETTA_NOOP("TwoValue", "result is outside the range!");

// Single-precision values uniformly spread over [0, 1). It is never seeded: every run of the program draws
// the same sequence from its start.
class RandomSource {
public:
    float next();

    // Two generators are equal when they will draw the same sequence from here on.
    bool operator==(const RandomSource&) const = default;

private:
    std::uint32_t state_ = 2463534242u;
};

// The one generator the dialog draws from for the whole run.
RandomSource& processRandom();

// x raised to the power 1 / y. Throws Failure: Overflow when 1 / y or the power is beyond the double range,
// another kind for a negative base with a fractional exponent or 0 to a negative power. y must not be 0.
double root(double x, double y);

// x raised to the power y (0 to the power 0 is 1); throws Failure as root() does.
double power(double x, double y);

// A whole number strictly between lower and upper, or nothing when no double between them is whole.
// Draws candidate = floor(lower + r * upper) until one lies strictly between the bounds; when a few hundred
// draws find none (bounds far from 0 compared with their distance, negative bounds), one more draw picks a
// whole number over the width of the range instead, so the drawing always ends.
std::optional<double> randomBetween(double lower, double upper, RandomSource& random);

// Whether a typed character goes into a box that holds boxText: digits, backspace (8), and "." when the box
// has none yet. Every other character is refused.
bool acceptsKey(int code, std::string_view boxText);

// The words that tell a screen reader why acceptsKey refused a character; Enter (13) is refused while OK is
// not ready, which is while the second box has not been typed into.
std::string refusalWords(int code, std::string_view boxText);

// What OK does, carried out in the order of the members: beep, message box, writing the text into the main
// window's display and entry, then closing or staying open.
struct Outcome {
    enum class After {
        Close,           // the dialog is discarded
        StayOpen,        // nothing else changes
        ClearAndStayOpen // both boxes are emptied and OK is disabled
    };
    bool beep = false;
    std::string message; // empty: no message box
    Icon icon = Icon::None;
    std::optional<std::string> write;
    std::string step; // the tape's line for a written result: the function, both operands and the value
    After after = After::Close;
    std::string told; // words for a screen reader that say what a beep alone would not

    bool operator==(const Outcome&) const = default;
};

// OK for the key the dialog was opened for and the texts of its two boxes. A box that holds no number (empty,
// a lone ".", digits beyond the double range, pasted text) only beeps and leaves the dialog open. Any other
// key computes nothing and closes the dialog.
Outcome confirm(Function key, std::string_view first, std::string_view second, RandomSource& random);

} // namespace orbetta::twovalue
