#include "session.h"

#include <QTest>

using namespace orbetta;
using namespace orbetta::testing;

// The four operations, equal and clear-all: immediate, left to right, no precedence.
class ArithmeticTest : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void stateAfter_data();
    void stateAfter();
};

void ArithmeticTest::keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("valueText");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("tape"); // the lines the steps put on the tape

    const QStringList none;
    const QStringList divideRefused{kCantDivide};

    QTest::newRow("add") << "2 + 3 ="
                         << "5"
                         << "5" << none << QStringList{"2 +", "3 =", "= 5", ""};
    QTest::newRow("subtract") << "9 - 4 ="
                              << "5"
                              << "5" << none << QStringList{"9 −", "4 =", "= 5", ""};
    QTest::newRow("subtract below zero") << "2 - 5 ="
                                         << "-3"
                                         << "-3" << none << QStringList{"2 −", "5 =", "= -3", ""};
    QTest::newRow("multiply") << "6 * 7 ="
                              << "42"
                              << "42" << none << QStringList{"6 ×", "7 =", "= 42", ""};
    QTest::newRow("divide") << "7 / 2 ="
                            << "3.5"
                            << "3.5" << none << QStringList{"7 ÷", "2 =", "= 3.5", ""};
    QTest::newRow("a second equal shows the result again")
        << "2 + 3 = ="
        << "5"
        << "5" << none << QStringList{"2 +", "3 =", "= 5", "", "= 5", ""};
    QTest::newRow("no precedence") << "2 + 3 * 4 ="
                                   << "20"
                                   << "20" << none << QStringList{"2 +", "3 ×", "4 =", "= 20", ""};
    QTest::newRow("a chain empties the display") << "2 + 3 +"
                                                 << ""
                                                 << "" << none << QStringList{"2 +", "3 +"};
    QTest::newRow("a chain goes on") << "2 + 3 + 4 ="
                                     << "9"
                                     << "9" << none << QStringList{"2 +", "3 +", "4 =", "= 9", ""};
    QTest::newRow("the shown result is the next first operand")
        << "2 + 3 = * 4 ="
        << "20"
        << "20" << none << QStringList{"2 +", "3 =", "= 5", "", "5 ×", "4 =", "= 20", ""};
    QTest::newRow("equal with nothing pending drops the entry")
        << "2 + 3 = 7 ="
        << "5"
        << "5" << none << QStringList{"2 +", "3 =", "= 5", "", "= 5", ""};
    QTest::newRow("equal at start shows 0") << "5 ="
                                            << "0"
                                            << "0" << none << QStringList{"= 0", ""};
    QTest::newRow("the chained first operand comes back from its text")
        << "1 / 3 * 3 ="
        << "0.999999999999999"
        << "0.999999999999999" << none << QStringList{"1 ÷", "3 ×", "3 =", "= 0.999999999999999", ""};
    QTest::newRow("after equal the operand comes back from its text too")
        << "1 / 3 = * 3 ="
        << "0.999999999999999"
        << "0.999999999999999" << none
        << QStringList{
               "1 ÷", "3 =", "= 0.333333333333333", "", "0.333333333333333 ×", "3 =", "= 0.999999999999999",
               ""};

    // A first operand of 0 is a real operand.
    QTest::newRow("zero minus five") << "0 - 5 ="
                                     << "-5"
                                     << "-5" << none << QStringList{"0 −", "5 =", "= -5", ""};
    QTest::newRow("zero divided by five") << "0 / 5 ="
                                          << "0"
                                          << "0" << none << QStringList{"0 ÷", "5 =", "= 0", ""};
    QTest::newRow("a chained result of zero") << "2 - 2 - 3 ="
                                              << "-3"
                                              << "-3" << none << QStringList{"2 −", "2 −", "3 =", "= -3", ""};
    QTest::newRow("zero plus a deferred root")
        << "0 + F9 9 ="
        << "3"
        << "3" << none << QStringList{"0 +", "√(9) = 3", "3 =", "= 3", ""};
    QTest::newRow("zero times then plus") << "0 * 5 + 2 ="
                                          << "2"
                                          << "2" << none << QStringList{"0 ×", "5 +", "2 =", "= 2", ""};
    QTest::newRow("zero divided by zero")
        << "0 / 0 ="
        << "0"
        << "0" << divideRefused << QStringList{"0 ÷", "0 =", "can't divide by 0!", "= 0", ""};

    // Division by zero keeps the previous result.
    QTest::newRow("divide by zero at start")
        << "8 / 0 ="
        << "0"
        << "0" << divideRefused << QStringList{"8 ÷", "0 =", "can't divide by 0!", "= 0", ""};
    QTest::newRow("divide by zero shows the previous result")
        << "2 + 3 = 8 / 0 ="
        << "5"
        << "5" << divideRefused
        << QStringList{"2 +", "3 =", "= 5", "", "8 ÷", "0 =", "can't divide by 0!", "= 5", ""};
    QTest::newRow("divide by minus zero")
        << "8 / 5 +/- bs 0 ="
        << "0"
        << "0" << divideRefused << QStringList{"8 ÷", "0 =", "can't divide by 0!", "= 0", ""};
    QTest::newRow("a chain goes on after dividing by zero")
        << "2 + 3 = 8 / 0 + 1 ="
        << "6"
        << "6" << divideRefused
        << QStringList{"2 +", "3 =", "= 5", "", "8 ÷", "0 +", "can't divide by 0!", "1 =", "= 6", ""};

    // Entries that are no number.
    QTest::newRow("equal with nothing typed at start")
        << "="
        << ""
        << "" << report(kNotANumber) << QStringList{"Error: Not a number"};
    QTest::newRow("an operation key with nothing typed at start")
        << "+"
        << ""
        << "" << report(kNotANumber) << QStringList{"Error: Not a number"};
    QTest::newRow("a missing second operand")
        << "5 + ="
        << ""
        << "" << report(kNotANumber) << QStringList{"5 +", "Error: Not a number"};
    QTest::newRow("a second operand after the failure")
        << "5 + = 3 ="
        << "8"
        << "8" << report(kNotANumber) << QStringList{"5 +", "Error: Not a number", "3 =", "= 8", ""};
    QTest::newRow("an operation key twice reports twice")
        << "5 + +"
        << ""
        << "" << report(kNotANumber) + report(kNotANumber)
        << QStringList{"5 +", "Error: Not a number", "Error: Not a number"};
    QTest::newRow("a second operand after two failures")
        << "5 + + 3 ="
        << "8"
        << "8" << report(kNotANumber) + report(kNotANumber)
        << QStringList{"5 +", "Error: Not a number", "Error: Not a number", "3 =", "= 8", ""};
    QTest::newRow("an entry erased by backspace")
        << "5 + 7 bs bs ="
        << ""
        << "" << report(kNotANumber) << QStringList{"5 +", "Error: Not a number"};

    // Clear-all.
    QTest::newRow("clear-all drops the pending operation")
        << "5 + CE 3 ="
        << "0"
        << "0" << none << QStringList{"5 +", "", "= 0", ""};
    QTest::newRow("clear-all drops the result")
        << "2 + 3 = CE ="
        << ""
        << "" << report(kNotANumber) << QStringList{"2 +", "3 =", "= 5", "", "Error: Not a number"};

    // Deferred functions.
    QTest::newRow("a deferred square root") << "F9 9 ="
                                            << "3"
                                            << "3" << none << QStringList{"√(9) = 3", "= 3", ""};
    QTest::newRow("a deferred square root as second operand")
        << "5 + F9 9 ="
        << "8"
        << "8" << none << QStringList{"5 +", "√(9) = 3", "3 =", "= 8", ""};
    QTest::newRow("a deferred function applied by an operation key")
        << "F9 9 + 1 ="
        << "4"
        << "4" << none << QStringList{"√(9) = 3", "3 +", "1 =", "= 4", ""};
    QTest::newRow("a deferred refusal goes on with the entry")
        << "F0 5 +/- ="
        << "-5"
        << "-5" << QStringList{kCantLog}
        << QStringList{"log(-5): can't take log of 0 or - numbers", "= -5", ""};
    QTest::newRow("a deferred failure goes on with the entry")
        << "F19 list:Cotangent 0 ="
        << "0"
        << "0" << report(kDivisionByZero)
        << QStringList{"Cotangent(0 rad): Error: Division by zero", "= 0", ""};

    // Overflow.
    QTest::newRow("an overflowing product")
        << "1 0{300} * 1 0{300} ="
        << ""
        << "" << report(kOverflow) << QStringList{"1E+300 ×", "1E+300 =", "Error: Overflow"};
    QTest::newRow("a new second operand after an overflow")
        << "1 0{300} * 1 0{300} = 2 ="
        << "2E+300"
        << "2E+300" << report(kOverflow)
        << QStringList{"1E+300 ×", "1E+300 =", "Error: Overflow", "2 =", "= 2E+300", ""};
    QTest::newRow("an overflow in a chain")
        << "1 0{300} * 1 0{300} + 2 ="
        << "2E+300"
        << "2E+300" << report(kOverflow) + report(kNotANumber)
        << QStringList{
               "1E+300 ×", "1E+300 +", "Error: Overflow", "Error: Not a number", "2 =", "= 2E+300", ""};
    QTest::newRow("an entry beyond the double range")
        << "2 + 1 0{309} ="
        << ""
        << "" << report(kOverflow) << QStringList{"2 +", "Error: Overflow"};
    QTest::newRow("the largest double as a result")
        << "17976931348623157 0{292} + 0 ="
        << "1.798E+308"
        << "1.79769313486232E+308" << none
        << QStringList{"1.79769313486232E+308 +", "0 =", "= 1.79769313486232E+308", ""};
    QTest::newRow("the largest double's text is used again")
        << "17976931348623157 0{292} + 0 + 0 ="
        << "1.798E+308"
        << "1.79769313486232E+308" << none
        << QStringList{"1.79769313486232E+308 +", "0 +", "0 =", "= 1.79769313486232E+308", ""};
    QTest::newRow("a tiny quotient becomes 0")
        << "1 / 1 0{200} = / 1 0{200} ="
        << "0"
        << "0" << none << QStringList{"1 ÷", "1E+200 =", "= 1E-200", "", "1E-200 ÷", "1E+200 =", "= 0", ""};

    // Long results are shortened in the display only.
    const QString e86 = " 1 0{86}";
    QTest::newRow("a 21-character result")
        << "123456789012345 *" + e86 + " ="
        << "1.235E+100"
        << "1.23456789012345E+100" << none
        << QStringList{"123456789012345 ×", "1E+86 =", "= 1.23456789012345E+100", ""};
    QTest::newRow("a 22-character result")
        << "123456789012345 +/- / 1 0{114} ="
        << "-1.235E-100"
        << "-1.23456789012345E-100" << none
        << QStringList{"-123456789012345 ÷", "1E+114 =", "= -1.23456789012345E-100", ""};
    QTest::newRow("a 20-character result stays")
        << "12345678901234 * 1 0{87} ="
        << "1.2345678901234E+100"
        << "1.2345678901234E+100" << none
        << QStringList{"12345678901234 ×", "1E+87 =", "= 1.2345678901234E+100", ""};
    QTest::newRow("a 20-character plain result stays")
        << "123456789012345 / 1 0{18} ="
        << "0.000123456789012345"
        << "0.000123456789012345" << none
        << QStringList{"123456789012345 ÷", "1E+18 =", "= 0.000123456789012345", ""};
    QTest::newRow("a 21-character plain result")
        << "123456789012345 +/- / 1 0{18} ="
        << "-1.235E-04"
        << "-0.000123456789012345" << none
        << QStringList{"-123456789012345 ÷", "1E+18 =", "= -0.000123456789012345", ""};
    QTest::newRow("the long result's full text is the next operand")
        << "123456789012345 *" + e86 + " = / 1 0{86} ="
        << "123456789012345"
        << "123456789012345" << none
        << QStringList{"123456789012345 ×",       "1E+86 =", "= 1.23456789012345E+100", "",
                       "1.23456789012345E+100 ÷", "1E+86 =", "= 123456789012345",       ""};
}

