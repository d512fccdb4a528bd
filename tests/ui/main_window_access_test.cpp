// The main window for a screen reader and a keyboard alone: roles, announcements, pressing keys without a
// mouse, the help key and pasting into the display.
#include "main_window_fixture.h"
#include "support/locale_numbers.h"

#include "look/classic_look.h"
#include "settings/preferences.h"
#include "ui/colour_chooser.h"
#include "ui/display.h"
#include "ui/keybutton.h"

#include <QAccessible>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// Each announcement hides the announcer and shows it again with the text as its name.
class AnnouncerWatch : public QObject {
public:
    QStringList told;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            told << QStringLiteral("(hidden)");
        else if (event->type() == QEvent::Show)
            told << static_cast<QWidget*>(watched)->accessibleName();
        else if (event->type() == QEvent::WindowDeactivate && static_cast<QWidget*>(watched)->isWindow())
            told << QStringLiteral("(window left)");
        return false;
    }
};

QWidget* visibleHelpViewer() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("HelpViewer") && widget->isVisible())
            return widget;
    return nullptr;
}

// A text box read by a screen reader: its role and state, its whole text as one run of attributes, each
// character, word and sentence before, at and after every offset (the end of the text holding none, and
// answered at once), the text at the caret, where each character is drawn, and a change made through it.
void checkReadWhole(QWidget* box, const QString& shown, int role, bool readOnly) {
    QVERIFY(box);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->state().readOnly, readOnly);
    QCOMPARE(iface->state().editable, !readOnly);
    QCOMPARE(iface->text(QAccessible::Value), shown);
    QAccessibleTextInterface* text = iface->textInterface();
    QVERIFY(text);
    const int count = int(shown.size());
    QCOMPARE(text->characterCount(), count);
    int start = -1;
    int end = -1;
    QCOMPARE(text->attributes(count - 1, &start, &end), QString());
    QCOMPARE(std::pair(start, end), std::pair(0, count));
    QCOMPARE(text->textAtOffset(count, QAccessible::LineBoundary, &start, &end), shown);
    QCOMPARE(text->textAtOffset(count, QAccessible::WordBoundary, &start, &end), QString());
    QCOMPARE(std::pair(start, end), std::pair(count, count));
    using Query = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*, int*) const;
    for (const Query query :
         {&QAccessibleTextInterface::textBeforeOffset, &QAccessibleTextInterface::textAtOffset,
          &QAccessibleTextInterface::textAfterOffset})
        for (const auto boundary :
             {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary})
            for (int offset = -1; offset <= count + 1; ++offset) {
                const QString found = (text->*query)(offset, boundary, &start, &end);
                QVERIFY(0 <= start && start <= end && end <= count);
                QCOMPARE(found, shown.mid(start, end - start));
            }

    auto* line = qobject_cast<QLineEdit*>(box);
    if (!line)
        line = box->findChild<QLineEdit*>();
    const int caret = text->cursorPosition();
    QCOMPARE(caret, line->cursorPosition());
    const int before = std::max(caret - 1, 0);
    QCOMPARE(text->textAtOffset(before, QAccessible::CharBoundary, &start, &end), shown.mid(before, 1));

    line->repaint(); // a line edit places its text as it paints it
    for (int offset = 0; offset < count; ++offset) {
        const QRect place = text->characterRect(offset);
        QVERIFY(!place.isEmpty());
        QCOMPARE(text->offsetAtPoint(place.center()), offset);
        if (offset > 0)
            QVERIFY(text->characterRect(offset - 1).right() < place.left());
    }
    text->setSelection(0, 1, 3);
    QCOMPARE(std::pair(line->selectionStart(), line->selectionLength()), std::pair(1, 2));
    QCOMPARE(text->selectionCount(), 1);

    // A read-only box takes nothing from a screen reader; an editable one is changed as by typing.
    QAccessibleEditableTextInterface* editing = iface->editableTextInterface();
    QVERIFY(editing);
    editing->deleteText(0, count);
    QCOMPARE(line->text(), readOnly ? shown : QString());
    editing->insertText(0, shown);
    QCOMPARE(line->text(), shown);
}

} // namespace

