// The main window driven by mouse and keyboard: keys, typed characters, the list, boxes and the window's end.
#include "main_window_fixture.h"
#include "support/help_files.h"
#include "support/locale_numbers.h"

#include "desktop/keep_on_top.h"
#include "look/classic_look.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"
#include "tape/tape.h"
#include "ui/keybutton.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <memory>

class FrmCalcInputTest : public MainWindowTestCase {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clicks_data();
    void clicks();
    void typed_data();
    void typed();
    void enterRunsEqualOnce_data();
    void enterRunsEqualOnce();
    void keypadDecimalTypesPoint_data();
    void keypadDecimalTypesPoint();
    void keysThatTypeNothing_data();
    void keysThatTypeNothing();
    void typedCharactersReachNoControl_data();
    void typedCharactersReachNoControl();
    void altOPressesOff();
    void keysActInOrder_data();
    void keysActInOrder();
    void clipboardKeys_data();
    void clipboardKeys();
    void alwaysOnTopIsKeptAtOnce();

    void functionButtonShowsSecant();
    void listChoiceAppliesOnce_data();
    void listChoiceAppliesOnce();
    void listChoiceByMouse();
    void deferredListFunction();
    void leavingTheListAppliesNothing_data();
    void leavingTheListAppliesNothing();

    void angleKey();
    void messageBoxes_data();
    void messageBoxes();
    void unloadWaitsForAnOpenBox_data();
    void unloadWaitsForAnOpenBox();
    void twoValueDialogIsReused();
    void aboutWindowIsReused();
    void closingUnloadsTheOthersAndWritesNothing();
    void closingUnloadsAHiddenDialog();
    void offKeySavesTheColourAndEnds();
    void tapeWindow();
    void tapeInEitherDecimalSign_data();
    void tapeInEitherDecimalSign();

private:
    QComboBox* list() const { return calc_->control<QComboBox>("Combo1"); }
    void chooseFromDropDown(const QString& entry);
    void pressKeys(const QString& keys);
    bool settingsFileExists() const;
};

void FrmCalcInputTest::initTestCase() {
    setUpProgram();
}

void FrmCalcInputTest::init() {
    QDirIterator files(settingsHome_.path(), {"orbetta.ini", "tape.txt"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        QFile::remove(files.next());
    makeWindow();
    showWindow();
}

void FrmCalcInputTest::cleanup() {
    closeWindow();
}

void FrmCalcInputTest::chooseFromDropDown(const QString& entry) {
    QComboBox* combo = list();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QVERIFY(view->isVisible());
    view->setCurrentIndex(combo->model()->index(combo->findText(entry), 0));
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!view->isVisible());
}

bool FrmCalcInputTest::settingsFileExists() const {
    QDirIterator files(settingsHome_.path(), {"orbetta.ini", "tape.txt"}, QDir::Files,
                       QDirIterator::Subdirectories);
    return files.hasNext();
}

void FrmCalcInputTest::clicks_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("12 + 3 =") << "Num(1) Num(2) Oper(2) Num(3) Command13"
                              << "15" << QStringList{};
    QTest::newRow("no precedence") << "Num(2) Oper(2) Num(3) Oper(4) Num(4) Command13"
                                   << "20" << QStringList{};
    QTest::newRow("decimal point and sign") << "Num(5) Command11 Num(2) Command12"
                                            << "-5.2" << QStringList{};
    QTest::newRow("backspace") << "Num(1) Num(2) Num(3) Command16"
                               << "12" << QStringList{};
    QTest::newRow("clear all") << "Num(9) Oper(2) Num(1) Command17"
                               << "" << QStringList{};
    QTest::newRow("divide by zero") << "Num(8) Oper(5) Num(0) Command13"
                                    << "0" << QStringList{"can't divide by 0!"};
    QTest::newRow("square root") << "Num(9) Funct(9)"
                                 << "3" << QStringList{};
    QTest::newRow("pi") << "Funct(13)"
                        << "3.14159265358979" << QStringList{};
    QTest::newRow("memory") << "Num(2) Command11 Num(5) Funct(18) Command17 Funct(17)"
                            << "2.5" << QStringList{};
    QTest::newRow("radians") << "Funct(19) Num(9) Num(0) Funct(4)"
                             << "0.893996663600558" << QStringList{};
    QTest::newRow("subtraction") << "Num(7) Oper(3) Num(9) Command13"
                                 << "-2" << QStringList{};
    QTest::newRow("division") << "Num(1) Oper(5) Num(4) Command13"
                              << "0.25" << QStringList{};
}

void FrmCalcInputTest::clicks() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QStringList, boxes);
    calc_->click(keys);
    QCOMPARE(calc_->display(), display);
    QStringList shown;
    for (const auto& box : calc_->boxes)
        shown << QString::fromStdString(box.text);
    QCOMPARE(shown, boxes);
}