void ArithmeticTest::keys() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, valueText);
    QFETCH(QStringList, events);
    QFETCH(QStringList, tape);

    Session s;
    s.press(keys);
    QCOMPARE(s.display(), display);
    QCOMPARE(s.valueText(), valueText);
    QCOMPARE(s.events(), events);
    QCOMPARE(s.tape(), tape);
}

void ArithmeticTest::stateAfter_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("first"); // firstOperand as text
    QTest::addColumn<int>("operation"); // pendingOperation, 0 for none
    QTest::addColumn<bool>("operFlag");
    QTest::addColumn<bool>("entering");

    QTest::newRow("at start") << ""
                              << "0"
                              << "0" << 0 << false << false;
    QTest::newRow("a pending addition") << "5 +"
                                        << "0"
                                        << "5" << 2 << true << false;
    QTest::newRow("a pending subtraction of a zero operand") << "0 -"
                                                             << "0"
                                                             << "0" << 3 << true << false;
    QTest::newRow("after equal") << "2 + 3 ="
                                 << "5"
                                 << "0" << 0 << false << false;
    QTest::newRow("a chain makes the new operation pending") << "2 + 3 *"
                                                             << "5"
                                                             << "5" << 4 << true << false;
    QTest::newRow("a failed operation key at start") << "+"
                                                     << "0"
                                                     << "0" << 0 << true << false;
    QTest::newRow("an overflow keeps the operands") << "1 0{300} * 1 0{300} ="
                                                    << "0"
                                                    << "1E+300" << 4 << true << false;
    QTest::newRow("a failed equal keeps the operation") << "5 - ="
                                                        << "0"
                                                        << "5" << 3 << true << false;
    QTest::newRow("clear-all") << "2 + 3 = 4 * 5 CE"
                               << "0"
                               << "0" << 0 << false << false;
    QTest::newRow("clear-all while entering") << "2 + 3 CE"
                                              << "0"
                                              << "0" << 0 << false << false;
}

void ArithmeticTest::stateAfter() {
    QFETCH(QString, keys);
    QFETCH(QString, result);
    QFETCH(QString, first);
    QFETCH(int, operation);
    QFETCH(bool, operFlag);
    QFETCH(bool, entering);

    Session s;
    s.press(keys);
    QCOMPARE(s.resultText(), result);
    QCOMPARE(QString::fromStdString(Value(s.calc.firstOperand.toDouble()).toText()), first);
    QCOMPARE(static_cast<int>(s.calc.pendingOperation.toDouble()), operation);
    QCOMPARE(s.calc.operationPressed, operFlag);
    QCOMPARE(s.calc.entering, entering);
    QVERIFY(!s.calc.functionPending);
}

QTEST_APPLESS_MAIN(ArithmeticTest)
#include "test_arithmetic.moc"
