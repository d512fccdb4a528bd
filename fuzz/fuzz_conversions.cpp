// The two number conversions: any text is read without a crash; a number read back from its own text gives
// the same text; a pasted text's entry reads as itself; every finite double printed and read back gives the
// same 15-digit text.
#include "core/conversions.h"
#include "core/failure.h"
#include "core/pasted_number.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace orbetta;

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

void roundTrip(double value) {
    if (!std::isfinite(value))
        return;
    const std::string text = formatNumber(value);
    check(!text.empty() && text.size() <= 22);
    check(formatNumber(parseNumber(text)) == text);
    // The short display forms round up past the largest double only at the very top of the range.
    for (int decimals : {3, 6}) {
        const std::string sci = formatScientific(value, decimals);
        try {
            check(formatScientific(parseNumber(sci), decimals) == sci);
        } catch (const Failure&) {
            check(std::fabs(value) >= 1.7975e308);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        roundTrip(value);
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        roundTrip(parseNumber(text));
    } catch (const Failure& failure) {
        check(failure.kind() == FailureKind::NotANumber || failure.kind() == FailureKind::Overflow);
    }
    // A pasted text's entry is already in its plain form.
    if (const auto entry = pastedEntryText(text))
        check(pastedEntryText(*entry) == entry);
    return 0;
}
