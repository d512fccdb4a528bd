#include "session.h"

#include <QTest>

using namespace orbetta;
using namespace orbetta::testing;

// Number entry: digits, decimal point, sign change, backspace, and what the display makes of long text.
class EntryTest : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void keys_data();
    void keys();
    void displayKeepsItsFirst24Characters_data();
    void displayKeepsItsFirst24Characters();
    void paste_data();
    void paste();
};

void EntryTest::startState() {
    Session s;
    QCOMPARE(s.display(), QString());
    QCOMPARE(s.valueText(), QString());
    QVERIFY(s.calc.result.isZero());
    QVERIFY(s.calc.pendingOperation.isZero());
    QVERIFY(s.calc.firstOperand.isZero());
    QVERIFY(!s.calc.operationPressed);
    QVERIFY(!s.calc.entering);
    QVERIFY(!s.calc.functionPending);
    QCOMPARE(s.calc.memory, 0.0);
    QCOMPARE(s.calc.pi.toDouble(), 4.0 * std::atan(1.0));
    QCOMPARE(s.events(), QStringList{});
}

void EntryTest::keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("valueText");
    QTest::addColumn<bool>("entering");
    QTest::addColumn<QStringList>("events");

    const QStringList none;
    const QStringList beep{"beep"};
    const QString digits21 = "123456789012345678901";
    const QString digits25 = "1234567890123456789012345";

    // Digits.
    QTest::newRow("one digit") << "7"
                               << "7"
                               << "7" << true << none;
    QTest::newRow("leading zeros stay") << "0 0 7"
                                        << "007"
                                        << "007" << true << none;
    QTest::newRow("a digit after a result starts a new number") << "2 + 3 = 7"
                                                                << "7"
                                                                << "7" << true << none;
    QTest::newRow("20 digits stay plain") << "12345678901234567890"
                                          << "12345678901234567890"
                                          << "12345678901234567890" << true << none;
    QTest::newRow("21 digits show the exponent form")
        << digits21 << "1.234568E+20" << digits21 << true << none;
    QTest::newRow("the exponent form rounds up into the next power")
        << "9{21}"
        << "1.000000E+21" << QString(21, '9') << true << none;
    QTest::newRow("25 digits show their true magnitude")
        << digits25 << "1.234568E+24" << digits25 << true << none;
    QTest::newRow("a long fraction shows the exponent form") << "0. 0{19} 1"
                                                             << "1.000000E-20"
                                                             << "0." + QString(19, '0') + "1" << true << none;

    // Decimal point.
    QTest::newRow("point at start") << "."
                                    << "0."
                                    << "0." << true << none;
    QTest::newRow("second point beeps") << "5 . ."
                                        << "5."
                                        << "5." << true << beep;
    QTest::newRow("point blocked by a shown result with a point") << "5 / 2 = ."
                                                                  << "2.5"
                                                                  << "2.5" << false << beep;
    QTest::newRow("point after a whole result starts 0.") << "5 + 3 = ."
                                                          << "0."
                                                          << "0." << true << none;
    QTest::newRow("digit after that point") << "5 + 3 = . 5"
                                            << "0.5"
                                            << "0.5" << true << none;
    QTest::newRow("point on an emptied entry stands alone") << "1 bs ."
                                                            << "."
                                                            << "." << true << none;
    QTest::newRow("point beeps on the exponent form") << digits21 + " ."
                                                      << "1.234568E+20" << digits21 << true << beep;

    // Sign change.
    QTest::newRow("sign change at start does nothing") << "+/-"
                                                       << ""
                                                       << "" << false << none;
    QTest::newRow("sign change normalises the entry") << "12.50 +/-"
                                                      << "-12.5"
                                                      << "-12.5" << true << none;
    QTest::newRow("sign change drops leading zeros") << "007 +/-"
                                                     << "-7"
                                                     << "-7" << true << none;
    QTest::newRow("sign change twice") << "5 +/- +/-"
                                       << "5"
                                       << "5" << true << none;
    QTest::newRow("sign change of zero") << "0 +/-"
                                         << "0"
                                         << "0" << true << none;
    QTest::newRow("a negated result is extended by digits") << "5 + 3 = +/- 5"
                                                            << "-85"
                                                            << "-85" << true << none;
    QTest::newRow("sign change of the exponent form") << digits21 + " +/-"
                                                      << "-1.234568E+20"
                                                      << "-1.234568E+20" << true << none;
    QTest::newRow("digits append to the negated exponent form") << digits21 + " +/- 5"
                                                                << "-1.234568E+205"
                                                                << "-1.234568E+205" << true << none;
    QTest::newRow("sign change on an emptied entry does nothing") << "5 bs +/-"
                                                                  << ""
                                                                  << "" << true << none;
    QTest::newRow("sign change on a lone minus does nothing") << "5 +/- bs +/-"
                                                              << "-"
                                                              << "-" << true << none;

    // An entry whose exponent leaves the double range is shown as typed; it fails only when it is used.
    const QString hugeResult = QString(digits25) + "9 + 0 = +/-"; // -1.23456789012346E+25, 21 characters
    QTest::newRow("a negated long result is shown whole") << hugeResult << "-1.23456789012346E+25"
                                                          << "-1.23456789012346E+25" << true << none;
    QTest::newRow("a digit on it still reads as a number") << hugeResult + " 5"
                                                           << "-1.234568E+255"
                                                           << "-1.23456789012346E+255" << true << none;
    QTest::newRow("beyond the double range the text shows as typed")
        << hugeResult + " 5 5"
        << "-1.23456789012346E+2555"
        << "-1.23456789012346E+2555" << true << none;
    QTest::newRow("the text as typed is cut to 24 characters") << hugeResult + " 5 5 5 5"
                                                               << "-1.23456789012346E+25555"
                                                               << "-1.23456789012346E+255555" << true << none;
    QTest::newRow("equal then reports the overflow") << hugeResult + " 5 5 ="
                                                     << ""
                                                     << "" << false << report(kOverflow);
    QTest::newRow("an operation key reports it too") << hugeResult + " 5 5 *"
                                                     << ""
                                                     << "" << false << report(kOverflow);

    // Backspace.
    QTest::newRow("backspace removes the last character") << "123 bs"
                                                          << "12"
                                                          << "12" << true << none;
    QTest::newRow("backspace twice") << "123 bs bs"
                                     << "1"
                                     << "1" << true << none;
    QTest::newRow("backspace empties the entry") << "123 bs bs bs"
                                                 << ""
                                                 << "" << true << none;
    QTest::newRow("backspace on an empty entry keeps it empty") << "123 bs bs bs bs"
                                                                << ""
                                                                << "" << true << none;
    QTest::newRow("backspace at start does nothing") << "bs"
                                                     << ""
                                                     << "" << false << none;
    QTest::newRow("backspace after a result does nothing") << "2 + 3 = bs"
                                                           << "5"
                                                           << "5" << false << none;
    QTest::newRow("backspace after 21 digits shows 20 plain") << digits21 + " bs"
                                                              << "12345678901234567890"
                                                              << "12345678901234567890" << true << none;
    QTest::newRow("backspace after 26 digits shows the raw text cut")
        << digits25 + "6 bs"
        << "123456789012345678901234" << digits25 << true << none;
    QTest::newRow("point after a cut entry keeps every digit")
        << digits25 + "6 bs ."
        << "123456789012345678901234" << digits25 + "." << true << none;
    QTest::newRow("point after a cut entry, then a digit")
        << digits25 + "6 bs . 5"
        << "1.234568E+24" << digits25 + ".5" << true << none;
    QTest::newRow("point beeps when the cut entry already has one")
        << digits25 + "6 bs . ."
        << "123456789012345678901234" << digits25 + "." << true << beep;
    QTest::newRow("sign change on a cut entry negates the whole entry")
        << digits25 + "6 bs +/-"
        << "-1.23456789012346E+24"
        << "-1.23456789012346E+24" << true << none;
    QTest::newRow("sign change and backspace leave a lone minus") << "5 +/- bs"
                                                                  << "-"
                                                                  << "-" << true << none;
    QTest::newRow("the lone minus fails on equal") << "5 +/- bs ="
                                                   << ""
                                                   << "" << false << report(kNotANumber);
    QTest::newRow("the lone minus fails on an operation key") << "5 +/- bs +"
                                                              << ""
                                                              << "" << false << report(kNotANumber);
    QTest::newRow("digits after the lone minus make a negative number") << "5 +/- bs 3"
                                                                        << "-3"
                                                                        << "-3" << true << none;

    // The state stays usable after a key that did nothing.
    QTest::newRow("usable after a sign change on nothing") << "5 bs +/- 3 + 4 ="
                                                           << "7"
                                                           << "7" << false << none;
    QTest::newRow("usable after a sign change on a lone minus") << "5 +/- bs +/- 3 + 4 ="
                                                                << "1"
                                                                << "1" << false << none;
    QTest::newRow("the full entry, not the display, is the operand")
        << digits25 + " + 0 ="
        << "1.23456789012346E+24"
        << "1.23456789012346E+24" << false << none;
    QTest::newRow("leading zeros read as the number") << "2 + 0 0 7 ="
                                                      << "9"
                                                      << "9" << false << none;
}