void FrmCalcInputTest::typed_data() {
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("numbers"); // the locale variables; empty: as the tests run

    QTest::newRow("12+3=") << "12+3="
                           << "15" << 0 << "";
    QTest::newRow("12+3 Enter") << "12+3\r"
                                << "15" << 0 << "";
    QTest::newRow("l is equal") << "2*4l"
                                << "8" << 0 << "";
    QTest::newRow("L is not") << "2*4L"
                              << "4" << 1 << "";
    QTest::newRow("space") << "12 "
                           << "12" << 1 << "";
    QTest::newRow("comma") << "12,"
                           << "12" << 1 << "";
    QTest::newRow("colon and x") << "6:x"
                                 << "6" << 2 << "";
    QTest::newRow("c clears") << "7+1c"
                              << "" << 0 << "";
    QTest::newRow("C clears") << "7+1C"
                              << "" << 0 << "";
    QTest::newRow("backspace") << "123\b"
                               << "12" << 0 << "";
    QTest::newRow("decimal point") << "0.5*4="
                                   << "2" << 0 << "";
    QTest::newRow("second point beeps") << "5.."
                                        << "5." << 1 << "";
    QTest::newRow("minus and divide") << "9-3/2="
                                      << "3" << 0 << "";
    QTest::newRow("German numbers, 1,5+1=") << "1,5+1="
                                            << "2,5" << 0 << kGermanNumbers;
    QTest::newRow("German numbers, 1/4") << "1/4="
                                         << "0,25" << 0 << kGermanNumbers;
    QTest::newRow("German numbers, the point types a comma") << "1.5"
                                                             << "1,5" << 0 << "LANG=de_DE.UTF-8";
    QTest::newRow("an empty LC_ALL is not set") << "1/4="
                                                << "0,25" << 0 << "LC_ALL= LC_NUMERIC=de_DE.UTF-8";
    QTest::newRow("LC_ALL=C before German")
        << "1/4="
        << "0.25" << 0 << "LC_ALL=C LC_NUMERIC=de_DE.UTF-8 LANG=de_DE.UTF-8";
    QTest::newRow("Swiss German numbers") << "1/4="
                                          << "0.25" << 0 << "LANG=de_CH.UTF-8";
}

void FrmCalcInputTest::typed() {
    QFETCH(QString, characters);
    QFETCH(QString, display);
    QFETCH(int, beeps);
    QFETCH(QString, numbers);
    const LocaleNumbers locale(numbers);
    calc_->type(characters);
    QCOMPARE(calc_->display(), display);
    QCOMPARE(calc_->beeps, beeps);
    QCOMPARE(QApplication::focusWidget(), calc_->control("Command13"));
}

void FrmCalcInputTest::enterRunsEqualOnce_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("keypad");
    for (const char* name : {"Command13", "Num(5)", "Command20", "Funct(0)", "Text1", "Combo1"}) {
        QTest::newRow(qPrintable(QStringLiteral("Enter on %1").arg(name))) << name << false;
        QTest::newRow(qPrintable(QStringLiteral("keypad Enter on %1").arg(name))) << name << true;
    }
}

// An equal that fails reports each time it runs, so a second run would show a second box.
void FrmCalcInputTest::enterRunsEqualOnce() {
    QFETCH(QString, focus);
    QFETCH(bool, keypad);
    calc_->type("5+");
    if (focus == QLatin1String("Combo1"))
        calc_->click("Command1");
    QWidget* target = calc_->control(focus.toLatin1().constData());
    target->setFocus();
    QWidget* receiver = QApplication::focusWidget();
    QVERIFY(receiver == target || receiver->parentWidget() == target);
    QSignalSpy equalClicks(calc_->control<QPushButton>("Command13"), &QPushButton::clicked);
    QSignalSpy focusedClicks(qobject_cast<QPushButton*>(target) ? qobject_cast<QPushButton*>(target)
                                                                : calc_->control<QPushButton>("Command13"),
                             &QPushButton::clicked);

    QTest::keyClick(receiver, keypad ? Qt::Key_Enter : Qt::Key_Return,
                    keypad ? Qt::KeypadModifier : Qt::NoModifier);

    QCOMPARE(calc_->boxes.size(), std::size_t(1));
    QCOMPARE(calc_->beeps, 1);
    QCOMPARE(equalClicks.count(), 0);
    QCOMPARE(focusedClicks.count(), 0);
    QCOMPARE(QApplication::focusWidget(), calc_->control("Command13"));
    calc_->type("3=");
    QCOMPARE(calc_->display(), QStringLiteral("8"));
}

void FrmCalcInputTest::keypadDecimalTypesPoint_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("numbers"); // the locale variables; empty: as the tests run
    QTest::addColumn<bool>("comma");      // the key types and wears a comma, else a point
    QTest::newRow("layout with a comma") << "," << int(Qt::Key_Comma) << "" << false;
    QTest::newRow("layout with a point") << "." << int(Qt::Key_Period) << "" << false;
    QTest::newRow("German numbers, layout with a comma")
        << "," << int(Qt::Key_Comma) << kGermanNumbers << true;
    QTest::newRow("German numbers, layout with a point")
        << "." << int(Qt::Key_Period) << "LANG=de_DE.UTF-8" << true;
}

