#include "support/two_value_keys.h"
#include "twovalue/twovalue.h"

#include <QtTest>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>

using orbetta::Icon;
using orbetta::twovalue::Outcome;
using orbetta::twovalue::RandomSource;

namespace {

const QString kRoot = "y root of x";
const QString kPower = "x to the power of y";
const QString kRandom = "random number";

// The shortest text that reads back as the given double.
QString exactText(double value) {
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    Q_UNUSED(ec);
    return QString::fromLatin1(buffer.data(), static_cast<int>(end - buffer.data()));
}

Outcome confirm(const QString& caption, const QString& first, const QString& second, RandomSource& random) {
    return orbetta::twovalue::confirm(orbetta::testing::twoValueKeyCaptioned(caption), first.toStdString(),
                                      second.toStdString(), random);
}

} // namespace

class TwoValueTest : public QObject {
    Q_OBJECT
private slots:
    void confirmOk_data();
    void confirmOk();
    void drawingEndsWithinBoundedDraws_data();
    void drawingEndsWithinBoundedDraws();
    void boundsWithoutWholeNumberAreRefused_data();
    void boundsWithoutWholeNumberAreRefused();
    void widthDrawingReachesEveryWholeNumber();
    void freshGeneratorsDrawTheSameSequence();
    void generatorStaysInsideUnitInterval();
    void keyFilter_data();
    void keyFilter();
};

