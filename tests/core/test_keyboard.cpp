#include "session.h"

#include <QTest>

using namespace orbetta;
using namespace orbetta::testing;

namespace {

// Everything a typed character could change.
QString snapshot(const Session& s) {
    const Calculator& c = s.calc;
    return QStringLiteral("display=%1 entry=%2 entering=%3 oper=%4 fun=%5 first=%6 op=%7 result=%8")
        .arg(s.display(), s.valueText())
        .arg(c.entering)
        .arg(c.operationPressed)
        .arg(c.functionPending)
        .arg(QString::fromStdString(Value(c.firstOperand.toDouble()).toText()))
        .arg(c.pendingOperation.toDouble())
        .arg(s.resultText());
}

bool isMapped(int code) {
    return (code >= '0' && code <= '9') || code == '+' || code == '-' || code == '*' || code == '/' ||
           code == '.' || code == 13 || code == '=' || code == 'l' || code == 'C' || code == 'c' || code == 8;
}

} // namespace

// Typed characters drive the keypad exactly as clicks do.
class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void everyCharacter_data();
    void everyCharacter();
};

void KeyboardTest::typing_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("events");

    const QStringList none;
    QTest::newRow("12 + 3 =") << "key:1 key:2 key:+ key:3 key:="
                              << "15" << none;
    QTest::newRow("12 + 3 Enter") << "key:1 key:2 key:+ key:3 key:enter"
                                  << "15" << none;
    QTest::newRow("lower-case l is equal") << "key:2 key:* key:4 key:l"
                                           << "8" << none;
    QTest::newRow("upper-case L only beeps") << "key:2 key:* key:4 key:L"
                                             << "4" << QStringList{"beep"};
    QTest::newRow("L then equal still computes") << "key:2 key:* key:4 key:L key:="
                                                 << "8" << QStringList{"beep"};
    QTest::newRow("subtract") << "key:9 key:- key:4 key:="
                              << "5" << none;
    QTest::newRow("divide") << "key:9 key:/ key:4 key:="
                            << "2.25" << none;
    QTest::newRow("decimal point") << "key:. key:5"
                                   << "0.5" << none;
    QTest::newRow("second decimal point beeps") << "key:5 key:. key:."
                                                << "5." << QStringList{"beep"};
    QTest::newRow("lower-case c clears") << "key:2 key:+ key:3 key:c key:="
                                         << "" << report(kNotANumber);
    QTest::newRow("upper-case C clears") << "key:2 key:+ key:3 key:C key:4 key:="
                                         << "0" << none;
    QTest::newRow("backspace during entry") << "key:1 key:2 key:bs"
                                            << "1" << none;
    QTest::newRow("backspace after a result does nothing") << "key:2 key:+ key:3 key:= key:bs"
                                                           << "5" << none;
    QTest::newRow("a letter beeps") << "key:7 key:a"
                                    << "7" << QStringList{"beep"};
    QTest::newRow("a blank beeps") << "key:7 key:space"
                                   << "7" << QStringList{"beep"};
    QTest::newRow("a comma beeps") << "key:7 key:, key:5"
                                   << "75" << QStringList{"beep"};
    QTest::newRow("x is no multiplication") << "key:2 key:x key:3"
                                            << "23" << QStringList{"beep"};
    QTest::newRow("a colon is no division") << "key:8 key:: key:2"
                                            << "82" << QStringList{"beep"};
}

void KeyboardTest::typing() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QStringList, events);
    Session s;
    s.press(keys);
    QCOMPARE(s.display(), display);
    QCOMPARE(s.events(), events);
}

void KeyboardTest::everyCharacter_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("mapped");
    for (int code = 0; code < 256; ++code)
        QTest::newRow(qPrintable(QStringLiteral("code %1").arg(code))) << code << isMapped(code);
}

// In the middle of "2 + 3", a mapped character is used and returned; any other beeps, is discarded and
// changes nothing.
void KeyboardTest::everyCharacter() {
    QFETCH(int, code);
    QFETCH(bool, mapped);
    Session s;
    s.press("2 + 3");
    const QString before = snapshot(s);
    const int returned = s.calc.handleCharacter(code);
    if (mapped) {
        QCOMPARE(returned, code);
        QCOMPARE(s.events(), QStringList{});
    } else {
        QCOMPARE(returned, 0);
        QCOMPARE(s.events(), QStringList{"beep"});
        QCOMPARE(snapshot(s), before);
    }
}

QTEST_APPLESS_MAIN(KeyboardTest)
#include "test_keyboard.moc"