// The keypad's decimal key types the decimal sign, and wears it.
void FrmCalcInputTest::keypadDecimalTypesPoint() {
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(QString, numbers);
    QFETCH(bool, comma);
    const LocaleNumbers locale(numbers);
    closeWindow();
    makeWindow();
    showWindow();
    calc_->type("1");
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeypadModifier, text);
    QApplication::sendEvent(calc_->receiver(), &press);
    calc_->type("5");
    QCOMPARE(calc_->display(), comma ? QStringLiteral("1,5") : QStringLiteral("1.5"));
    QCOMPARE(calc_->beeps, 0);
    QCOMPARE(calc_->control<orbetta::ui::KeyButton>("Command11")->picture(),
             comma ? orbetta::look::Picture::DecimalComma : orbetta::look::Picture::DecimalPoint);
}

void FrmCalcInputTest::keysThatTypeNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("left arrow") << int(Qt::Key_Left) << int(Qt::NoModifier);
    QTest::newRow("right arrow") << int(Qt::Key_Right) << int(Qt::NoModifier);
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier);
    QTest::newRow("shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier);
    QTest::newRow("delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
    QTest::newRow("alt+j, a letter no key takes") << int(Qt::Key_J) << int(Qt::AltModifier);
    QTest::newRow("home") << int(Qt::Key_Home) << int(Qt::NoModifier);
}

void FrmCalcInputTest::keysThatTypeNothing() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    calc_->type("42");
    QTest::keyClick(calc_->receiver(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(calc_->beeps, 0);
    QCOMPARE(calc_->display(), QStringLiteral("42"));
    QCOMPARE(calc_->programEnds, 0);
}

void FrmCalcInputTest::typedCharactersReachNoControl_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter in the display") << "Text1" << int(Qt::Key_A) << 0 << "a";
    QTest::newRow("letter in the list") << "Combo1" << int(Qt::Key_Q) << 0 << "q";
    QTest::newRow("ctrl+b in the display") << "Text1" << int(Qt::Key_B) << int(Qt::ControlModifier) << "\x02";
    QTest::newRow("ctrl+x on a key") << "Num(1)" << int(Qt::Key_X) << int(Qt::ControlModifier) << "\x18";
    QTest::newRow("escape on a key") << "Command17" << int(Qt::Key_Escape) << 0 << "\x1b";
    QTest::newRow("space on a key") << "Num(7)" << int(Qt::Key_Space) << 0 << " ";
    QTest::newRow("accented letter") << "Command16" << int(Qt::Key_Eacute) << 0 << "\u00e9";
}

// Unmapped characters beep wherever the focus is; none of them reaches the control that had the focus.
void FrmCalcInputTest::typedCharactersReachNoControl() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    calc_->type("42");
    calc_->click("Command1");
    QWidget* target = calc_->control(focus.toLatin1().constData());
    target->setFocus();
    QSignalSpy keyClicks(calc_->control<QPushButton>("Num(7)"), &QPushButton::clicked);

    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), text);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    QApplication::sendEvent(QApplication::focusWidget(), &release);

    QCOMPARE(calc_->beeps, 1);
    QCOMPARE(calc_->display(), QStringLiteral("42"));
    QCOMPARE(list()->currentText(), QStringLiteral("Secant"));
    QCOMPARE(keyClicks.count(), 0);
    QCOMPARE(QApplication::focusWidget(), calc_->control("Command13"));
}

void FrmCalcInputTest::clipboardKeys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("clipboard"); // before the key, and after it
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("numbers"); // the locale variables
    QTest::addColumn<QString>("typed");   // before the key
    const int ctrl = Qt::ControlModifier;
    const QString asRun; // the locale the tests run in
    QTest::newRow("ctrl+c copies") << "Num(1)" << int(Qt::Key_C) << ctrl << "9"
                                   << "42"
                                   << "42" << 0 << asRun << "42";
    QTest::newRow("ctrl+insert copies") << "Text1" << int(Qt::Key_Insert) << ctrl << "9"
                                        << "42"
                                        << "42" << 0 << asRun << "42";
    QTest::newRow("ctrl+v pastes") << "Command13" << int(Qt::Key_V) << ctrl << "1,234.5"
                                   << "1234.5"
                                   << "1,234.5" << 0 << asRun << "42";
    QTest::newRow("shift+insert pastes") << "Text1" << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "7"
                                         << "7"
                                         << "7" << 0 << asRun << "42";
    QTest::newRow("ctrl+v of two numbers beeps") << "Num(1)" << int(Qt::Key_V) << ctrl << "1,5"
                                                 << "42"
                                                 << "1,5" << 1 << asRun << "42";
    QTest::newRow("ctrl+b beeps") << "Num(1)" << int(Qt::Key_B) << ctrl << "9"
                                  << "42"
                                  << "9" << 1 << asRun << "42";
    QTest::newRow("German numbers, ctrl+c copies a comma") << "Num(1)" << int(Qt::Key_C) << ctrl << "9"
                                                           << "2,5"
                                                           << "2,5" << 0 << kGermanNumbers << "2,5";
    QTest::newRow("German numbers, ctrl+v of a comma") << "Command13" << int(Qt::Key_V) << ctrl << "1,5"
                                                       << "1,5"
                                                       << "1,5" << 0 << kGermanNumbers << "42";
    QTest::newRow("German numbers, ctrl+v of a point") << "Text1" << int(Qt::Key_V) << ctrl << "2.5"
                                                       << "2,5"
                                                       << "2.5" << 0 << kGermanNumbers << "42";
    QTest::newRow("German numbers, ctrl+v of German groups") << "Text1" << int(Qt::Key_V) << ctrl << "1.234,5"
                                                             << "1234,5"
                                                             << "1.234,5" << 0 << kGermanNumbers << "42";
    QTest::newRow("German numbers, ctrl+v of English groups")
        << "Text1" << int(Qt::Key_V) << ctrl << "1,234.5"
        << "1234,5"
        << "1,234.5" << 0 << kGermanNumbers << "42";
    QTest::newRow("German numbers, ctrl+v of two commas beeps")
        << "Num(1)" << int(Qt::Key_V) << ctrl << "1,5,2"
        << "42"
        << "1,5,2" << 1 << kGermanNumbers << "42";
}