void TwoValueTest::confirmOk_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("beep");
    QTest::addColumn<QString>("message"); // "!" before the text: exclamation icon
    QTest::addColumn<QString>("written"); // "-" writes nothing
    QTest::addColumn<QString>("after");   // close, stay, clear
    QTest::addColumn<QString>("tape");    // the tape's line for what was written

    const QString zeroRoot = "can't do 0 root!";
    const QString outOfRange = "!result is outside the range!";
    const QString bounds = "upperbound value must be > lowerbound value+1";

    QTest::newRow("cube root of 27") << kRoot << "27"
                                     << "3" << false << ""
                                     << "3"
                                     << "close"
                                     << "root 3 of 27 = 3";
    QTest::newRow("square root of 2, 15 digits") << kRoot << "2"
                                                 << "2" << false << ""
                                                 << "1.4142135623731"
                                                 << "close"
                                                 << "root 2 of 2 = 1.4142135623731";
    QTest::newRow("root .5 reads as 0.5") << kRoot << "8"
                                          << ".5" << false << ""
                                          << "64"
                                          << "close"
                                          << "root 0.5 of 8 = 64";
    QTest::newRow("7. reads as 7") << kRoot << "7."
                                   << "1" << false << ""
                                   << "7"
                                   << "close"
                                   << "root 1 of 7 = 7";
    QTest::newRow("root 0") << kRoot << "5"
                            << "0" << false << zeroRoot << "-"
                            << "close"
                            << "";
    QTest::newRow("root 0.0") << kRoot << "5"
                              << "0.0" << false << zeroRoot << "-"
                              << "close"
                              << "";
    QTest::newRow("root 00") << kRoot << "5"
                             << "00" << false << zeroRoot << "-"
                             << "close"
                             << "";
    QTest::newRow("root 0.001 of 10 overflows") << kRoot << "10"
                                                << "0.001" << false << outOfRange << "0"
                                                << "close"
                                                << "root 0.001 of 10: result is outside the range!";
    QTest::newRow("1 / y overflows") << kRoot << "10"
                                     << "1E-320" << false << outOfRange << "0"
                                     << "close"
                                     << "root 9.99988867182683E-321 of 10: result is outside the range!";
    QTest::newRow("pasted negative base, odd root") << kRoot << "-8"
                                                    << "3" << false << ""
                                                    << "-"
                                                    << "close"
                                                    << "";

    QTest::newRow("2 to the 10th") << kPower << "2"
                                   << "10" << false << ""
                                   << "1024"
                                   << "close"
                                   << "2 to the power 10 = 1024";
    QTest::newRow("0 to the 0th") << kPower << "0"
                                  << "0" << false << ""
                                  << "1"
                                  << "close"
                                  << "0 to the power 0 = 1";
    QTest::newRow("10 to the 400th overflows") << kPower << "10"
                                               << "400" << false << outOfRange << "0"
                                               << "close"
                                               << "10 to the power 400: result is outside the range!";
    QTest::newRow("pasted -5 cubed") << kPower << "-5"
                                     << "3" << false << ""
                                     << "-125"
                                     << "close"
                                     << "-5 to the power 3 = -125";
    QTest::newRow("pasted negative base, fraction") << kPower << "-2"
                                                    << "0.5" << false << ""
                                                    << "-"
                                                    << "close"
                                                    << "";
    QTest::newRow("pasted 0 to a negative power") << kPower << "0"
                                                  << "-1" << false << ""
                                                  << "-"
                                                  << "close"
                                                  << "";
    QTest::newRow("pasted -10 to the 401st overflows")
        << kPower << "-10"
        << "401" << false << outOfRange << "0"
        << "close"
        << "-10 to the power 401: result is outside the range!";
    QTest::newRow("underflow is no failure") << kPower << "10"
                                             << "-400" << false << ""
                                             << "0"
                                             << "close"
                                             << "10 to the power -400 = 0";

    QTest::newRow("random 5, 6 refused") << kRandom << "5"
                                         << "6" << true << bounds << "-"
                                         << "clear"
                                         << "";
    QTest::newRow("random 5, 5.5 refused") << kRandom << "5"
                                           << "5.5" << true << bounds << "-"
                                           << "clear"
                                           << "";
    QTest::newRow("random 1.5, 2.5 refused") << kRandom << "1.5"
                                             << "2.5" << true << bounds << "-"
                                             << "clear"
                                             << "";
    QTest::newRow("random 5, 7") << kRandom << "5"
                                 << "7" << false << ""
                                 << "6"
                                 << "close"
                                 << "random between 5 and 7 = 6";
    QTest::newRow("random 0, 2") << kRandom << "0"
                                 << "2" << false << ""
                                 << "1"
                                 << "close"
                                 << "random between 0 and 2 = 1";
    QTest::newRow("random 0.5, 1.6") << kRandom << "0.5"
                                     << "1.6" << false << ""
                                     << "1"
                                     << "close"
                                     << "random between 0.5 and 1.6 = 1";
    QTest::newRow("random pasted -7, -5") << kRandom << "-7"
                                          << "-5" << false << ""
                                          << "-6"
                                          << "close"
                                          << "random between -7 and -5 = -6";

    QTest::newRow("caption compared exactly") << "Y root of x"
                                              << "27"
                                              << "3" << false << ""
                                              << "-"
                                              << "close"
                                              << "";
    QTest::newRow("no caption") << ""
                                << "2"
                                << "3" << false << ""
                                << "-"
                                << "close"
                                << "";

    QTest::newRow("empty second box") << kPower << "2"
                                      << "" << true << ""
                                      << "-"
                                      << "stay"
                                      << "";
    QTest::newRow("empty first box") << kRoot << ""
                                     << "3" << true << ""
                                     << "-"
                                     << "stay"
                                     << "";
    QTest::newRow("lone point") << kPower << "."
                                << "3" << true << ""
                                << "-"
                                << "stay"
                                << "";
    QTest::newRow("digits beyond the double range") << kPower << "1" + QString(400, '0') << "2" << true << ""
                                                    << "-"
                                                    << "stay"
                                                    << "";
    QTest::newRow("pasted text") << kRandom << "abc"
                                 << "9" << true << ""
                                 << "-"
                                 << "stay"
                                 << "";
    QTest::newRow("no number before the caption") << "other"
                                                  << ""
                                                  << "" << true << ""
                                                  << "-"
                                                  << "stay"
                                                  << "";
}

