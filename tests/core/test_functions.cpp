#include "session.h"

#include <QTest>

using namespace orbetta;
using namespace orbetta::testing;

// The evaluator of one-argument functions, reached through the function keys and the list.
class FunctionsTest : public QObject {
    Q_OBJECT
private slots:
    void values_data();
    void values();
    void codesWithoutAFunction_data();
    void codesWithoutAFunction();
    void unknownListText();
    void refusedSquareLeavesTheInteger0();
    void failurePathEmptiesDisplayAndEntry();
};

void FunctionsTest::values_data() {
    QTest::addColumn<bool>("radians");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("events");

    const QStringList none;
    const auto deg = [&](const char* name, const QString& keys, const QString& display,
                         const QStringList& events = {}) {
        QTest::newRow(name) << false << keys << display << events;
    };
    const auto rad = [&](const char* name, const QString& keys, const QString& display,
                         const QStringList& events = {}) {
        QTest::newRow(name) << true << keys << display << events;
    };

    // Logarithms: the natural one is the common one scaled by 2.302585093.
    deg("log 1000", "1000 F0", "3");
    deg("log 0 refused", "0 F0", "0", {kCantLog});
    deg("log -5 refused", "5 +/- F0", "-5", {kCantLog});
    deg("ln 10", "10 F1", "2.302585093");
    deg("ln 100", "100 F1", "4.605170186");
    deg("ln 3", "3 F1", "1.09861228867095");
    deg("ln 0 refused", "0 F1", "0", {kCantLog});

    // Antilogarithms: both bounds are accepted.
    deg("10^2", "2 F2", "100");
    deg("10^307", "307 F2", "1E+307");
    deg("10^-323", "323 +/- F2", "9.88131291682493E-324");
    deg("10^307.5 refused", "307.5 F2", "307.5", {kAntilogRange});
    deg("10^-323.5 refused", "323.5 +/- F2", "-323.5", {kAntilogRange});
    deg("e^1", "1 F3", "2.71828182845905");
    deg("e^709", "709 F3", "8.21840746155497E+307");
    deg("e^-744", "744 +/- F3", "9.88131291682493E-324");
    deg("e^709.5 refused", "709.5 F3", "709.5", {kExpRange});
    deg("e^-744.5 refused", "744.5 +/- F3", "-744.5", {kExpRange});

    // Square, square root, reciprocal, percent.
    deg("square of 1.5", "1.5 F11", "2.25");
    deg("square of -3", "3 +/- F11", "9");
    deg("square of 3E+51", "3 0{51} F11", "9E+102");
    deg("square of 3.2E+51 refused", "32 0{50} F11", "0", {kSquareRange});
    deg("square of 0 refused", "0 F11", "0", {kSquareRange});
    deg("square of 1E-101 refused", "0. 0{100} 1 F11", "0", {kSquareRange});
    deg("square beyond the double range fails", "1 0{155} F11", "1E+155", report(kOverflow));
    deg("root of 9", "9 F9", "3");
    deg("root of 2", "2 F9", "1.4142135623731");
    deg("root of 0", "0 F9", "0");
    deg("root of -4 refused", "4 +/- F9", "-4", {kNegativeRoot});
    deg("reciprocal of 3", "3 F14", "0.333333333333333");
    deg("reciprocal of 4", "4 F14", "0.25");
    deg("reciprocal of 0 refused", "0 F14", "0", {kCantDivide});
    deg("reciprocal of 0.0 refused", "0.0 F14", "0", {kCantDivide});
    deg("percent of 50", "50 F15", "0.5");

    // Trigonometry in degrees: the angle is converted with Pi, so sine of 180 is not 0.
    deg("sine of 30", "30 F4", "0.5");
    deg("sine of 180", "180 F4", "1.22464679914735E-16");
    deg("cosine of 60", "60 F5", "0.5");
    deg("tangent of 90 does not fail", "90 F6", "1.63312393531954E+16");
    deg("arctangent of 1", "1 F7", "45");
    deg("inverse sine of 0.5", "0.5 list:Inverse_Sine", "30");
    deg("inverse cosine of 0.5", "0.5 list:Inverse_Cosine", "60");
    deg("converting a huge angle overflows", "1 0{308} F4", "1E+308", report(kOverflow));

    // Radians.
    rad("sine of 30", "30 F4", "-0.988031624092862");
    rad("arctangent of 1", "1 F7", "0.785398163397448");
    rad("inverse cosine of 0.5", "0.5 list:Inverse_Cosine", "1.0471975511966");
    rad("inverse secant of 2", "2 list:Inverse_Secant", "2.42786827464503");
    rad("inverse cosecant of 2", "2 list:Inverse_Cosecant", "0.857071947850131");
    rad("inverse cotangent of 1", "1 list:Inverse_Cotangent", "2.35619449019234");

    // Failures inside a formula: the error report, then the value as it stood.
    deg("cosecant of 0", "0 list:Cosecant", "0", report(kDivisionByZero));
    rad("cosecant of 0", "0 list:Cosecant", "0", report(kDivisionByZero));
    deg("cotangent of 0", "0 list:Cotangent", "0", report(kDivisionByZero));
    rad("cotangent of 0", "0 list:Cotangent", "0", report(kDivisionByZero));
    deg("inverse sine of 1", "1 list:Inverse_Sine", "1", report(kDivisionByZero));
    deg("inverse sine of -1", "1 +/- list:Inverse_Sine", "-1", report(kDivisionByZero));
    deg("inverse sine of 2", "2 list:Inverse_Sine", "2", report(kInvalidArgument));
    rad("inverse secant of 1", "1 list:Inverse_Secant", "1", report(kDivisionByZero));
    deg("hyperbolic sine of 710", "710 list:Hyperbolic_Sine", "710", report(kOverflow));
    deg("hyperbolic tangent of 710", "710 list:Hyperbolic_Tangent", "710", report(kOverflow));
    deg("hyperbolic cosecant of 0", "0 list:Hyperbolic_Cosecant", "0", report(kDivisionByZero));
    deg("inverse hyperbolic tangent of 1", "1 list:Inverse_Hyperbolic_Tangent", "1", report(kDivisionByZero));
    deg("inverse hyperbolic cosine of 0.5", "0.5 list:Inverse_Hyperbolic_Cosine", "0.5",
        report(kInvalidArgument));
    deg("inverse hyperbolic secant of 0", "0 list:Inverse_Hyperbolic_Secant", "0", report(kDivisionByZero));
    deg("inverse hyperbolic cotangent of 0.5", "0.5 list:Inverse_Hyperbolic_Cotangent", "0.5",
        report(kInvalidArgument));
}