// The desktop's clipboard keys copy and paste wherever the focus is; other Ctrl keys still beep.
void FrmCalcInputTest::clipboardKeys() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, clipboard);
    QFETCH(QString, display);
    QFETCH(QString, copied);
    QFETCH(int, beeps);
    QFETCH(QString, numbers);
    QFETCH(QString, typed);
    const LocaleNumbers locale(numbers);
    QGuiApplication::clipboard()->setText(clipboard);
    calc_->type(typed);
    calc_->control(focus.toLatin1().constData())->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(calc_->display(), display);
    QCOMPARE(calc_->calculator().entryText, orbetta::ui::engineNumber(display.toStdString()));
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(calc_->beeps, beeps);
}

// The display's menu keeps the window on top and stores the choice at once, in a line of its own.
void FrmCalcInputTest::alwaysOnTopIsKeptAtOnce() {
    const QString path = QString::fromStdString(orbetta::settingsPath("orbetta.ini").string());
    const QByteArray before = "; mine\r\n[Settings]\r\nOption4=&HFF\r\n\r\n[Other]\r\nAlwaysOnTop=7\r\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(before);
    file.close();
    const auto chooseAlwaysOnTop = [this] {
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            menu->actions().last()->trigger();
            menu->close();
        });
        QTest::keyClick(calc_->control("Text1"), Qt::Key_F10, Qt::ShiftModifier);
    };
    const auto stored = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    chooseAlwaysOnTop();
    QVERIFY(orbetta::desktop::keptOnTop(calc_.get()));
    QVERIFY(calc_->isVisible());
    QCOMPARE(stored(), QByteArray(before).replace("&HFF\r\n", "&HFF\r\nAlwaysOnTop=1\r\n"));
    QVERIFY(orbetta::preferences::readAlwaysOnTop());
    chooseAlwaysOnTop();
    QVERIFY(!orbetta::desktop::keptOnTop(calc_.get()));
    QCOMPARE(stored(), QByteArray(before).replace("&HFF\r\n", "&HFF\r\nAlwaysOnTop=0\r\n"));
    QCOMPARE(calc_->beeps, 0);
}

void FrmCalcInputTest::altOPressesOff() {
    QTest::keyClick(calc_->receiver(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(calc_->programEnds, 1);
    QVERIFY(!calc_->isVisible());
    QCOMPARE(calc_->beeps, 0);
}

// Presses keys back to back, as a fast typist does, with no event handled between them but what each key
// sends: a character, "Alt+Q" or "Ctrl+Space" to the focus, "@Funct(9)" puts the focus on a control, "Down"
// "Return" and "Tab" go to the open drop-down or the focus; "(opened)" waits until the two-value dialog
// that the keys before opened takes the keyboard, as a typist waits for a dialog to appear.
void FrmCalcInputTest::pressKeys(const QString& keys) {
    for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()->focusWidget()
                                                            : calc_->receiver();
        if (key == QLatin1String("(opened)"))
            QTRY_VERIFY(calc_->twoValueDialog()->isAncestorOf(QApplication::focusWidget()));
        else if (key.startsWith(QLatin1Char('@')))
            calc_->control(key.mid(1).toLatin1().constData())->setFocus();
        else if (key.startsWith(QLatin1String("Alt+")))
            QTest::keyClick(target, Qt::Key(Qt::Key_A + (key.at(4).unicode() - 'A')), Qt::AltModifier);
        else if (key == QLatin1String("Ctrl+Space"))
            QTest::keyClick(target, Qt::Key_Space, Qt::ControlModifier);
        else if (key == QLatin1String("Tab"))
            QTest::keyClick(target, Qt::Key_Tab);
        else if (key == QLatin1String("Down"))
            QTest::keyClick(target, Qt::Key_Down);
        else if (key == QLatin1String("Return"))
            QTest::keyClick(target, Qt::Key_Return);
        else
            QTest::keyClick(target, key.at(0).toLatin1());
    }
}

void FrmCalcInputTest::keysActInOrder_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("tape");
    QTest::addColumn<QString>("opened"); // the two-value dialog's title, when a key opened it

    QTest::newRow("square root, then plus") << "1 6 Alt+Q + 1 ="
                                            << "5" << QStringList{"√(16) = 4", "4 +", "1 =", "= 5", ""} << "";
    QTest::newRow("square root twice") << "1 6 Alt+Q Alt+Q"
                                       << "2" << QStringList{"√(16) = 4", "√(4) = 2"} << "";
    QTest::newRow("square twice") << "2 Alt+U Alt+U"
                                  << "16" << QStringList{"(2)² = 4", "(4)² = 16"} << "";
    QTest::newRow("sine, then plus") << "3 0 Alt+S + 1 ="
                                     << "1.5" << QStringList{"sin(30°) = 0.5", "0.5 +", "1 =", "= 1.5", ""}
                                     << "";
    QTest::newRow("sign change, then plus") << "9 Alt+Z + 1 0 ="
                                            << "1" << QStringList{"-9 +", "10 =", "= 1", ""} << "";
    QTest::newRow("inverse, then times")
        << "4 Alt+V * 8 ="
        << "2" << QStringList{"1/(4) = 0.25", "0.25 ×", "8 =", "= 2", ""} << "";
    QTest::newRow("ctrl+space, then plus") << "1 6 @Funct(9) Ctrl+Space + 1 ="
                                           << "5" << QStringList{"√(16) = 4", "4 +", "1 =", "= 5", ""} << "";
    QTest::newRow("the list, then plus")
        << "2 Alt+F @Combo1 Down Return + 1 ="
        << "2.00060954429882"
        << QStringList{"Secant(2°) = 1.00060954429882", "1.00060954429882 +", "1 =", "= 2.00060954429882", ""}
        << "";
    QTest::newRow("power") << "2 Alt+P"
                           << "" << QStringList{} << "x to the power of y";
    QTest::newRow("power, its OK, then plus")
        << "Alt+P (opened) 2 Tab 3 Alt+O + 1 ="
        << "9" << QStringList{"2 to the power 3 = 8", "8 +", "1 =", "= 9", ""} << "";
    QTest::newRow("y-th root") << "Alt+Y"
                               << "" << QStringList{} << "y root of x";
    QTest::newRow("random") << "Alt+D"
                            << "" << QStringList{} << "random number";
}

