// Key and list sequences through the calculator, in both angle modes: nothing crashes, the display never
// holds more than 24 characters, every message is a fixed text or an error report, and afterwards clear-all
// then 2 + 3 = still shows 5.
#include "core/calculator.h"
#include "support/recording_host.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace orbetta;

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::RecordingHost host;
    Calculator calc(host);
    calc.start();
    for (std::size_t i = 0; i < size; ++i) {
        const int b = data[i] % 64;
        if (b <= 9)
            calc.pressDigit(b);
        else if (b == 10)
            calc.pressDecimalPoint();
        else if (b == 11)
            calc.pressSignChange();
        else if (b == 12)
            calc.pressBackspace();
        else if (b <= 16)
            calc.pressOperation(b - 11);
        else if (b == 17)
            calc.pressEqual();
        else if (b == 18)
            calc.pressClearAll();
        else if (b == 19)
            calc.showFunctionList();
        else if (b <= 39)
            calc.pressFunction(b - 20);
        else if (b <= 59) {
            host.setListText(kListFunctions[b - 40]);
            calc.setListFunction(listFunctionNamed(kListFunctions[b - 40]));
            calc.chooseListFunction();
        } else if (i + 1 < size) {
            calc.handleCharacter(data[++i]);
        }
        check(host.display.size() <= 24);
    }
    for (const auto& m : host.messages)
        check(testing::isOwnMessage(m));
    host.clearRecord();
    testing::press(calc, host, "CE 2 + 3 =");
    check(host.display == "5" && host.messages.empty() && host.beeps == 0);
    return 0;
}
