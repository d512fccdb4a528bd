#include "session.h"

#include <QTest>

using namespace orbetta;
using namespace orbetta::testing;

// The additional-function list: the "function" button shows it, a choice runs function key 16, and the
// evaluator picks the formula by the list's text.
class ListTest : public QObject {
    Q_OBJECT
private slots:
    void entries();
    void keys_data();
    void keys();
    void everyFormula_data();
    void everyFormula();
};

void ListTest::entries() {
    const QStringList expected{"Secant",
                               "Cosecant",
                               "Cotangent",
                               "Inverse Sine",
                               "Inverse Cosine",
                               "Inverse Secant",
                               "Inverse Cosecant",
                               "Inverse Cotangent",
                               "Hyperbolic Sine",
                               "Hyperbolic Cosine",
                               "Hyperbolic Tangent",
                               "Hyperbolic Secant",
                               "Hyperbolic Cosecant",
                               "Hyperbolic Cotangent",
                               "Inverse Hyperbolic Sine",
                               "Inverse Hyperbolic Cosine",
                               "Inverse Hyperbolic Tangent",
                               "Inverse Hyperbolic Secant",
                               "Inverse Hyperbolic Cosecant",
                               "Inverse Hyperbolic Cotangent"};
    QStringList actual;
    for (const char* name : kListFunctions)
        actual << QString::fromUtf8(name);
    QCOMPARE(actual, expected);
}

void ListTest::keys_data() {
    QTest::addColumn<bool>("radians");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("listText");
    QTest::addColumn<bool>("listVisible");
    QTest::addColumn<bool>("deferred");

    QTest::newRow("secant of 2 degrees") << false << "2 fn list:Secant"
                                         << "1.00060954429882"
                                         << "Secant" << false << false;
    QTest::newRow("secant of 2 radians") << true << "2 fn list:Secant"
                                         << "-2.40299796172238"
                                         << "Secant" << false << false;
    QTest::newRow("inverse hyperbolic tangent of 0.5") << false << "0.5 fn list:Inverse_Hyperbolic_Tangent"
                                                       << "0.549306144334055"
                                                       << "Inverse Hyperbolic Tangent" << false << false;
    QTest::newRow("the function button alone evaluates nothing") << false << "5 fn"
                                                                 << "5"
                                                                 << "Secant" << true << false;
    QTest::newRow("the function button resets the text") << false << "5 list:Cotangent fn"
                                                         << "11.4300523027613"
                                                         << "Secant" << true << false;
    QTest::newRow("a choice on an empty entry is deferred") << false << "list:Hyperbolic_Cosine"
                                                            << ""
                                                            << "Hyperbolic Cosine" << false << true;
    QTest::newRow("the deferred choice applies on equal") << false << "list:Hyperbolic_Cosine 1 ="
                                                          << "1.54308063481524"
                                                          << "Hyperbolic Cosine" << false << false;
    QTest::newRow("the deferred choice applies on an operation key")
        << false << "list:Hyperbolic_Cosine 1 + 1 ="
        << "2.54308063481524"
        << "Hyperbolic Cosine" << false << false;
    QTest::newRow("the text at equal decides the deferred formula")
        << false << "list:Hyperbolic_Cosine 1 fn ="
        << "1.00015232804391"
        << "Secant" << false << false;
    QTest::newRow("cosecant of 30 degrees") << false << "30 list:Cosecant"
                                            << "2"
                                            << "Cosecant" << false << false;
    QTest::newRow("hyperbolic sine of 1 in degrees") << false << "1 list:Hyperbolic_Sine"
                                                     << "1.1752011936438"
                                                     << "Hyperbolic Sine" << false << false;
    QTest::newRow("hyperbolic sine of 1 in radians") << true << "1 list:Hyperbolic_Sine"
                                                     << "1.1752011936438"
                                                     << "Hyperbolic Sine" << false << false;
    QTest::newRow("equal hides the list") << false << "2 fn ="
                                          << "0"
                                          << "Secant" << false << false;
    QTest::newRow("clear-all hides the list") << false << "2 fn CE"
                                              << ""
                                              << "Secant" << false << false;
    QTest::newRow("an operation key leaves the list") << false << "2 fn +"
                                                      << ""
                                                      << "Secant" << true << false;
    QTest::newRow("a digit leaves the list") << false << "fn 2"
                                             << "2"
                                             << "Secant" << true << false;
}