// A chord acts when it is pressed, in order with the keys before and after it, as a click or Ctrl+Space does.
void FrmCalcInputTest::keysActInOrder() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QStringList, tape);
    QFETCH(QString, opened);
    pressKeys(keys);
    QCOMPARE(calc_->display(), display);
    QStringList lines;
    for (const std::string& line : calc_->tape().lines())
        lines << QString::fromStdString(line);
    QCOMPARE(lines, tape);
    const TwoValueDialog* dialog = calc_->twoValueDialog();
    QCOMPARE(dialog && dialog->isVisible() ? dialog->windowTitle() : QString(), opened);
    QCOMPARE(calc_->beeps, 0);
    // Nothing is left to happen later.
    for (const auto* key : calc_->findChildren<QPushButton*>())
        QVERIFY2(!key->isDown(), qPrintable(key->objectName()));
}

void FrmCalcInputTest::functionButtonShowsSecant() {
    calc_->type("2");
    calc_->click("Command1");
    QVERIFY(list()->isVisible());
    QCOMPARE(list()->currentText(), QStringLiteral("Secant"));
    QCOMPARE(list()->currentIndex(), 0);
    QCOMPARE(calc_->display(), QStringLiteral("2"));
    QVERIFY(calc_->boxes.empty());
}

void FrmCalcInputTest::listChoiceAppliesOnce_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("display");
    // Each value differs from the value applied twice.
    QTest::newRow("secant of 2 degrees") << "2"
                                         << "Secant"
                                         << "1.00060954429882";
    QTest::newRow("inverse hyperbolic tangent") << "0.5"
                                                << "Inverse Hyperbolic Tangent"
                                                << "0.549306144334055";
    QTest::newRow("cosecant of 30 degrees") << "30"
                                            << "Cosecant"
                                            << "2";
    QTest::newRow("hyperbolic sine") << "1"
                                     << "Hyperbolic Sine"
                                     << "1.1752011936438";
}

void FrmCalcInputTest::listChoiceAppliesOnce() {
    QFETCH(QString, entry);
    QFETCH(QString, function);
    QFETCH(QString, display);
    calc_->type(entry);
    calc_->click("Command1");
    chooseFromDropDown(function);
    QCOMPARE(calc_->display(), display);
    // A screen reader hands Enter back to the list once the drop-down has closed; it chooses nothing more.
    QTest::keyClick(list()->view(), Qt::Key_Return);
    QCOMPARE(calc_->display(), display);
    QVERIFY(!list()->isVisible());
    QCOMPARE(list()->currentText(), function);
    QCOMPARE(calc_->calculator().lastFunction.asInteger(), 16);
    // Leaving the list afterwards applies nothing more.
    QCoreApplication::processEvents();
    calc_->control("Num(1)")->setFocus();
    QCOMPARE(calc_->display(), display);
    QVERIFY(calc_->boxes.empty());
}

