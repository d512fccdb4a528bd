#include "support/recording_host.h"

#include <QTest>

using namespace orbetta;
using namespace orbetta::testing;

class SmokeTest : public QObject {
    Q_OBJECT
private slots:
    void run_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::newRow("add") << "2 + 3 ="
                             << "5";
        QTest::newRow("chain") << "1 / 3 * 3 ="
                               << "0.999999999999999";
        QTest::newRow("21 digits") << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1"
                                   << "1.234568E+20";
        QTest::newRow("ln 3") << "3 F1"
                              << "1.09861228867095";
        QTest::newRow("sin 180") << "1 8 0 F4"
                                 << "1.22464679914735E-16";
        QTest::newRow("asec 2 rad") << "F19 2 list:Inverse_Secant"
                                    << "2.42786827464503";
    }
    void run() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        RecordingHost host;
        Calculator calc(host);
        calc.Form_Load();
        press(calc, host, keys.toStdString());
        QCOMPARE(QString::fromStdString(host.display), display);
    }
};

QTEST_APPLESS_MAIN(SmokeTest)
#include "smoke_test.moc"