void FunctionsTest::values() {
    QFETCH(bool, radians);
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QStringList, events);

    Session s;
    if (radians)
        s.press("F19");
    s.press(keys);
    QCOMPARE(s.display(), display);
    QCOMPARE(s.valueText(), display);
    QCOMPARE(s.events(), events);
    QVERIFY(!s.calc.entering);
}

void FunctionsTest::codesWithoutAFunction_data() {
    QTest::addColumn<int>("code");
    for (int code : {8, 10, 12, 13, 17, 18, 19, 20, -1})
        QTest::newRow(qPrintable(QStringLiteral("code %1").arg(code))) << code;
}

void FunctionsTest::codesWithoutAFunction() {
    QFETCH(int, code);
    Session s;
    s.calc.entering = true;
    Value value = 2.5;
    s.calc.evaluateFunction(value, Value(static_cast<std::int16_t>(code)));
    QCOMPARE(value.toDouble(), 2.5);
    QVERIFY(!s.calc.entering);
    QCOMPARE(s.events(), QStringList{});
}

void FunctionsTest::unknownListText() {
    Session s;
    s.host.listVisible = true;
    s.host.list = "secant"; // the names are compared exactly
    s.calc.setListFunction(listFunctionNamed(s.host.list));
    Value value = 2.0;
    s.calc.evaluateFunction(value, Value(std::int16_t{16}));
    QCOMPARE(value.toDouble(), 2.0);
    QVERIFY(!s.host.listVisible);
    QCOMPARE(s.events(), QStringList{});
}

void FunctionsTest::refusedSquareLeavesTheInteger0() {
    Session s;
    Value value = 1e60;
    s.calc.evaluateFunction(value, Value(std::int16_t{11}));
    QVERIFY(value.isInteger());
    QCOMPARE(value.asInteger(), std::int16_t{0});
    QCOMPARE(s.events(), QStringList{kSquareRange});
}

// On the failure path the evaluator empties display and entry itself, and leaves the list as it was;
// its caller then shows the value.
void FunctionsTest::failurePathEmptiesDisplayAndEntry() {
    Session s;
    s.press("7");
    s.host.listVisible = true;
    s.host.list = "Hyperbolic Cosine";
    s.calc.setListFunction(listFunctionNamed(s.host.list));
    Value value = 800.0;
    s.calc.evaluateFunction(value, Value(std::int16_t{16}));
    QCOMPARE(value.toDouble(), 800.0);
    QCOMPARE(s.display(), QString());
    QCOMPARE(s.valueText(), QString());
    QVERIFY(s.host.listVisible);
    QCOMPARE(s.events(), report(kOverflow));
}

QTEST_APPLESS_MAIN(FunctionsTest)
#include "test_functions.moc"