void FrmCalcInputTest::listChoiceByMouse() {
    calc_->type("2");
    calc_->click("Command1");
    QComboBox* combo = list();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(combo->model()->index(1, 0)); // "Cosecant"
    QTest::mouseMove(view->viewport(), item.center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(calc_->display(), QStringLiteral("28.6537083478438"));
    QVERIFY(!combo->isVisible());
}

void FrmCalcInputTest::deferredListFunction() {
    calc_->click("Command1");
    chooseFromDropDown("Hyperbolic Cosine");
    QCOMPARE(calc_->display(), QString());
    QVERIFY(!list()->isVisible());
    calc_->type("1=");
    QCOMPARE(calc_->display(), QStringLiteral("1.54308063481524"));
}

void FrmCalcInputTest::leavingTheListAppliesNothing_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("focus in and out") << "focus";
    QTest::newRow("drop-down dismissed") << "dismiss";
    QTest::newRow("arrow keys") << "arrows";
    QTest::newRow("wheel") << "wheel";
    QTest::newRow("hidden by clear all") << "clear";
    QTest::newRow("function pressed twice") << "again";
}

void FrmCalcInputTest::leavingTheListAppliesNothing() {
    QFETCH(QString, action);
    calc_->type("2");
    calc_->click("Command1");
    QComboBox* combo = list();
    combo->setFocus();
    if (action == QLatin1String("focus")) {
        calc_->control("Num(4)")->setFocus();
    } else if (action == QLatin1String("dismiss")) {
        combo->showPopup();
        QTest::keyClick(combo->view(), Qt::Key_Escape);
        calc_->control("Num(4)")->setFocus();
    } else if (action == QLatin1String("arrows")) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        if (combo->view()->isVisible())
            QTest::keyClick(combo->view(), Qt::Key_Escape);
        calc_->control("Num(4)")->setFocus();
    } else if (action == QLatin1String("wheel")) {
        QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
        calc_->control("Num(4)")->setFocus();
    } else if (action == QLatin1String("clear")) {
        calc_->type("7");
        calc_->click("Command17");
        QVERIFY(!combo->isVisible());
        calc_->type("2");
    } else if (action == QLatin1String("again")) {
        chooseFromDropDown("Cosecant");
        calc_->type("2");
        calc_->click("Command1");
        combo->setFocus();
        calc_->control("Num(4)")->setFocus();
        calc_->click("Command1");
    }
    QCoreApplication::processEvents();
    QCOMPARE(calc_->display(), QStringLiteral("2"));
    QVERIFY(calc_->boxes.empty());
    if (action != QLatin1String("clear"))
        QCOMPARE(combo->currentText(), QStringLiteral("Secant"));
}

void FrmCalcInputTest::angleKey() {
    auto* key = calc_->control<QPushButton>("Funct(19)");
    calc_->type("5");
    calc_->click("Funct(19)");
    QCOMPARE(key->text(), QStringLiteral("rad"));
    QCOMPARE(key->toolTip(), QStringLiteral("radian (click to change to degree)"));
    QCOMPARE(calc_->display(), QString());
    calc_->click("Funct(19)");
    QCOMPARE(key->text(), QStringLiteral("deg"));
    QCOMPARE(key->toolTip(), QStringLiteral("degree (click to change to radian)"));
    QCOMPARE(calc_->angleCaption(), std::string("deg"));
}

void FrmCalcInputTest::messageBoxes_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::newRow("refusal") << "Num(8) Oper(5) Num(0) Command13"
                             << "can't divide by 0!" << int(QMessageBox::Warning);
    QTest::newRow("domain refusal") << "Num(0) Funct(0)"
                                    << "can't take log of 0 or - numbers" << int(QMessageBox::Warning);
    QTest::newRow("error report") << "Num(5) Oper(2) Command13"
                                  << "" << int(QMessageBox::NoIcon);
}

// The real boxes: modal, titled "Orbetta", OK only; closed here from the event loop they run.
void FrmCalcInputTest::messageBoxes() {
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, icon);
    calc_->realBoxes = true;
    struct Seen {
        QString title, text;
        int icon = -1;
        QMessageBox::StandardButtons buttons;
        bool modal = false;
    };
    std::vector<Seen> seen;
    std::function<void()> closeBox = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(0, closeBox);
            return;
        }
        seen.push_back(
            {box->windowTitle(), box->text(), int(box->icon()), box->standardButtons(), box->isModal()});
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, closeBox);
    calc_->click(keys);

    QCOMPARE(seen.size(), std::size_t(1));
    QCOMPARE(seen[0].title, QStringLiteral("Orbetta"));
    if (!text.isEmpty())
        QCOMPARE(seen[0].text, text);
    else
        QVERIFY(!seen[0].text.isEmpty()); // the failure's description
    QCOMPARE(seen[0].icon, icon);
    QCOMPARE(seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(seen[0].modal);
}

// A click that reaches "off" (a delayed Alt+O) or a close request while a box is open waits until the box and
// the key that opened it are done: unloading the window under its own box would destroy both.
void FrmCalcInputTest::unloadWaitsForAnOpenBox_data() {
    QTest::addColumn<bool>("byOffKey");
    QTest::newRow("off key") << true;
    QTest::newRow("close request") << false;
}