void TwoValueTest::confirmOk() {
    QFETCH(QString, caption);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, beep);
    QFETCH(QString, message);
    QFETCH(QString, written);
    QFETCH(QString, after);
    QFETCH(QString, tape);

    // Several draws of one generator: the fixed results must not depend on the draw.
    RandomSource random;
    for (int round = 0; round < 20; ++round) {
        const Outcome outcome = confirm(caption, first, second, random);
        QCOMPARE(outcome.beep, beep);
        const QString shown =
            (outcome.icon == Icon::Exclamation ? "!" : "") + QString::fromStdString(outcome.message);
        QCOMPARE(shown, message);
        QCOMPARE(outcome.write ? QString::fromStdString(*outcome.write) : QString("-"), written);
        const QString afterText = outcome.after == Outcome::After::Close      ? "close"
                                  : outcome.after == Outcome::After::StayOpen ? "stay"
                                                                              : "clear";
        QCOMPARE(afterText, after);
        QCOMPARE(QString::fromStdString(outcome.step), tape);
    }
}

void TwoValueTest::drawingEndsWithinBoundedDraws_data() {
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");

    QTest::newRow("typed 10000000, 10000003") << 10000000.0 << 10000003.0;
    QTest::newRow("pasted -10, -5") << -10.0 << -5.0;
    QTest::newRow("pasted -10, 0.5") << -10.0 << 0.5;
    QTest::newRow("1E+300, 1E+308") << 1e300 << 1e308;
    QTest::newRow("1E+308, 1.7E+308") << 1e308 << 1.7e308;
    QTest::newRow("-1.7E+308, -1E+308") << -1.7e308 << -1e308;
    QTest::newRow("whole range") << -std::numeric_limits<double>::max() << std::numeric_limits<double>::max();
    QTest::newRow("2^53, 2^53 + 4") << 9007199254740992.0 << 9007199254740996.0;
    QTest::newRow("1E+16, 1E+16 + 4") << 1e16 << 1e16 + 4.0;
}

void TwoValueTest::drawingEndsWithinBoundedDraws() {
    QFETCH(double, lower);
    QFETCH(double, upper);

    RandomSource random;
    const std::optional<double> drawn = orbetta::twovalue::randomBetween(lower, upper, random);
    QVERIFY(drawn.has_value());
    QVERIFY2(*drawn > lower && *drawn < upper, qPrintable(exactText(*drawn)));
    QCOMPARE(std::floor(*drawn), *drawn);
    QVERIFY(std::isfinite(*drawn));

    // The drawing took at most a few hundred values of the generator.
    RandomSource counter;
    int draws = 0;
    while (!(counter == random) && draws <= 1000) {
        counter.next();
        ++draws;
    }
    QVERIFY2(draws <= 401, qPrintable(QString::number(draws)));
}

void TwoValueTest::boundsWithoutWholeNumberAreRefused_data() {
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");

    QTest::newRow("1E+300 and the next double") << 1e300 << std::nextafter(1e300, 2e300);
    QTest::newRow("-1E+300 and the next double") << -1e300 << std::nextafter(-1e300, 0.0);
    QTest::newRow("1E+16 and 1E+16 + 2") << 1e16 << 1e16 + 2.0;
    QTest::newRow("largest double") << std::nextafter(std::numeric_limits<double>::max(), 0.0)
                                    << std::numeric_limits<double>::max();
}