void EntryTest::keys() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, valueText);
    QFETCH(bool, entering);
    QFETCH(QStringList, events);

    Session s;
    s.press(keys);
    QCOMPARE(s.display(), display);
    QCOMPARE(s.valueText(), valueText);
    QCOMPARE(s.calc.entering, entering);
    QCOMPARE(s.events(), events);
}

void EntryTest::displayKeepsItsFirst24Characters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("display");
    QTest::newRow("24 characters") << "123456789012345678901234"
                                   << "123456789012345678901234";
    QTest::newRow("25 characters") << "1234567890123456789012345"
                                   << "123456789012345678901234";
    QTest::newRow("long negative exponent form") << "-1.23456789012345E-100xyz"
                                                 << "-1.23456789012345E-100xy";
}

// The two-value dialog writes its result straight into the display and the entry.
void EntryTest::displayKeepsItsFirst24Characters() {
    QFETCH(QString, text);
    QFETCH(QString, display);
    Session s;
    s.calc.receiveTwoValueResult(text.toStdString());
    QCOMPARE(s.display(), display);
    QCOMPARE(s.valueText(), text);
    QVERIFY(s.host.longestShown <= 24);
}

void EntryTest::paste_data() {
    QTest::addColumn<QString>("before"); // keys pressed before the paste
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after"); // keys pressed after it
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("valueText");
    QTest::addColumn<bool>("entering");
    QTest::addColumn<int>("beeps");

    const QString digits21 = "123456789012345678901";
    QTest::newRow("a number") << ""
                              << "15"
                              << ""
                              << "15"
                              << "15" << true << 0;
    QTest::newRow("blanks and a line end around it") << ""
                                                     << " \t2.5 \r\n"
                                                     << ""
                                                     << "2.5"
                                                     << "2.5" << true << 0;
    QTest::newRow("signed, with an exponent") << ""
                                              << "-1.5e3"
                                              << ""
                                              << "-1.5e3"
                                              << "-1.5e3" << true << 0;
    QTest::newRow("used as typed") << "2 +"
                                   << "13"
                                   << "="
                                   << "15"
                                   << "15" << false << 0;
    QTest::newRow("a digit typed next is appended") << ""
                                                    << ".5"
                                                    << "7"
                                                    << ".57"
                                                    << ".57" << true << 0;
    QTest::newRow("replaces the number being typed") << "9 9"
                                                     << "3"
                                                     << ""
                                                     << "3"
                                                     << "3" << true << 0;
    QTest::newRow("after a result") << "2 + 3 ="
                                    << "7"
                                    << "* 2 ="
                                    << "14"
                                    << "14" << false << 0;
    QTest::newRow("long entry in the exponent form") << "" << digits21 << ""
                                                     << "1.234568E+20" << digits21 << true << 0;
    // Numbers copied from documents and spreadsheets.
    QTest::newRow("commas group, point marks") << ""
                                               << "1,234,567.89"
                                               << ""
                                               << "1234567.89"
                                               << "1234567.89" << true << 0;
    QTest::newRow("spaces group") << ""
                                  << "-1 234 567.5"
                                  << ""
                                  << "-1234567.5"
                                  << "-1234567.5" << true << 0;
    QTest::newRow("no-break and thin spaces group") << ""
                                                    << "\u00a01\u00a0234\u2009567\u202f890\u00a0"
                                                    << ""
                                                    << "1234567890"
                                                    << "1234567890" << true << 0;
    QTest::newRow("apostrophes group") << ""
                                       << "1'234.5"
                                       << ""
                                       << "1234.5"
                                       << "1234.5" << true << 0;
    QTest::newRow("European form") << ""
                                   << "1.234.567,89"
                                   << ""
                                   << "1234567.89"
                                   << "1234567.89" << true << 0;
    QTest::newRow("points alone group") << ""
                                        << "1.234.567"
                                        << ""
                                        << "1234567"
                                        << "1234567" << true << 0;
    QTest::newRow("a plus sign is dropped") << ""
                                            << "+1,234.5"
                                            << ""
                                            << "1234.5"
                                            << "1234.5" << true << 0;
    QTest::newRow("lone comma of thousands beeps") << ""
                                                   << "1,234"
                                                   << ""
                                                   << ""
                                                   << "" << false << 1;
    QTest::newRow("groups not of three beep") << ""
                                              << "12,34.5"
                                              << ""
                                              << ""
                                              << "" << false << 1;
    QTest::newRow("mixed grouping beeps") << ""
                                          << "1,234 567"
                                          << ""
                                          << ""
                                          << "" << false << 1;
    QTest::newRow("text beeps") << "9"
                                << "abc"
                                << ""
                                << "9"
                                << "9" << true << 1;
    QTest::newRow("nothing beeps") << ""
                                   << ""
                                   << ""
                                   << ""
                                   << "" << false << 1;
    QTest::newRow("blanks only beep") << "2 + 3 ="
                                      << "  "
                                      << ""
                                      << "5"
                                      << "5" << false << 1;
    QTest::newRow("decimal comma beeps") << ""
                                         << "1,5"
                                         << ""
                                         << ""
                                         << "" << false << 1;
    QTest::newRow("two points beep") << ""
                                     << "1.2.3"
                                     << ""
                                     << ""
                                     << "" << false << 1;
    QTest::newRow("blank inside beeps") << ""
                                        << "12 34"
                                        << ""
                                        << ""
                                        << "" << false << 1;
    QTest::newRow("beyond the range beeps") << ""
                                            << "1e999"
                                            << ""
                                            << ""
                                            << "" << false << 1;
    QTest::newRow("a second line beeps") << ""
                                         << "1\n2"
                                         << ""
                                         << ""
                                         << "" << false << 1;
}

// A pasted number becomes the entry as if typed; anything else beeps and changes nothing.
void EntryTest::paste() {
    QFETCH(QString, before);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    QFETCH(QString, display);
    QFETCH(QString, valueText);
    QFETCH(bool, entering);
    QFETCH(int, beeps);

    Session s;
    s.press(before);
    s.host.clearRecord();
    s.calc.pasteEntry(clipboard.toStdString());
    QCOMPARE(s.host.beeps, beeps);
    s.press(after);
    QCOMPARE(s.display(), display);
    QCOMPARE(s.valueText(), valueText);
    QCOMPARE(s.calc.entering, entering);
    QCOMPARE(s.host.messages.size(), std::size_t(0));
}

QTEST_APPLESS_MAIN(EntryTest)
#include "test_entry.moc"