void FrmCalcInputTest::unloadWaitsForAnOpenBox() {
    QFETCH(bool, byOffKey);
    calc_->realBoxes = true;
    bool stillShownInsideBox = false;
    int endsInsideBox = -1;
    std::function<void()> unloadThenCloseBox = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(0, unloadThenCloseBox);
            return;
        }
        if (byOffKey)
            calc_->control<QPushButton>("Command20")->click();
        else
            calc_->close();
        stillShownInsideBox = calc_->isVisible();
        endsInsideBox = calc_->programEnds;
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, unloadThenCloseBox);
    calc_->click("Num(8) Oper(5) Num(0) Command13");

    QVERIFY(stillShownInsideBox);
    QCOMPARE(endsInsideBox, 0);
    QCOMPARE(calc_->display(), QStringLiteral("0")); // the key finished its work on a living window
    QTRY_VERIFY(!calc_->isVisible());
    QCOMPARE(calc_->programEnds, byOffKey ? 1 : 0);
}

void FrmCalcInputTest::twoValueDialogIsReused() {
    calc_->type("9");
    calc_->click("Funct(8)");
    QPointer<QWidget> dialog = calc_->twoValueDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("y root of x"));
    QCOMPARE(calc_->display(), QString());
    calc_->click("Funct(12)");
    QCOMPARE(calc_->twoValueDialog(), dialog.data());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("random number"));
}

void FrmCalcInputTest::aboutWindowIsReused() {
    calc_->click("Command3");
    QPointer<QWidget> about = calc_->aboutWindow();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    about->showMinimized();
    calc_->click("Command3");
    QCOMPARE(calc_->aboutWindow(), about.data());
    QVERIFY(!(about->windowState() & Qt::WindowMinimized));
}

void FrmCalcInputTest::closingUnloadsTheOthersAndWritesNothing() {
    calc_->click("Command3 Funct(10)");
    QPointer<QWidget> about = calc_->aboutWindow();
    QPointer<QWidget> dialog = calc_->twoValueDialog();
    QVERIFY(about && dialog);
    calc_->applyChosenColour(QColor(255, 0, 0));
    calc_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!about);
    QVERIFY(!dialog);
    QCOMPARE(calc_->programEnds, 0);
    QVERIFY(!settingsFileExists());
}

void FrmCalcInputTest::closingUnloadsAHiddenDialog() {
    calc_->applyChosenColour(QColor(255, 0, 0)); // loads the two-value dialog without showing it
    QPointer<QWidget> dialog = calc_->twoValueDialog();
    QVERIFY(dialog);
    calc_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    QVERIFY(!calc_->twoValueDialog());
}

void FrmCalcInputTest::offKeySavesTheColourAndEnds() {
    calc_->click("Command3 Funct(10)");
    QPointer<QWidget> about = calc_->aboutWindow();
    QPointer<QWidget> dialog = calc_->twoValueDialog();
    calc_->applyChosenColour(QColor(255, 0, 0));
    calc_->click("Command20");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(calc_->programEnds, 1);
    QVERIFY(!calc_->isVisible());
    QVERIFY(!about);
    QVERIFY(!dialog);
    QCOMPARE(orbetta::preferences::readSetting("Settings", "Option4", "none", "orbetta.ini"),
             std::string("255"));
}