class FrmCalcAccessTest : public MainWindowTestCase {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roles_data();
    void roles();
    void announcerStaysOutOfSight();
    void announcements_data();
    void announcements();
    void everyKeyPressedWithoutAMouse_data();
    void everyKeyPressedWithoutAMouse();
    void ctrlSpaceElsewherePressesNothing();
    void f1OpensTheHelp_data();
    void f1OpensTheHelp();
    void pasteFromTheDisplayMenu_data();
    void pasteFromTheDisplayMenu();
    void tabThroughTheDisplay_data();
    void tabThroughTheDisplay();
    void textBoxesReadWhole_data();
    void textBoxesReadWhole();

private:
};

void FrmCalcAccessTest::initTestCase() {
    setUpProgram();
    // The colour key answers at once instead of waiting for a person.
    setColourChoiceStep([](QColorDialog&) { return std::optional<QColor>(); });
}

void FrmCalcAccessTest::init() {
    makeWindow();
    QAccessible::setActive(true); // as when a screen reader connects
    showWindow();
}

void FrmCalcAccessTest::cleanup() {
    closeWindow();
}

void FrmCalcAccessTest::roles_data() {
    QTest::addColumn<QString>("name"); // empty: the window itself
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("window") << "" << int(QAccessible::Window) << "Orbetta";
    QTest::newRow("function panel") << "Frame2" << int(QAccessible::Grouping) << "";
    QTest::newRow("keypad") << "Frame3" << int(QAccessible::Grouping) << "";
    QTest::newRow("announcer") << "Announcer" << int(QAccessible::Notification) << "";
    // A notification inside a status bar is spoken without its role.
    QTest::newRow("announcer's status bar") << "AnnouncerBar" << int(QAccessible::StatusBar) << "";
    QTest::newRow("a key keeps its role") << "Funct(9)" << int(QAccessible::Button) << "square root";
    QTest::newRow("display") << "Text1" << int(QAccessible::EditableText) << "display";
}

void FrmCalcAccessTest::roles() {
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, spoken);
    QWidget* widget = name.isEmpty() ? calc_.get() : calc_->control(name.toLatin1().constData());
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), spoken);
}

void FrmCalcAccessTest::announcerStaysOutOfSight() {
    QWidget* announcer = calc_->control("Announcer");
    QCOMPARE(announcer->parentWidget()->parentWidget(), calc_.get());
    QVERIFY(announcer->parentWidget()->size().isEmpty());
    QVERIFY(announcer->size().isEmpty());
    QCOMPARE(announcer->focusPolicy(), Qt::NoFocus);
    QVERIFY(announcer->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(!announcer->isVisible()); // an empty notification is never shown
    calc_->click("Num(1) Command13");
    QVERIFY(announcer->isVisible());
    QVERIFY(announcer->size().isEmpty());

    // A result that comes while another window is active waits until the window is active again, so that a
    // screen reader presenting the activation does not cut it off.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    calc_->click("Num(2) Funct(11)");
    QCOMPARE(announcer->accessibleName(), QStringLiteral("0"));
    calc_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(calc_.get()));
    QTRY_COMPARE(announcer->accessibleName(), QStringLiteral("4"));
    // The hint that Ctrl+Space presses a key is given once in a run, not again on coming back.
    QWidget* key = QApplication::focusWidget();
    QVERIFY(key);
    key->clearFocus();
    key->setFocus();
    QCOMPARE(key->accessibleDescription(), QString());
}

