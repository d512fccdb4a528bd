#include "core/conversions.h"
#include "core/failure.h"
#include "core/value.h"
#include "session.h"

#include <QScopeGuard>
#include <QTest>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <optional>

using namespace orbetta;
using namespace orbetta::testing;

namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

QByteArray repeated(char c, int n) {
    return QByteArray(n, c);
}

// Bit-exact: 0 and -0 differ, and no tolerance hides a wrong last digit.
bool identical(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

QByteArray bits(double d) {
    return QByteArray::number(d, 'g', 17) + " (" + QByteArray::number(std::bit_cast<std::uint64_t>(d), 16) +
           ")";
}

enum class Outcome { Number, NotANumber, Overflow };

} // namespace

Q_DECLARE_METATYPE(Outcome)

class ConversionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void parse_data();
    void parse();
    void format_data();
    void format();
    void formatThenParseGivesTheSameText_data();
    void formatThenParseGivesTheSameText();
    void scientific_data();
    void scientific();
    void dynamicValueText_data();
    void dynamicValueText();

    void environmentLocale();
    void germanLocale();
};

void ConversionsTest::initTestCase() {
    // As the window's application object does: adopt the user's locale, so a run under LC_ALL=de_DE.UTF-8
    // checks every row below with a decimal comma in force.
    std::setlocale(LC_ALL, "");
}

void ConversionsTest::parse_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<double>("value");

    const auto number = [](const char* name, const QByteArray& text, double value) {
        QTest::newRow(name) << text << Outcome::Number << value;
    };
    const auto rejected = [](const char* name, const QByteArray& text) {
        QTest::newRow(name) << text << Outcome::NotANumber << 0.0;
    };
    const auto overflow = [](const char* name, const QByteArray& text) {
        QTest::newRow(name) << text << Outcome::Overflow << 0.0;
    };

    number("integer", "5", 5.0);
    number("blank before", " 5", 5.0);
    number("blank after", "5 ", 5.0);
    number("tabs and blanks around", "\t 5 \t", 5.0);
    number("plus sign", "+5", 5.0);
    number("minus sign", "-5", -5.0);
    number("point after digits", "5.", 5.0);
    number("point before digits", ".5", 0.5);
    number("signed point before digits", "-.5", -0.5);
    number("signed point after digits", "+5.", 5.0);
    number("leading zeros", "007", 7.0);
    number("leading and trailing zeros", "00.500", 0.5);
    number("zero", "0", 0.0);
    number("minus zero", "-0", -0.0);
    number("lower-case exponent", "1e3", 1000.0);
    number("signed exponent", "1E+3", 1000.0);
    number("negative exponent", "1E-3", 0.001);
    number("fraction and exponent", "2.5E2", 250.0);
    number("point-first mantissa and exponent", ".5e1", 5.0);
    number("point-last mantissa and exponent", "5.e1", 50.0);
    number("exponent with leading zeros", "1E0000000000000000000000000000005", 1e5);
    number("blanks around an exponent form", "  -1.5E-05 ", -1.5e-5);
    number("nearest double of 0.1", "0.1", 0.1);
    number("21 digits", "123456789012345678901", 123456789012345678901.0);
    number("tie rounds to even", "9007199254740993", 9007199254740992.0);
    number("just above a tie rounds up", "9007199254740993.0000000000000001", 9007199254740994.0);
    number("largest double", "1.7976931348623157E+308", kMax);
    number("the largest double's own text reads back", "1.79769313486232E+308", kMax);
    number("between the largest double and its text", "1.7976931348623159E+308", kMax);
    number("ten times 1E+307", "10E307", 1e308);
    number("leading zeros do not count towards the range", "0.001E+311", 1e308);
    number("smallest normal", "2.2250738585072014E-308", std::numeric_limits<double>::min());
    number("denormal", "1E-320", 1e-320);
    number("smallest denormal", "4.9E-324", kDenormMin);
    number("just above half the smallest denormal", "2.4703282292062328E-324", kDenormMin);
    number("just below half the smallest denormal", "2.4703282292062327E-324", 0.0);
    number("tiny value becomes zero", "1E-400", 0.0);
    number("tiny negative value becomes minus zero", "-1E-400", -0.0);
    number("huge negative exponent", "1E-99999999999999999999", 0.0);
    number("zero with a huge exponent", "0E99999999999999999999", 0.0);
    number("400 zeros cancelled by the exponent", "1" + repeated('0', 400) + "E-400", 1.0);
    number("330 zeros after the point cancelled by the exponent", "0." + repeated('0', 330) + "1E+331", 1.0);
    number("a thousand digits", repeated('1', 1000) + "E-999", 1.1111111111111111111);

    rejected("empty", "");
    rejected("blanks only", "  ");
    rejected("tab only", "\t");
    rejected("lone plus", "+");
    rejected("lone minus", "-");
    rejected("lone point", ".");
    rejected("sign and point", "-.");
    rejected("exponent without mantissa", "E5");
    rejected("exponent letter alone", "e");
    rejected("exponent without digits", "5E");
    rejected("signed exponent without digits", "5E+");
    rejected("negative exponent without digits", "5e-");
    rejected("two points", "1.2.3");
    rejected("two trailing points", "5..");
    rejected("two signs", "--5");
    rejected("mixed signs", "+-5");
    rejected("trailing sign", "5-");
    rejected("trailing plus", "5+");
    rejected("decimal comma", "1,5");
    rejected("thousands blank", "1 000");
    rejected("blank inside exponent", "1e 5");
    rejected("blank before exponent", "5 e5");
    rejected("fractional exponent", "1e5.5");
    rejected("two exponents", "1E5E5");
    rejected("hexadecimal", "0x10");
    rejected("infinity", "inf");
    rejected("negative infinity", "-inf");
    rejected("spelled infinity", "Infinity");
    rejected("not a number", "nan");
    rejected("other exponent letter", "5d3");
    rejected("percent sign", "5%");
    rejected("word", "five");

    overflow("just beyond the largest double", "1.8E308");
    overflow("just beyond the largest double's text", "1.7976931348623201E+308");
    overflow("exponent beyond the range", "1E309");
    overflow("negative beyond the range", "-1E309");
    overflow("mantissa digits beyond the range", "100E307");
    overflow("leading zeros and exponent beyond the range", "0.01E+311");
    overflow("310 digits", "1" + repeated('0', 309));
    overflow("huge exponent digit string", "1E99999999999999999999");
    overflow("huge exponent after many zeros", "0." + repeated('0', 100) + "1E+500");
}