void ListTest::keys() {
    QFETCH(bool, radians);
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, listText);
    QFETCH(bool, listVisible);
    QFETCH(bool, deferred);

    Session s;
    QCOMPARE(QString::fromStdString(s.host.list), QString(" "));
    QVERIFY(!s.host.listVisible);
    if (radians)
        s.press("F19");
    s.press(keys);
    QCOMPARE(s.display(), display);
    QCOMPARE(QString::fromStdString(s.host.list), listText);
    QCOMPARE(s.host.listVisible, listVisible);
    QCOMPARE(s.calc.functionPending, deferred);
    QCOMPARE(s.events(), QStringList{});
    if (keys.contains("list:"))
        QCOMPARE(s.calc.lastFunction.asInteger(), std::int16_t{16});
}

void ListTest::everyFormula_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("radians");
    QTest::addColumn<QString>("degrees");

    // Values of the formulas as written, evaluated step by step in double precision. The inverse secant
    // and cosecant formulas are not the textbook inverses; their values are kept as the formulas give them.
    const auto row = [](const char* name, const char* argument, const char* radians, const char* degrees) {
        QTest::newRow(name) << name << argument << radians << degrees;
    };
    row("Secant", "0.5", "1.13949392732455", "1.00003807838574");
    row("Cosecant", "0.5", "2.08582964293349", "114.59301348013");
    row("Cotangent", "0.5", "1.83048772171245", "114.58865012931");
    row("Inverse Sine", "0.5", "0.523598775598299", "30");
    row("Inverse Cosine", "0.25", "1.31811607165282", "75.5224878140701");
    row("Inverse Secant", "2", "2.42786827464503", "139.106605350869");
    row("Inverse Cosecant", "-2", "-3.99866460143992", "-229.106605350869");
    row("Inverse Cotangent", "0.5", "2.0344439357957", "116.565051177078");
    row("Hyperbolic Sine", "0.5", "0.521095305493747", "0.521095305493747");
    row("Hyperbolic Cosine", "0.5", "1.12762596520638", "1.12762596520638");
    row("Hyperbolic Tangent", "0.5", "0.46211715726001", "0.46211715726001");
    row("Hyperbolic Secant", "0.5", "0.886818883970074", "0.886818883970074");
    row("Hyperbolic Cosecant", "0.5", "1.91903475133494", "1.91903475133494");
    row("Hyperbolic Cotangent", "0.5", "2.16395341373865", "2.16395341373865");
    row("Inverse Hyperbolic Sine", "0.5", "0.481211825059603", "0.481211825059603");
    row("Inverse Hyperbolic Cosine", "2", "1.31695789692482", "1.31695789692482");
    row("Inverse Hyperbolic Tangent", "0.5", "0.549306144334055", "0.549306144334055");
    row("Inverse Hyperbolic Secant", "0.5", "1.31695789692482", "1.31695789692482");
    row("Inverse Hyperbolic Cosecant", "-0.5", "-1.44363547517881", "-1.44363547517881");
    row("Inverse Hyperbolic Cotangent", "2", "0.549306144334055", "0.549306144334055");
}

void ListTest::everyFormula() {
    QFETCH(QString, name);
    QFETCH(QString, argument);
    QFETCH(QString, radians);
    QFETCH(QString, degrees);

    QString keys = argument.startsWith('-') ? argument.mid(1) + " +/-" : argument;
    keys += " fn list:" + QString(name).replace(' ', '_');

    Session inDegrees;
    inDegrees.press(keys);
    QCOMPARE(inDegrees.display(), degrees);

    Session inRadians;
    inRadians.press("F19 " + keys);
    QCOMPARE(inRadians.display(), radians);
    QVERIFY(!inRadians.host.listVisible);
    QCOMPARE(inRadians.events(), QStringList{});
}

QTEST_APPLESS_MAIN(ListTest)
#include "test_list.moc"