// Ctrl+T opens and closes the tape; Enter and a double click recall a line's value into the entry; Ctrl+C
// copies the selected lines or all; Clear and Undo clear, the file following; Escape closes.
void FrmCalcInputTest::tapeWindow() {
    calc_->type("2+3=");
    QTest::keyClick(calc_->receiver(), Qt::Key_T, Qt::ControlModifier);
    orbetta::ui::TapeWindow* tape = calc_->tapeWindow();
    QVERIFY(tape && tape->isVisible());
    QCOMPARE(calc_->beeps, 0);
    // What opening tells is spoken once the tape is the active window.
    QVERIFY(QTest::qWaitForWindowActive(tape));
    auto* view = tape->findChild<QTextEdit*>("TapeText");
    // A document to a screen reader, read line by line as the help is.
    QCOMPARE(QAccessible::queryAccessibleInterface(view)->role(), QAccessible::Document);
    QCOMPARE(view->toPlainText(), QStringLiteral("2 +\n3 =\n= 5\n"));
    QTRY_COMPARE(tape->findChild<QWidget*>("TapeAnnouncer")->accessibleName(),
                 QStringLiteral("Tape, 4 lines, the last: = 5"));

    QTextCursor caret(view->document()->findBlockByNumber(0));
    view->setTextCursor(caret);
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(calc_->display(), QStringLiteral("2"));
    const QRect third = view->cursorRect(QTextCursor(view->document()->findBlockByNumber(2)));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, third.center() + QPoint(4, 0));
    QCOMPARE(calc_->display(), QStringLiteral("5"));
    // A recall gives the keyboard to the calculator; the user comes back to the tape.
    tape->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tape));

    view->setTextCursor(QTextCursor(view->document()->findBlockByNumber(1)));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2 +\n3 =\n= 5\n\n"));
    caret.setPosition(view->document()->findBlockByNumber(1).position() + 1);
    caret.setPosition(view->document()->findBlockByNumber(2).position() + 1, QTextCursor::KeepAnchor);
    view->setTextCursor(caret);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3 =\n= 5\n"));

    QFile file(settingsHome_.filePath("orbetta/tape.txt"));
    const auto fileText = [&file] {
        file.open(QIODevice::ReadOnly);
        const QByteArray text = file.readAll();
        file.close();
        return text;
    };
    QCOMPARE(fileText(), QByteArray("2 +\n3 =\n= 5\n\n"));
    QTest::mouseClick(tape->findChild<QPushButton*>("TapeClear"), Qt::LeftButton);
    QCOMPARE(view->toPlainText(), QString());
    QCOMPARE(fileText(), QByteArray());
    // Typed into the tape window, the characters of a calculation reach the calculator.
    QWidget* mainKeys = calc_->control<QWidget>("Command13");
    QTest::keyClicks(view, "c7*6=");
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(view->toPlainText(), QStringLiteral("2 +\n3 =\n= 5\n\n7 ×\n6 =\n= 42\n"));
    QCOMPARE(fileText(), view->toPlainText().toUtf8() + "\n");

    QVERIFY(tape->saveTo(settingsHome_.filePath("saved.txt")));
    QFile saved(settingsHome_.filePath("saved.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), fileText());

    // Not kept between runs (Ctrl+K): the file goes, which is told, the lines stay, new ones live in memory
    // only.
    QTest::keyClick(view, Qt::Key_K, Qt::ControlModifier);
    QVERIFY(!tape->findChild<QCheckBox*>("TapeKeep")->isChecked());
    QVERIFY(!file.exists());
    QVERIFY(tape->findChild<QWidget*>("TapeAnnouncer")->accessibleName().contains("file is removed"));
    QCOMPARE(orbetta::preferences::readSetting("Settings", "KeepTape", "none", "orbetta.ini"),
             std::string("0"));
    QTest::keyClicks(mainKeys, "1+1=");
    QVERIFY(view->toPlainText().endsWith("= 42\n\n1 +\n1 =\n= 2\n"));
    QVERIFY(!file.exists());
    // The calculator's chords too, while the tape keeps the keyboard; Alt+S is no button of the tape's.
    QTest::keyClicks(view, "c9");
    QTest::keyClick(view, Qt::Key_Q, Qt::AltModifier);
    QTest::keyClick(view, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(calc_->display(), QStringLiteral("0.0523359562429438"));

    const auto tapeOpen = [this] { return calc_->tapeWindow() && calc_->tapeWindow()->isVisible(); };
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!tapeOpen());
    QTest::keyClick(mainKeys, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(tapeOpen());
    QTest::keyClick(mainKeys, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(!tapeOpen());
    // Opened during a calculation, the last line holds the caret, which a screen reader reads: it is not
    // told again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the tape closed above
    QTest::keyClicks(mainKeys, "c8*");
    QTest::keyClick(mainKeys, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(calc_->tapeWindow()->findChild<QTextEdit*>("TapeText")->toPlainText().endsWith("\n8 ×"));
    QTRY_VERIFY(
        calc_->tapeWindow()->findChild<QWidget*>("TapeAnnouncer")->accessibleName().startsWith("Tape, "));
    QVERIFY(!calc_->tapeWindow()->findChild<QWidget*>("TapeAnnouncer")->accessibleName().contains("8"));
    QCOMPARE(calc_->beeps, 0);
}

void FrmCalcInputTest::tapeInEitherDecimalSign_data() {
    QTest::addColumn<QString>("numbers");   // the locale variables; empty: as the tests run
    QTest::addColumn<QByteArray>("before"); // the tape file, from an earlier run
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tape"); // the tape window, and the file
    QTest::addColumn<int>("line");     // recalled
    QTest::addColumn<QString>("display");
    QTest::newRow("German numbers") << kGermanNumbers << QByteArray() << "1,5+1="
                                    << "1,5 +\n1 =\n= 2,5\n"
                                    << 0 << "1,5";
    QTest::newRow("German numbers, a tape of points")
        << kGermanNumbers << QByteArray("2.5 +\n1 =\n= 3.5\n\n") << ""
        << "2.5 +\n1 =\n= 3.5\n"
        << 2 << "3,5";
    QTest::newRow("points, a tape of German numbers")
        << "" << QByteArray("sin(0,5 rad) = 0,479425538604203\n\n") << ""
        << "sin(0,5 rad) = 0,479425538604203\n"
        << 0 << "0.479425538604203";
}

// The tape and its file hold the numbers as shown; a line recalls its value whichever sign it was written
// with.
void FrmCalcInputTest::tapeInEitherDecimalSign() {
    QFETCH(QString, numbers);
    QFETCH(QByteArray, before);
    QFETCH(QString, typed);
    QFETCH(QString, tape);
    QFETCH(int, line);
    QFETCH(QString, display);
    const LocaleNumbers locale(numbers);
    QFile file(settingsHome_.filePath("orbetta/tape.txt"));
    if (!before.isEmpty())
        orbetta::testing::writeFile(file.fileName(), before);
    calc_->type(typed);
    QTest::keyClick(calc_->receiver(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY(calc_->tapeWindow());
    auto* view = calc_->tapeWindow()->findChild<QTextEdit*>("TapeText");
    QCOMPARE(view->toPlainText(), tape);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), tape + "\n");
    view->setTextCursor(QTextCursor(view->document()->findBlockByNumber(line)));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(calc_->display(), display);
    QCOMPARE(calc_->beeps, 0);
}

QTEST_MAIN(FrmCalcInputTest)
#include "main_window_input_test.moc"