void ConversionsTest::parse() {
    QFETCH(QByteArray, text);
    QFETCH(Outcome, outcome);
    QFETCH(double, value);

    std::optional<FailureKind> failure;
    double parsed = 0.0;
    try {
        parsed = parseNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    } catch (const Failure& f) {
        failure = f.kind();
    }
    switch (outcome) {
    case Outcome::Number:
        QVERIFY2(!failure, "the text was refused");
        QVERIFY2(identical(parsed, value), bits(parsed) + " instead of " + bits(value));
        break;
    case Outcome::NotANumber:
        QVERIFY2(failure == FailureKind::NotANumber, "expected a conversion error, got " + bits(parsed));
        break;
    case Outcome::Overflow:
        QVERIFY2(failure == FailureKind::Overflow, "expected an overflow, got " + bits(parsed));
        break;
    }
}

void ConversionsTest::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("integer") << 100.0 << "100";
    QTest::newRow("fraction") << 12.5 << "12.5";
    QTest::newRow("negative fraction") << -12.5 << "-12.5";
    QTest::newRow("leading zero before the point") << 0.5 << "0.5";
    QTest::newRow("no thousands separator") << -1234567.5 << "-1234567.5";
    QTest::newRow("a third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("two thirds round up") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << "0.3";
    QTest::newRow("one plus an ulp") << 1.0000000000000002 << "1";
    QTest::newRow("smallest plain") << 0.0001 << "0.0001";
    QTest::newRow("largest exponent-form small") << 0.00001 << "1E-05";
    QTest::newRow("negative small") << -0.00001 << "-1E-05";
    QTest::newRow("mantissa in exponent form") << 1.5e-5 << "1.5E-05";
    QTest::newRow("rounds up to 0.0001") << 0.0000999999999999999999 << "0.0001";
    QTest::newRow("ten to the 14th in full") << 1e14 << "100000000000000";
    QTest::newRow("fifteen digits plain") << 123456789012345.0 << "123456789012345";
    QTest::newRow("ten to the 15th") << 1e15 << "1E+15";
    QTest::newRow("sixteen digits rounded") << 1234567890123456.0 << "1.23456789012346E+15";
    QTest::newRow("rounding crosses into exponent form") << 999999999999999.5 << "1E+15";
    QTest::newRow("rounding crosses to 1E+14") << 99999999999999.95 << "100000000000000";
    QTest::newRow("three-digit exponent") << -1.23456789012346e100 << "-1.23456789012346E+100";
    QTest::newRow("tiny") << 1e-100 << "1E-100";
    QTest::newRow("largest double") << kMax << "1.79769313486232E+308";
    QTest::newRow("smallest denormal") << kDenormMin << "4.94065645841247E-324";
    QTest::newRow("pi") << 4.0 * std::atan(1.0) << "3.14159265358979";
}

void ConversionsTest::format() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatNumber(value)), text);
}

void ConversionsTest::formatThenParseGivesTheSameText_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("a third") << 1.0 / 3.0;
    QTest::newRow("exponent form") << -1.23456789012346e-100;
    QTest::newRow("denormal") << 1e-320;
    QTest::newRow("plain boundary") << 0.00012345678901234;
    QTest::newRow("large") << 9.87654321098765e300;
    QTest::newRow("largest double") << kMax;
}

