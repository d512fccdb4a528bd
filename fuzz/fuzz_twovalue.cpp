// The two-value dialog's OK and the colour preference text. The first byte picks the dialog's key, the
// rest is the two boxes' texts split at the first line break, and also the text of a colour preference.
// OK always ends (the random drawing is bounded), every message is one of the dialog's own, and what it
// writes is what the computation gives: the root or power of the two values, or a whole number strictly
// between them. A preference text gives a colour of 24 bits that comes back from its own text.
#include "core/conversions.h"
#include "core/failure.h"
#include "settings/preferences.h"
#include "twovalue/twovalue.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

using namespace orbetta;
using twovalue::Outcome;

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

std::optional<double> number(std::string_view text) {
    try {
        return parseNumber(text);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

// What the root or the power writes and says, computed again.
Outcome expectedComputation(double (*compute)(double, double), double x, double y) {
    Outcome outcome;
    try {
        outcome.write = formatNumber(compute(x, y));
    } catch (const Failure& failure) {
        if (failure.kind() == FailureKind::Overflow) {
            outcome.write = "0";
            outcome.message = twovalue::kOutOfRangeMessage;
            outcome.icon = Icon::Exclamation;
        }
    }
    return outcome;
}

void checkConfirm(Function key, std::string_view first, std::string_view second) {
    twovalue::RandomSource random;
    const Outcome outcome = twovalue::confirm(key, first, second, random);
    const std::optional<double> x = number(first);
    const std::optional<double> y = number(second);
    if (!x || !y) {
        check(outcome.beep && outcome.message.empty() && !outcome.write &&
              outcome.after == Outcome::After::StayOpen);
        return;
    }
    if (key == Function::YRootOfX) {
        if (*y == 0.0) {
            check(outcome.message == twovalue::kZeroRootMessage && !outcome.write && !outcome.beep &&
                  outcome.after == Outcome::After::Close);
            return;
        }
        check(outcome == expectedComputation(twovalue::root, *x, *y));
    } else if (key == Function::XToThePowerY) {
        check(outcome == expectedComputation(twovalue::power, *x, *y));
    } else if (key == Function::RandomNumber) {
        if (outcome.after == Outcome::After::ClearAndStayOpen) {
            check(outcome.beep && outcome.message == twovalue::kBoundsMessage && !outcome.write);
            return;
        }
        check(*y > *x + 1.0 && outcome.write && outcome.message.empty() && !outcome.beep &&
              outcome.after == Outcome::After::Close);
        const std::optional<double> drawn = number(*outcome.write);
        // The written text carries 15 significant digits; a whole number beyond them is rounded.
        check(drawn && std::floor(*drawn) == *drawn);
        if (std::fabs(*x) < 1e15 && std::fabs(*y) < 1e15)
            check(*drawn > *x && *drawn < *y);
    } else {
        check(outcome == Outcome{});
    }
    if (outcome.write) {
        check(!outcome.write->empty() && outcome.write->size() <= 22 && number(*outcome.write).has_value());
    }
}

void checkColour(std::string_view text) {
    const std::uint32_t colour = preferences::colourFromSetting(text);
    check(colour <= 0xFFFFFF);
    check(preferences::colourFromSetting(preferences::colourToSetting(colour)) == colour);
    char hex[16];
    std::snprintf(hex, sizeof hex, "&H%X", static_cast<unsigned>(colour));
    check(preferences::colourFromSetting(hex) == colour);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The sine key opens no two-value dialog: OK computes nothing.
    static constexpr Function kKeys[] = {Function::YRootOfX, Function::XToThePowerY, Function::RandomNumber,
                                         Function::Sine};
    const Function key = kKeys[data[0] % 4];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto lineBreak = rest.find('\n');
    const std::string_view first = rest.substr(0, lineBreak);
    const std::string_view second = lineBreak == std::string_view::npos ? "" : rest.substr(lineBreak + 1);
    checkConfirm(key, first, second);
    checkColour(rest);
    return 0;
}
