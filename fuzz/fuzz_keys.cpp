// Key and list sequences through the calculator, in both angle modes: nothing crashes, the display never
// holds more than 24 characters, every message is a fixed text or an error report, and afterwards clear-all
// then 2 + 3 = still shows 5.
#include "core/calculator.h"
#include "core/failure.h"
#include "support/recording_host.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace orbetta;

namespace {

bool allowedMessage(const std::string& text) {
    static const std::array<std::string, 10> allowed = {
        "can't divide by 0!",
        "can't take log of 0 or - numbers",
        "x must be >-323 and <307",
        "x must be >-744 and <709",
        "can't take square root of a negative number",
        "outside the range: >1E-162 and <1E+103",
        std::string(describe(FailureKind::NotANumber)),
        std::string(describe(FailureKind::Overflow)),
        std::string(describe(FailureKind::DivisionByZero)),
        std::string(describe(FailureKind::InvalidArgument)),
    };
    return std::find(allowed.begin(), allowed.end(), text) != allowed.end();
}

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::RecordingHost host;
    Calculator calc(host);
    calc.Form_Load();
    for (std::size_t i = 0; i < size; ++i) {
        const int b = data[i] % 64;
        if (b <= 9)
            calc.Num_Click(b);
        else if (b == 10)
            calc.Command11_Click();
        else if (b == 11)
            calc.Command12_Click();
        else if (b == 12)
            calc.Command16_Click();
        else if (b <= 16)
            calc.Oper_Click(b - 11);
        else if (b == 17)
            calc.Command13_Click();
        else if (b == 18)
            calc.Command17_Click();
        else if (b == 19)
            calc.Command1_Click();
        else if (b <= 39)
            calc.Funct_Click(b - 20);
        else if (b <= 59) {
            host.setListText(kListFunctions[b - 40]);
            calc.Combo1_Click();
        } else if (i + 1 < size) {
            calc.Form_KeyPress(data[++i]);
        }
        check(host.display.size() <= 24);
    }
    for (const auto& m : host.messages)
        check(allowedMessage(m.text));
    host.clearRecord();
    testing::press(calc, host, "CE 2 + 3 =");
    check(host.display == "5" && host.messages.empty() && host.beeps == 0);
    return 0;
}