void FrmCalcAccessTest::announcements_data() {
    // Controls clicked by name, or pressed without a mouse ("press:"); "key:" a chord and "type:" characters
    // for the focused control; "tape" opens the tape, "activate" makes the main window active again;
    // "numbers:" names the locale of LC_NUMERIC for the rest of the row.
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QStringList>("told"); // by the main window's announcer and the two-value dialog's

    // Hidden until the first announcement; each later one hides it and shows it again.
    const QString hidden = QStringLiteral("(hidden)");
    QTest::newRow("12 + 3 =") << "Num(1) Num(2) Oper(2) Num(3) Command13" << QStringList{"15"};
    QTest::newRow("the same result twice") << "Num(4) Command13 Command13" << QStringList{"0", hidden, "0"};
    QTest::newRow("box, then the display") << "Num(1) Oper(5) Num(0) Command13" << QStringList{"0"};
    QTest::newRow("angle key") << "Funct(19) Funct(19)"
                               << QStringList{"radian (click to change to degree)", hidden,
                                              "degree (click to change to radian)"};
    QTest::newRow("digits are not told; the sign change and backspace are")
        << "Num(1) Command11 Num(5) Command12 Command16 Oper(2)" << QStringList{"-1.5", hidden, "-1."};
    QTest::newRow("Alt+J tells the display") << "Num(4) key:Alt+J key:Alt+J" << QStringList{"4", hidden, "4"};
    QTest::newRow("Delete is told") << "key:Delete" << QStringList{"Delete is not taken here"};
    QTest::newRow("the function key's list")
        << "Command1" << QStringList{"additional trigonometric functions list, Down opens it"};
    QTest::newRow("the dialog's result, told once")
        << "press:Funct(10) type:2 key:Tab type:10 key:Return activate" << QStringList{"1024"};
    QTest::newRow("minus in the dialog")
        << "press:Funct(10) type:-" << QStringList{"minus is not taken here; values are without sign"};
    QTest::newRow("Enter on the dialog's empty box")
        << "press:Funct(10) key:Return" << QStringList{"the field is empty"};
    QTest::newRow("OK with the second box emptied")
        << "press:Funct(10) type:2 key:Tab type:1 key:Backspace key:Return"
        << QStringList{"the second field is empty"};
    QTest::newRow("back from the tape, then Ctrl+T closes it")
        << "tape activate key:Ctrl+T" << QStringList{"empty", hidden, "Tape closed"};
    QTest::newRow("a value recalled from the tape, told once the tape is left")
        << "type:7*6= tape recall" << QStringList{"42", "(window left)", hidden, "42"};
    QTest::newRow("German numbers, memory")
        << "numbers:de_DE.UTF-8 Num(2) Command11 Num(5) Funct(18)" << QStringList{"2,5 in memory"};
    QTest::newRow("German numbers, the dialog's result")
        << "numbers:de_DE.UTF-8 press:Funct(10) type:2,5 key:Tab type:2 key:Return activate"
        << QStringList{"6,25"};
}

void FrmCalcAccessTest::announcements() {
    QFETCH(QString, clicks);
    QFETCH(QStringList, told);
    AnnouncerWatch watch;
    calc_->control("Announcer")->installEventFilter(&watch);
    std::optional<LocaleNumbers> numbers;
    for (const QString& action : clicks.split(QLatin1Char(' '))) {
        if (action.startsWith(QLatin1String("numbers:"))) {
            numbers.emplace(QStringLiteral("LANG=en_US.UTF-8 LC_NUMERIC=") + action.mid(8));
        } else if (action.startsWith(QLatin1String("key:"))) {
            const QKeyCombination chord = QKeySequence(action.mid(4))[0];
            QTest::keyClick(calc_->receiver(), chord.key(), chord.keyboardModifiers());
        } else if (action.startsWith(QLatin1String("type:"))) {
            calc_->type(action.mid(5));
        } else if (action == QLatin1String("tape")) { // Ctrl+T, and the tape takes the focus
            QTest::keyClick(calc_->receiver(), Qt::Key_T, Qt::ControlModifier);
            QTRY_COMPARE(QApplication::activeWindow(), calc_->tapeWindow());
        } else if (action == QLatin1String("recall")) { // Enter on the last result, above the blank line
            QWidget* tape = calc_->tapeWindow();
            auto* view = tape->findChild<QTextEdit*>("TapeText");
            view->setTextCursor(QTextCursor(view->document()->lastBlock().previous()));
            tape->installEventFilter(&watch);
            QTest::keyClick(view, Qt::Key_Return);
            QTRY_COMPARE(QApplication::activeWindow(), calc_.get());
        } else if (action.startsWith(QLatin1String("press:"))) {
            calc_->control<QPushButton>(action.mid(6).toLatin1().constData())->click(); // as a chord does
        } else if (action == QLatin1String("activate")) {
            calc_->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), calc_.get());
        } else {
            calc_->click(action);
        }
        if (QWidget* dialog = calc_->twoValueDialog(); dialog && !dialog->property("watched").toBool()) {
            // The dialog takes the keys from here on; what its opening told is not the row's.
            dialog->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), dialog);
            dialog->findChild<QWidget*>("Announcer")->installEventFilter(&watch);
            dialog->setProperty("watched", true);
            watch.told.clear();
        }
    }
    QTRY_COMPARE(watch.told, told);
    if (QWidget* tape = calc_->tapeWindow())
        tape->close();
}

