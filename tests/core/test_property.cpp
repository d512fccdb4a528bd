#include "core/conversions.h"
#include "session.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace orbetta;
using namespace orbetta::testing;

namespace {

// Seeded random key sequences: whatever is pressed, the calculator never crashes, never writes more than
// the display holds, shows only its own messages and can always be cleared and used again.

enum class Action {
    Digit,
    DigitBurst,
    Point,
    Sign,
    Backspace,
    Operation,
    Equal,
    ClearAll,
    lastFunction,
    FunctionButton,
    ListChoice,
    Typed,
    TwoValueResult
};

struct Key {
    Key(Action a, int n = 0, std::string t = {}) : action(a), arg(n), text(std::move(t)) {}
    Action action;
    int arg;
    std::string text; // list name or two-value result
};

std::string describeKey(const Key& k) {
    switch (k.action) {
    case Action::Digit:
        return std::to_string(k.arg);
    case Action::DigitBurst:
        return std::to_string(k.arg % 10) + "{" + std::to_string(k.arg / 10) + "}";
    case Action::Point:
        return ".";
    case Action::Sign:
        return "+/-";
    case Action::Backspace:
        return "bs";
    case Action::Operation:
        return std::string(1, "  +-*/"[k.arg]);
    case Action::Equal:
        return "=";
    case Action::ClearAll:
        return "CE";
    case Action::lastFunction:
        return "F" + std::to_string(k.arg);
    case Action::FunctionButton:
        return "fn";
    case Action::ListChoice:
        return "list:" + k.text;
    case Action::Typed:
        return "key#" + std::to_string(k.arg);
    case Action::TwoValueResult:
        return "dialog:" + k.text;
    }
    return "?";
}

class KeyGenerator {
public:
    explicit KeyGenerator(std::uint32_t seed) : rng_(seed) {}

    Key next() {
        // Weights favour digits and operations so that sequences build real numbers and chains.
        static const std::array<int, 13> weights{30, 2, 5, 4, 5, 12, 8, 1, 12, 3, 4, 10, 2};
        std::discrete_distribution<int> pick(weights.begin(), weights.end());
        const auto action = static_cast<Action>(pick(rng_));
        switch (action) {
        case Action::Digit:
            return {action, uniform(0, 9)};
        case Action::DigitBurst:
            return {action, uniform(0, 9) + 10 * uniform(15, 400)};
        case Action::Operation:
            return {action, uniform(2, 5)};
        case Action::lastFunction:
            return {action, uniform(0, 19)};
        case Action::ListChoice: {
            const int i = uniform(0, 20);
            return {action, 0, i < 20 ? kListFunctions[i] : "secant"};
        }
        case Action::Typed:
            return {action, uniform(0, 127)};
        case Action::TwoValueResult:
            return {action, 0, randomResultText()};
        default:
            return {action};
        }
    }

    int length() { return uniform(1, 40); }

private:
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // What the dialog writes back: a number in the calculator's own text form, of any magnitude.
    std::string randomResultText() {
        const double mantissa = std::uniform_real_distribution<double>(-10.0, 10.0)(rng_);
        const double scale = std::pow(10.0, uniform(-320, 305));
        return formatNumber(mantissa * scale);
    }

    std::mt19937 rng_;
};

void apply(Calculator& calc, RecordingHost& host, const Key& k) {
    switch (k.action) {
    case Action::Digit:
        calc.pressDigit(k.arg);
        break;
    case Action::DigitBurst:
        for (int n = k.arg / 10; n > 0; --n)
            calc.pressDigit(k.arg % 10);
        break;
    case Action::Point:
        calc.pressDecimalPoint();
        break;
    case Action::Sign:
        calc.pressSignChange();
        break;
    case Action::Backspace:
        calc.pressBackspace();
        break;
    case Action::Operation:
        calc.pressOperation(k.arg);
        break;
    case Action::Equal:
        calc.pressEqual();
        break;
    case Action::ClearAll:
        calc.pressClearAll();
        break;
    case Action::lastFunction:
        calc.pressFunction(k.arg);
        break;
    case Action::FunctionButton:
        calc.showFunctionList();
        break;
    case Action::ListChoice:
        host.setListText(k.text);
        calc.setListFunction(listFunctionNamed(k.text));
        calc.chooseListFunction();
        break;
    case Action::Typed:
        calc.handleCharacter(k.arg);
        break;
    case Action::TwoValueResult:
        calc.receiveTwoValueResult(k.text);
        break;
    }
}

int sequenceCount() {
    // Sanitizer builds set a smaller count through the environment.
    const QByteArray configured = qgetenv("ORBETTA_PROPERTY_SEQUENCES");
    bool ok = false;
    const int n = configured.toInt(&ok);
    return ok && n > 0 ? n : 30000;
}

} // namespace

class PropertyTest : public QObject {
    Q_OBJECT
private slots:
    void randomKeys_data();
    void randomKeys();
};

void PropertyTest::randomKeys_data() {
    QTest::addColumn<bool>("startInRadians");
    QTest::addColumn<std::uint32_t>("seed");
    QTest::newRow("starting in degrees") << false << std::uint32_t{0x0b3e77a1};
    QTest::newRow("starting in radians") << true << std::uint32_t{0x5eed2024};
}

void PropertyTest::randomKeys() {
    QFETCH(bool, startInRadians);
    QFETCH(std::uint32_t, seed);

    KeyGenerator generator(seed);
    const int sequences = sequenceCount() / 2;
    std::vector<Key> keys;
    for (int sequence = 0; sequence < sequences; ++sequence) {
        Session s;
        if (startInRadians)
            s.calc.pressFunction(19);
        keys.clear();
        const int length = generator.length();
        for (int i = 0; i < length; ++i)
            keys.push_back(generator.next());

        const auto story = [&] {
            std::string out = "sequence " + std::to_string(sequence) + ":";
            for (const Key& k : keys)
                out += " " + describeKey(k);
            return out;
        };

        try {
            for (const Key& k : keys)
                apply(s.calc, s.host, k);
        } catch (const std::exception& e) {
            QFAIL(qPrintable(QString::fromStdString(story() + " threw " + e.what())));
        }
        if (s.host.longestShown > 24)
            QFAIL(qPrintable(QString::fromStdString(story() + " wrote more than 24 characters")));
        for (const RecordingHost::Message& m : s.host.messages) {
            if (!isOwnMessage(m))
                QFAIL(qPrintable(QString::fromStdString(story() + " showed \"" + m.text + "\"")));
        }

        s.host.clearRecord();
        try {
            s.press("CE 2 + 3 =");
        } catch (const std::exception& e) {
            QFAIL(qPrintable(QString::fromStdString(story() + " then clear-all threw " + e.what())));
        }
        if (s.display() != "5" || !s.host.messages.empty() || s.host.beeps != 0)
            QFAIL(qPrintable(
                QString::fromStdString(story() + " then CE 2 + 3 = showed \"" + s.host.display + "\"")));
    }
}

QTEST_APPLESS_MAIN(PropertyTest)
#include "test_property.moc"
