// The program in the user's language: the language chosen from the environment, and a key's tool tip, a
// refusal, a tape line, an announcement and Qt's own words in it.

#include "main_window_fixture.h"
#include "support/locale_numbers.h"
#include "tape/tape.h"
#include "ui/language.h"

#include <QComboBox>
#include <QtTest>

namespace {

// The main window with what it tells a screen reader kept.
class SpeakingCalc : public RecordingCalc {
public:
    void announce(std::string_view text) override {
        told.emplace_back(text);
        RecordingCalc::announce(text);
    }
    std::vector<std::string> told;
};

} // namespace

class LanguageTest : public MainWindowTestCase {
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup();

    void inTheUsersLanguage_data();
    void inTheUsersLanguage();

private:
    SpeakingCalc* calc() { return static_cast<SpeakingCalc*>(calc_.get()); }
};

void LanguageTest::cleanup() {
    closeWindow();
    orbetta::ui::removeTranslations();
}

void LanguageTest::inTheUsersLanguage_data() {
    QTest::addColumn<QString>("environment");  // NAME=value, separated by blanks
    QTest::addColumn<QString>("language");     // the translation loaded; empty for English
    QTest::addColumn<QString>("toolTip");      // of the sine key
    QTest::addColumn<QString>("refusal");      // 1 / 0 =
    QTest::addColumn<QString>("tapeLine");     // the list's first entry of 0
    QTest::addColumn<QString>("announcement"); // 5 stored in memory
    QTest::addColumn<QString>("quarter");      // the display of 1 / 4 =
    QTest::addColumn<QString>("cancel");       // Qt's own Cancel button

    const QStringList english{"Sine", "can't divide by 0!", "Secant(0°) = 1", "5 in memory", "Cancel"};
    const QStringList german{"Sinus", "Division durch 0 nicht möglich!", "Sekans(0°) = 1", "5 im Speicher",
                             "Abbrechen"};
    const QStringList french{"Sinus", "Division par 0 impossible !", "Sécante(0°) = 1", "5 en mémoire",
                             "Annuler"};
    const QStringList chinese{"正弦", "不能除以 0！", "正割(0°) = 1", "5 已存入存储器", "取消"};
    const auto row = [](const char* name, const char* environment, const char* language,
                        const QStringList& words, const char* quarter) {
        QTest::newRow(name) << environment << language << words[0] << words[1] << words[2] << words[3]
                            << quarter << words[4];
    };
    row("German", "LANG=de_DE.UTF-8", "de", german, "0,25");
    row("French", "LANG=fr_FR.UTF-8", "fr", french, "0,25");
    row("Chinese", "LANG=zh_CN.UTF-8", "zh_CN", chinese, "0.25");
    row("C", "LANG=C", "", english, "0.25");
    row("POSIX over a shipped LANG", "LC_ALL=POSIX LANG=de_DE.UTF-8", "", english, "0.25");
    row("unshipped language", "LANG=ja_JP.UTF-8", "", english, "0.25");
    row("Traditional Chinese", "LANG=zh_TW.UTF-8", "", english, "0.25");
    row("first shipped of LANGUAGE", "LANGUAGE=xx:de", "de", german, "0.25");
    row("English first in LANGUAGE", "LANGUAGE=en_GB:de LANG=de_DE.UTF-8", "", english, "0,25");
    row("LC_ALL before LANG", "LC_ALL=de_DE.UTF-8 LANG=fr_FR.UTF-8", "de", german, "0,25");
    row("LC_MESSAGES before LANG", "LC_MESSAGES=de_DE.UTF-8 LANG=en_US.UTF-8", "de", german, "0.25");
    row("German of Austria, with a modifier", "LANG=de_AT.UTF-8@euro", "de", german, "0,25");
    row("English words, German numbers", "LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8", "", english, "0,25");
}

// Each text comes from the translation of the language the environment names, the engine's as well as the
// windows' and Qt's own.
void LanguageTest::inTheUsersLanguage() {
    QFETCH(QString, environment);
    QFETCH(QString, language);
    QFETCH(QString, toolTip);
    QFETCH(QString, refusal);
    QFETCH(QString, tapeLine);
    QFETCH(QString, announcement);
    QFETCH(QString, quarter);
    QFETCH(QString, cancel);
    const LocaleNumbers locale(environment);
    QCOMPARE(orbetta::ui::installTranslations([](const char* name) { return std::getenv(name); },
                                              QStringLiteral(ORBETTA_BUILD_DIR)),
             language);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);

    calc_ = std::make_unique<SpeakingCalc>();
    showWindow();
    QCOMPARE(calc_->control("Funct(4)")->toolTip(), toolTip);

    calc_->type("1/0=");
    QVERIFY(!calc_->boxes.empty());
    QCOMPARE(QString::fromStdString(calc_->boxes.back().text), refusal);

    calc_->type("c0");
    QTest::keyClick(calc_->receiver(), Qt::Key_F, Qt::AltModifier);
    calc_->control("Combo1")->setFocus();
    QTest::keyClick(calc_->receiver(), Qt::Key_Down);
    QTest::keyClick(calc_->receiver(), Qt::Key_Return);
    QVERIFY(!calc_->tape().lines().empty());
    QCOMPARE(QString::fromStdString(calc_->tape().lines().back()), tapeLine);

    calc_->type("c5");
    QTest::keyClick(calc_->receiver(), Qt::Key_M, Qt::AltModifier);
    QVERIFY(!calc()->told.empty());
    QCOMPARE(QString::fromStdString(calc()->told.back()), announcement);

    calc_->type("c1/4=");
    QCOMPARE(calc_->display(), quarter);
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