void FrmCalcAccessTest::everyKeyPressedWithoutAMouse_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>(
        "chord"); // Alt with this letter presses the key; none for a key with a character
    // The chords the help lists.
    const QHash<QString, QString> chords{
        {"Funct(4)", "S"},  {"Funct(5)", "C"},  {"Funct(6)", "T"},  {"Funct(7)", "A"},  {"Funct(0)", "L"},
        {"Funct(1)", "N"},  {"Funct(3)", "E"},  {"Funct(2)", "X"},  {"Funct(8)", "Y"},  {"Funct(10)", "P"},
        {"Funct(9)", "Q"},  {"Funct(11)", "U"}, {"Funct(14)", "V"}, {"Funct(15)", "K"}, {"Funct(13)", "I"},
        {"Funct(12)", "D"}, {"Funct(19)", "G"}, {"Funct(18)", "M"}, {"Funct(17)", "R"}, {"Command1", "F"},
        {"Command2", "H"},  {"Command3", "B"},  {"Command4", "W"},  {"Command12", "Z"}, {"Command20", "O"},
    };
    const RecordingCalc window;
    for (const auto* key : window.findChildren<orbetta::ui::KeyButton*>())
        if (key->objectName() != QLatin1String("Funct(16)")) // hidden and disabled for good
            QTest::newRow(qPrintable(key->objectName()))
                << key->objectName() << chords.value(key->objectName());
}

// Ctrl+Space on the focused key, the key's accessible press action and its Alt chord click it, as a mouse
// would. The hint that Ctrl+Space presses a key goes with the first key focused in a run
// only.
void FrmCalcAccessTest::everyKeyPressedWithoutAMouse() {
    QFETCH(QString, key);
    QFETCH(QString, chord);
    const QString hint = QStringLiteral("Ctrl+Space presses this key.");
    auto* button = calc_->control<QPushButton>(key.toLatin1().constData());
    QCOMPARE(calc_->control("Command13")->accessibleDescription(), hint);
    QSignalSpy clicks(button, &QPushButton::clicked);
    button->setFocus();
    QCOMPARE(QApplication::focusWidget(), button);
    QCOMPARE(button->accessibleDescription(), key == QLatin1String("Command13") ? hint : QString());
    QCOMPARE(calc_->control("Command13")->accessibleDescription().isEmpty(),
             key != QLatin1String("Command13"));

    QCOMPARE(button->shortcut(), QKeySequence(chord.isEmpty() ? QString() : QStringLiteral("Alt+") + chord));
    if (!chord.isEmpty() && key != QLatin1String("Command20")) { // Alt+O ends the program
        QTest::keyClick(calc_.get(), Qt::Key(chord.at(0).unicode()), Qt::AltModifier);
        QTRY_COMPARE(clicks.count(), 1);
        clicks.clear();
    }
    QTest::keyClick(button, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(calc_->beeps == 0 || !calc_->boxes.empty()); // a beep only with an error report, never for Space

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr;
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clicks.count(), 2);
}