void TwoValueTest::boundsWithoutWholeNumberAreRefused() {
    QFETCH(double, lower);
    QFETCH(double, upper);

    RandomSource random;
    QVERIFY(!orbetta::twovalue::randomBetween(lower, upper, random).has_value());

    // The bounds pass the "upper > lower + 1" test; OK refuses them the same way.
    QVERIFY(upper > lower + 1.0);
    const Outcome outcome = confirm(kRandom, exactText(lower), exactText(upper), random);
    QVERIFY(outcome.beep);
    QCOMPARE(QString::fromStdString(outcome.message), "upperbound value must be > lowerbound value+1");
    QVERIFY(!outcome.write.has_value());
    QVERIFY(outcome.after == Outcome::After::ClearAndStayOpen);
}

void TwoValueTest::widthDrawingReachesEveryWholeNumber() {
    // -10 and -5 never satisfy the drawing rule, so every result comes from the draw over the width.
    RandomSource random;
    std::set<double> seen;
    for (int i = 0; i < 200; ++i) {
        const std::optional<double> drawn = orbetta::twovalue::randomBetween(-10.0, -5.0, random);
        QVERIFY(drawn.has_value());
        seen.insert(*drawn);
    }
    QCOMPARE(seen, (std::set<double>{-9.0, -8.0, -7.0, -6.0}));
}

void TwoValueTest::freshGeneratorsDrawTheSameSequence() {
    RandomSource first;
    RandomSource second;
    QCOMPARE(orbetta::twovalue::randomBetween(0.0, 1000000.0, first),
             orbetta::twovalue::randomBetween(0.0, 1000000.0, second));
    for (int i = 0; i < 100; ++i)
        QCOMPARE(first.next(), second.next());

    // Not every draw is the same value.
    RandomSource fresh;
    std::set<float> values;
    for (int i = 0; i < 100; ++i)
        values.insert(fresh.next());
    QVERIFY(values.size() > 90);
}

void TwoValueTest::generatorStaysInsideUnitInterval() {
    RandomSource random;
    float lowest = 1.0f;
    float highest = 0.0f;
    double sum = 0.0;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        sum += r;
    }
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
    QVERIFY(std::abs(sum / n - 0.5) < 0.01);
}

void TwoValueTest::keyFilter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("told"); // why a refused key was refused, for a screen reader

    QTest::newRow("digit 0") << int('0') << "" << true << "";
    QTest::newRow("digit 9") << int('9') << "12" << true << "";
    QTest::newRow("first point") << int('.') << "12" << true << "";
    QTest::newRow("second point") << int('.') << "1.2" << false << "the value has a point already";
    QTest::newRow("point in an empty box") << int('.') << "" << true << "";
    QTest::newRow("backspace") << 8 << "1.2" << true << "";
    QTest::newRow("minus") << int('-') << "" << false << "minus is not taken here; values are without sign";
    QTest::newRow("plus") << int('+') << "1" << false
                          << "that character is not taken here; digits and one point only";
    QTest::newRow("exponent letter") << int('E') << "1" << false
                                     << "E is not taken here; digits and one point only";
    QTest::newRow("comma") << int(',') << "1" << false << "comma is not taken here; the point is a full stop";
    QTest::newRow("space") << int(' ') << "1" << false
                           << "space is not taken here; digits and one point only";
    QTest::newRow("enter") << 13 << "1" << false << "the second field is empty";
    QTest::newRow("enter in an empty box") << 13 << "" << false << "the field is empty";
    QTest::newRow("escape") << 27 << "1" << false
                            << "that character is not taken here; digits and one point only";
    QTest::newRow("non-ASCII digit") << 0x0663 << "" << false
                                     << "that character is not taken here; digits and one point only";
}

void TwoValueTest::keyFilter() {
    QFETCH(int, key);
    QFETCH(QString, box);
    QFETCH(bool, accepted);
    QFETCH(QString, told);
    QCOMPARE(orbetta::twovalue::acceptsKey(key, box.toStdString()), accepted);
    if (!accepted)
        QCOMPARE(QString::fromStdString(orbetta::twovalue::refusalWords(key, box.toStdString())), told);
}

QTEST_APPLESS_MAIN(TwoValueTest)
#include "twovalue_test.moc"
