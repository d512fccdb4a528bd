#include "session.h"

#include <QTest>

using namespace orbetta;
using namespace orbetta::testing;

// The twenty function keys: functions on the entry or deferred, memory, pi, the angle key and the
// two-value keys.
class FunctionKeysTest : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void angleKey_data();
    void angleKey();
    void twoValueKeys_data();
    void twoValueKeys();
    void everyKeyReplacesTheFunctionCode_data();
    void everyKeyReplacesTheFunctionCode();
    void memoryStoreFailureKeepsTheMemory();
};

void FunctionKeysTest::keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("valueText");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("deferred");
    QTest::addColumn<bool>("listVisible");
    QTest::addColumn<QStringList>("tape"); // the lines the steps put on the tape

    const QStringList none;
    const QString longResult = "123456789012345 * 1 0{86} ="; // 1.23456789012345E+100, shown 1.235E+100

    QTest::newRow("pi") << "F13"
                        << "3.14159265358979"
                        << "3.14159265358979" << none << false << false
                        << QStringList{"π = 3.14159265358979"};
    QTest::newRow("a digit after pi starts a new number")
        << "F13 5"
        << "5"
        << "5" << none << false << false << QStringList{"π = 3.14159265358979"};
    QTest::newRow("memory recall before any store") << "F17"
                                                    << "0"
                                                    << "0" << none << false << false << QStringList{"RM = 0"};
    QTest::newRow("memory store and recall")
        << "2.5 F18 CE F17"
        << "2.5"
        << "2.5" << none << false << false << QStringList{"M = 2.5", "", "RM = 2.5"};
    QTest::newRow("memory store leaves display and entry")
        << "2.5 F18"
        << "2.5"
        << "2.5" << none << false << false << QStringList{"M = 2.5"};
    QTest::newRow("memory store reads the shortened display")
        << longResult + " F18 CE F17"
        << "1.235E+100"
        << "1.235E+100" << none << false << false
        << QStringList{"123456789012345 ×", "1E+86 =", "= 1.23456789012345E+100", "",
                       "M = 1.235E+100",    "",        "RM = 1.235E+100"};
    QTest::newRow("a function key reads the full entry")
        << longResult + " F15"
        << "1.23456789012345E+98"
        << "1.23456789012345E+98" << none << false << false
        << QStringList{"123456789012345 ×", "1E+86 =", "= 1.23456789012345E+100", "",
                       "1.23456789012345E+100% = 1.23456789012345E+98"};
    QTest::newRow("memory store of the entry exponent form")
        << "1{21} F18 CE F17"
        << "1.111111E+20"
        << "1.111111E+20" << none << false << false
        << QStringList{"M = 1.111111E+20", "", "RM = 1.111111E+20"};
    QTest::newRow("memory store on an empty display")
        << "CE F18"
        << ""
        << "" << report(kNotANumber) << false << false << QStringList{"Error: Not a number"};
    QTest::newRow("reciprocal") << "3 F14"
                                << "0.333333333333333"
                                << "0.333333333333333" << none << false << false
                                << QStringList{"1/(3) = 0.333333333333333"};
    QTest::newRow("log of -5 shows the entry again")
        << "5 +/- F0"
        << "-5"
        << "-5" << QStringList{kCantLog} << false << false
        << QStringList{"log(-5): can't take log of 0 or - numbers"};
    QTest::newRow("a function on an empty entry is deferred") << "F4"
                                                              << ""
                                                              << "" << none << true << false << QStringList{};
    QTest::newRow("the deferred function applies on equal")
        << "F4 30 ="
        << "0.5"
        << "0.5" << none << false << false << QStringList{"sin(30°) = 0.5", "= 0.5", ""};
    QTest::newRow("a later function key replaces the deferred one")
        << "F4 30 F15 ="
        << "0.003"
        << "0.003" << none << false << false << QStringList{"30% = 0.3", "0.3% = 0.003", "= 0.003", ""};
    QTest::newRow("pi replaces the deferred function")
        << "F9 F13 ="
        << "3.14159265358979"
        << "3.14159265358979" << none << false << false
        << QStringList{"π = 3.14159265358979", "= 3.14159265358979", ""};
    QTest::newRow("a long function value is not shortened")
        << "123456789012345 +/- * 1 0{86} = F15"
        << "-1.23456789012345E+98"
        << "-1.23456789012345E+98" << none << false << false
        << QStringList{"-123456789012345 ×", "1E+86 =", "= -1.23456789012345E+100", "",
                       "-1.23456789012345E+100% = -1.23456789012345E+98"};
    QTest::newRow("a function on a lone minus")
        << "5 +/- bs F4"
        << ""
        << "" << report(kNotANumber) << false << false << QStringList{"Error: Not a number"};
    QTest::newRow("a function on an entry beyond the range")
        << "1 0{400} F4"
        << ""
        << "" << report(kOverflow) << false << false << QStringList{"Error: Overflow"};

    // The list is hidden by every function key, except when the key itself fails.
    QTest::newRow("pi hides the list")
        << "fn F13"
        << "3.14159265358979"
        << "3.14159265358979" << none << false << false << QStringList{"π = 3.14159265358979"};
    QTest::newRow("a deferred function hides the list") << "fn F4"
                                                        << ""
                                                        << "" << none << true << false << QStringList{};
    QTest::newRow("the angle key hides the list") << "2 fn F19"
                                                  << ""
                                                  << "" << none << false << false << QStringList{};
    QTest::newRow("a refused function hides the list")
        << "0 fn F0"
        << "0"
        << "0" << QStringList{kCantLog} << false << false
        << QStringList{"log(0): can't take log of 0 or - numbers"};
    QTest::newRow("a failed memory store keeps the list")
        << "2 fn + F18"
        << ""
        << "" << report(kNotANumber) << false << true << QStringList{"2 +", "Error: Not a number"};
    QTest::newRow("a failed conversion keeps the list")
        << "5 +/- bs fn F4"
        << ""
        << "" << report(kNotANumber) << false << true << QStringList{"Error: Not a number"};
}