void FrmCalcAccessTest::ctrlSpaceElsewherePressesNothing() {
    calc_->type("42");
    QSignalSpy equal(calc_->control<QPushButton>("Command13"), &QPushButton::clicked);
    QWidget* display = calc_->control("Text1");
    display->setFocus();
    QTest::keyClick(display, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(equal.count(), 0);
    QCOMPARE(calc_->beeps, 0);
    QCOMPARE(calc_->display(), QStringLiteral("42"));
}

void FrmCalcAccessTest::f1OpensTheHelp_data() {
    QTest::addColumn<QString>("from");
    QTest::newRow("a key of the main window") << "Funct(4)";
    QTest::newRow("the display") << "Text1";
    QTest::newRow("the two-value dialog") << "Funct(10)";
    QTest::newRow("the About window") << "Command3";
}

void FrmCalcAccessTest::f1OpensTheHelp() {
    QFETCH(QString, from);
    QWidget* control = calc_->control(from.toLatin1().constData());
    if (from.startsWith(QLatin1String("Command")) || from == QLatin1String("Funct(10)")) {
        calc_->click(from); // opens the window F1 is pressed in
        QWidget* opened = from == QLatin1String("Command3") ? static_cast<QWidget*>(calc_->aboutWindow())
                                                            : calc_->twoValueDialog();
        QVERIFY(opened);
        QVERIFY(QTest::qWaitForWindowActive(opened));
    } else {
        control->setFocus();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QWidget* viewer = visibleHelpViewer();
    QVERIFY(viewer);
    QCOMPARE(viewer->parentWidget(), calc_.get());
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QTRY_COMPARE(QApplication::focusWidget(), viewer->findChild<QTextBrowser*>("HelpText"));
    QCOMPARE(calc_->beeps, 0);
    viewer->close();
}

void FrmCalcAccessTest::pasteFromTheDisplayMenu_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("beeps");

    QTest::newRow("a number") << " 2.5\n" << true << "2.5" << 0;
    QTest::newRow("text beeps") << "two" << true << "7" << 1;
    QTest::newRow("no text: Paste is disabled") << "" << false << "7" << 0;
}

void FrmCalcAccessTest::pasteFromTheDisplayMenu() {
    QFETCH(QString, clipboard);
    QFETCH(bool, enabled);
    QFETCH(QString, display);
    QFETCH(int, beeps);
    QGuiApplication::clipboard()->setText(clipboard);
    calc_->type("7");
    auto* box = calc_->control<QLineEdit>("Text1");

    QStringList entries;
    bool pasteEnabled = false;
    std::function<void()> usePaste = [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            QTimer::singleShot(0, usePaste);
            return;
        }
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->text() == QLatin1String("&Paste\tCtrl+V"))
                paste = action;
        }
        pasteEnabled = paste && paste->isEnabled();
        if (pasteEnabled)
            paste->trigger();
        menu->close();
    };
    QTimer::singleShot(0, usePaste);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F10, Qt::ShiftModifier);

    QCOMPARE(entries, (QStringList{"&Copy\tCtrl+C", "&Paste\tCtrl+V", "", "&Tape", "", "&Always on top"}));
    QCOMPARE(pasteEnabled, enabled);
    QCOMPARE(calc_->display(), display);
    QCOMPARE(calc_->calculator().entryText, display.toStdString());
    QCOMPARE(calc_->beeps, beeps);
}

void FrmCalcAccessTest::tabThroughTheDisplay_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("shownBy"); // the key that shows a hidden box first

    QTest::newRow("display") << "Text1"
                             << "";
    QTest::newRow("function list") << "Combo1"
                                   << "Command1";
}

// Reached by Shift+Tab or Tab, a text box selects nothing, so leaving it drops no selection, which a screen
// reader would tell instead of the key the focus reaches; Copy still takes the whole display.
void FrmCalcAccessTest::tabThroughTheDisplay() {
    QFETCH(QString, box);
    QFETCH(QString, shownBy);

    calc_->type("42");
    if (!shownBy.isEmpty())
        calc_->click(shownBy);
    QWidget* reached = calc_->control(box.toLatin1().constData());
    auto* text = qobject_cast<QLineEdit*>(reached);
    if (auto* list = qobject_cast<QComboBox*>(reached))
        text = list->lineEdit();
    QVERIFY(text);
    reached->setFocus();
    QTest::keyClick(reached, Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    QVERIFY(next != reached);
    QSignalSpy selection(text, &QLineEdit::selectionChanged);

    QTest::keyClick(next, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), reached);
    QVERIFY(!text->hasSelectedText());
    if (auto* display = qobject_cast<orbetta::ui::DisplayBox*>(reached)) {
        display->copyToClipboard();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("42"));
    }
    QTest::keyClick(reached, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), next);
    QTest::keyClick(next, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(reached, Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget() != reached);
    QCOMPARE(selection.count(), 0);
    QCOMPARE(calc_->display(), QStringLiteral("42"));
    QCOMPARE(calc_->beeps, 0);
}