// A chain reads its first operand back from the result's text: the text must read back to a number
// whose own text is the same, or a chain would drift.
void ConversionsTest::formatThenParseGivesTheSameText() {
    QFETCH(double, value);
    const std::string text = formatNumber(value);
    QCOMPARE(formatNumber(parseNumber(text)), text);
}

void ConversionsTest::scientific_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("entry pattern") << 123456789012345678901.0 << 6 << "1.234568E+20";
    QTest::newRow("entry pattern, round number") << 1e5 << 6 << "1.000000E+05";
    QTest::newRow("entry pattern, carry into the exponent") << 999999999999999999999.0 << 6 << "1.000000E+21";
    QTest::newRow("entry pattern, negative") << -1.23456789012346e20 << 6 << "-1.234568E+20";
    QTest::newRow("result pattern") << -1.23456789012345e-100 << 3 << "-1.235E-100";
    QTest::newRow("result pattern, large") << 1.23456789012345e100 << 3 << "1.235E+100";
    QTest::newRow("result pattern, two-digit exponent") << 1.5e-7 << 3 << "1.500E-07";
    QTest::newRow("result pattern, zero") << 0.0 << 3 << "0.000E+00";
    QTest::newRow("result pattern, negative zero") << -0.0 << 3 << "0.000E+00";
    QTest::newRow("result pattern, denormal") << kDenormMin << 3 << "4.941E-324";
}

void ConversionsTest::scientific() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatScientific(value, decimals)), text);
}

void ConversionsTest::dynamicValueText_data() {
    QTest::addColumn<int>("kind"); // 0 empty, 1 integer, 2 double
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("zero");

    QTest::newRow("empty") << 0 << 0.0 << "" << true;
    QTest::newRow("integer zero") << 1 << 0.0 << "0" << true;
    QTest::newRow("negative integer") << 1 << -7.0 << "-7" << false;
    QTest::newRow("double") << 2 << 2.5 << "2.5" << false;
    QTest::newRow("negative zero double") << 2 << -0.0 << "0" << true;
}

void ConversionsTest::dynamicValueText() {
    QFETCH(int, kind);
    QFETCH(double, number);
    QFETCH(QString, text);
    QFETCH(bool, zero);
    Value v;
    if (kind == 1)
        v = static_cast<std::int16_t>(number);
    else if (kind == 2)
        v = number;
    QCOMPARE(QString::fromStdString(v.toText()), text);
    QCOMPARE(v.isZero(), zero);
    QVERIFY(identical(v.toDouble() + 0.0, number + 0.0));
}

// Under `LC_ALL=de_DE.UTF-8` (a second CTest entry) the whole suite above ran with a decimal comma.
void ConversionsTest::environmentLocale() {
    const QByteArray wanted = qgetenv("LC_ALL");
    if (!wanted.startsWith("de_DE"))
        QSKIP("this run uses the default locale; the German run sets LC_ALL=de_DE.UTF-8");
    if (std::setlocale(LC_ALL, nullptr) != std::string_view("de_DE.UTF-8"))
        QSKIP("the locale de_DE.UTF-8 is not installed here (scripts/install-deps generates it)");
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
}

void ConversionsTest::germanLocale() {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const std::locale previousGlobal;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QSKIP("the locale de_DE.UTF-8 is not installed here (scripts/install-deps generates it)");
    std::locale::global(std::locale("de_DE.UTF-8"));
    const auto restore = qScopeGuard([&] {
        std::locale::global(previousGlobal);
        std::setlocale(LC_ALL, previous.c_str());
    });
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));

    QCOMPARE(parseNumber("2.5"), 2.5);
    QCOMPARE(parseNumber(" -1.5E-05 "), -1.5e-5);
    QVERIFY_THROWS_EXCEPTION(Failure, parseNumber("2,5"));
    QCOMPARE(QString::fromStdString(formatNumber(2.5)), QString("2.5"));
    QCOMPARE(QString::fromStdString(formatNumber(-1234567.5)), QString("-1234567.5"));
    QCOMPARE(QString::fromStdString(formatNumber(1.5e-5)), QString("1.5E-05"));
    QCOMPARE(QString::fromStdString(formatScientific(123456789012345678901.0, 6)), QString("1.234568E+20"));

    Session s;
    QCOMPARE(s.press("2.5 * 2 =").display(), QString("5"));
    QCOMPARE(s.press("1 / 4 =").display(), QString("0.25"));
    QCOMPARE(s.press("2.5 F11").display(), QString("6.25"));
    QCOMPARE(s.press("0.5 F18 CE F17").display(), QString("0.5"));
    QCOMPARE(s.press("F13").display(), QString("3.14159265358979"));
    QCOMPARE(s.events(), QStringList{});
}

QTEST_APPLESS_MAIN(ConversionsTest)
#include "test_conversions.moc"