void FunctionKeysTest::keys() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, valueText);
    QFETCH(QStringList, events);
    QFETCH(QStringList, tape);
    QFETCH(bool, deferred);
    QFETCH(bool, listVisible);

    Session s;
    s.press(keys);
    QCOMPARE(s.display(), display);
    QCOMPARE(s.valueText(), valueText);
    QCOMPARE(s.events(), events);
    QCOMPARE(s.tape(), tape);
    QCOMPARE(s.calc.functionPending, deferred);
    QCOMPARE(s.host.listVisible, listVisible);
}

void FunctionKeysTest::angleKey_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("at start") << 0 << "deg"
                              << "degree (click to change radian)";
    QTest::newRow("once") << 1 << "rad"
                          << "radian (click to change to degree)";
    QTest::newRow("twice") << 2 << "deg"
                           << "degree (click to change to radian)";
    QTest::newRow("three times") << 3 << "rad"
                                 << "radian (click to change to degree)";
}

void FunctionKeysTest::angleKey() {
    QFETCH(int, presses);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);

    Session s;
    s.press("12");
    for (int i = 0; i < presses; ++i)
        s.press("F19");
    QCOMPARE(QString::fromStdString(s.host.angle), caption);
    QCOMPARE(QString::fromStdString(s.host.angleToolTip), toolTip);
    QCOMPARE(s.display(), presses ? QString() : QString("12"));
    QCOMPARE(s.valueText(), presses ? QString() : QString("12"));
    // The mode in force is the caption's: sine of 90 is 1 in degrees.
    s.press("CE 90 F4");
    QCOMPARE(s.display(), caption == "deg" ? QString("1") : QString("0.893996663600558"));
}

void FunctionKeysTest::twoValueKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("dialog");

    QTest::newRow("y root of x") << 8 << QStringList{"y root of x", "value(x):", "root (y):"};
    QTest::newRow("x to the power of y")
        << 10 << QStringList{"x to the power of y", "value(x):", "power(y):"};
    QTest::newRow("random number") << 12 << QStringList{"random number", "lower value:", "upper value:"};
}

void FunctionKeysTest::twoValueKeys() {
    QFETCH(int, key);
    QFETCH(QStringList, dialog);

    Session s;
    s.press("25 fn");
    s.calc.pressFunction(key);
    QCOMPARE(s.display(), QString());
    QCOMPARE(s.valueText(), QString());
    QCOMPARE(s.host.dialogOpenings, 1);
    QStringList shown;
    for (const std::string& text : s.host.dialog)
        shown << QString::fromStdString(text);
    QCOMPARE(shown, dialog);
    QVERIFY(!s.host.listVisible);
    QVERIFY(!s.calc.entering);
    QCOMPARE(s.events(), QStringList{});

    // The dialog's result becomes the entry: a function key uses it.
    s.calc.receiveTwoValueResult("16");
    s.press("F9");
    QCOMPARE(s.display(), QString("4"));
}

void FunctionKeysTest::everyKeyReplacesTheFunctionCode_data() {
    QTest::addColumn<int>("key");
    for (int key = 0; key < 20; ++key)
        QTest::newRow(qPrintable(QStringLiteral("key %1").arg(key))) << key;
}

void FunctionKeysTest::everyKeyReplacesTheFunctionCode() {
    QFETCH(int, key);
    Session s;
    s.press("4");
    s.calc.pressFunction(key);
    QCOMPARE(s.calc.lastFunction.asInteger(), static_cast<std::int16_t>(key));
    QVERIFY(!s.calc.entering);
    QVERIFY(s.host.longestShown <= 24);
}

void FunctionKeysTest::memoryStoreFailureKeepsTheMemory() {
    Session s;
    s.press("7 F18 CE F18");
    QCOMPARE(s.events(), report(kNotANumber));
    QCOMPARE(s.calc.memory, 7.0);
    QCOMPARE(s.press("F17").display(), QString("7"));
}

QTEST_APPLESS_MAIN(FunctionKeysTest)
#include "test_function_keys.moc"