void FrmCalcAccessTest::textBoxesReadWhole_data() {
    QTest::addColumn<QString>("box");   // the text box and how it is reached
    QTest::addColumn<QString>("typed"); // typed into it first
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("readOnly");

    const int text = QAccessible::EditableText;
    QTest::newRow("display") << "Text1"
                             << "12.5"
                             << "12.5" << text << true;
    QTest::newRow("two-value box") << "xyentry Text1"
                                   << "12.5"
                                   << "12.5" << text << false;
    QTest::newRow("function list") << "Combo1"
                                   << ""
                                   << "Secant" << text << true;
    QTest::newRow("help's find field") << "HelpFind"
                                       << "memory"
                                       << "memory" << text << false;
    QTest::newRow("colour chooser's name") << "colour name"
                                           << ""
                                           << "#ffffff" << text << false;
    QTest::newRow("colour chooser's spin box") << "colour red"
                                               << ""
                                               << "255" << int(QAccessible::SpinBox) << false;
    QTest::newRow("a password is not told") << "password"
                                            << "x1y"
                                            << "***" << text << false;
}

// A screen reader splits a line by its runs of text attributes: each box's text is one run, so all of it is
// read ("12.5", not "12."), and the end of the text answers with no word rather than never.
void FrmCalcAccessTest::textBoxesReadWhole() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, role);
    QFETCH(bool, readOnly);

    if (box.startsWith(QLatin1String("colour"))) {
        // The chooser is modal: it is read while it is open, and closed unchosen.
        setColourChoiceStep([&](QColorDialog& chooser) {
            chooser.show();
            if (QTest::qWaitForWindowExposed(&chooser)) {
                QWidget* field = nullptr;
                if (box == QLatin1String("colour red"))
                    field = chooser.findChildren<QSpinBox*>().value(3); // hue, saturation, value, red
                else
                    for (auto* line : chooser.findChildren<QLineEdit*>())
                        if (line->objectName() != QLatin1String("qt_spinbox_lineedit"))
                            field = line;
                checkReadWhole(field, shown, role, readOnly);
            }
            return std::optional<QColor>();
        });
        calc_->click("Command4");
        setColourChoiceStep([](QColorDialog&) { return std::optional<QColor>(); });
        QVERIFY(!QTest::currentTestFailed());
        return;
    }
    QWidget* field = nullptr;
    QLineEdit password; // no box of the program hides its text, but any line edit may
    if (box == QLatin1String("password")) {
        password.setEchoMode(QLineEdit::Password);
        password.show();
        QVERIFY(QTest::qWaitForWindowExposed(&password));
        field = &password;
    } else if (box == QLatin1String("Text1")) {
        field = calc_->control("Text1");
    } else if (box == QLatin1String("xyentry Text1")) {
        calc_->click("Funct(10)");
        QVERIFY(calc_->twoValueDialog());
        QVERIFY(QTest::qWaitForWindowActive(calc_->twoValueDialog()));
        field = calc_->twoValueDialog()->findChild<QLineEdit*>("Text1");
    } else if (box == QLatin1String("Combo1")) {
        auto* list = calc_->control<QComboBox>("Combo1");
        list->setCurrentIndex(list->findText(shown));
        field = list->lineEdit();
    } else {
        QTest::keyClick(calc_->control("Funct(4)"), Qt::Key_F1);
        QWidget* viewer = visibleHelpViewer();
        QVERIFY(viewer);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(viewer->findChild<QWidget*>("HelpText"), Qt::Key_F, Qt::ControlModifier);
        field = viewer->findChild<QLineEdit*>("HelpFind");
    }
    QVERIFY(field);
    if (box == QLatin1String("Text1"))
        calc_->type(typed); // the main window takes the keys for the display
    else
        QTest::keyClicks(field, typed);
    checkReadWhole(field, shown, role, readOnly);
    if (QWidget* viewer = visibleHelpViewer())
        viewer->close();
}

QTEST_MAIN(FrmCalcAccessTest)
#include "main_window_access_test.moc"
