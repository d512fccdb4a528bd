// What the actions of the soak run do to the windows: keys pressed, characters typed and pasted, the list,
// the dialogs and the help viewer.
#include "soak_run.h"

#include "settings/preferences.h"
#include "ui/two_value_dialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

namespace preferences = orbetta::preferences;

namespace {

std::string keyName(const char* array, int index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

std::vector<std::string> keyNames(const char* array, std::initializer_list<int> indices) {
    std::vector<std::string> names;
    for (int index : indices)
        names.push_back(keyName(array, index));
    return names;
}

// Texts that reach the dialog's boxes by pasting rather than through the key filter.
const std::vector<QString> kPastes = {
    "-10",
    "-5",
    "1e308",
    "1E+300",
    "1.7976931348623157e308",
    "abc",
    "1.5.5",
    "0",
    "",
    " 7",
    "-0",
    "3.14159",
    "1e-320",
    "nan",
    "inf",
    "-inf",
    "1,5",
    "0x1F",
    "&H10",
    "12\n34",
    "\t12",
    QString(500, QLatin1Char('5')),
    "99999999999999999999999999999999999999",
    QString::fromUtf8("\u0661\u0662"),
    QString::fromUtf8("\xF0\x9D\x9F\x99"),
};

} // namespace

void SoakRun::defineActions() {
    const auto always = [] { return true; };
    const auto ifDialog = [this] { return dialog() != nullptr; };
    const std::vector<std::string> digits = keyNames("Num", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const std::vector<std::string> operations = keyNames("Oper", {2, 3, 4, 5});
    const std::vector<std::string> functions =
        keyNames("Funct", {0, 1, 2, 3, 4, 5, 6, 7, 9, 11, 13, 14, 15, 17, 18});
    const std::vector<std::string> twoValueKeys = keyNames("Funct", {8, 10, 12});
    const std::vector<std::string> entryKeys = {"Command11", "Command12", "Command13", "Command16",
                                                "Command17"};

    actions_ = {
        {"digit key", 1500, always, [this, digits] { pressKey(digits); }},
        {"operation key", 500, always, [this, operations] { pressKey(operations); }},
        {"function key", 600, always, [this, functions] { pressKey(functions); }},
        {"entry key", 500, always, [this, entryKeys] { pressKey(entryKeys); }},
        {"angle key", 200, always, [this] { pressKey({"Funct(19)"}); }},
        {"hidden key", 20, always,
         [this] {
             // The hidden, disabled list key does nothing, whatever presses it.
             const QString before = control<QLineEdit>("Text1")->text();
             describe("Funct(16)");
             key("Funct(16)")->click();
             if (control<QLineEdit>("Text1")->text() != before)
                 fault("the hidden key Funct(16) changed the display");
         }},
        {"typed character", 2500, always, [this] { typeIntoMainWindow(); }},
        {"list shown", 300, always, [this] { pressKey({"Command1"}); }},
        {"list entry chosen", 300, [this] { return listShown(); },
         [this] {
             auto* list = control<QComboBox>("Combo1");
             list->showPopup();
             const QModelIndex entry = list->model()->index(below(list->count()), 0);
             describe(entry.data().toString().toStdString());
             QPointer<QAbstractItemView> view = list->view();
             view->setCurrentIndex(entry);
             if (oneIn(3)) {
                 QCoreApplication::processEvents();
                 if (!view)
                     return;
                 const QPoint spot = view->visualRect(entry).center();
                 QTest::mouseMove(view->viewport(), spot); // moves the cursor and handles the events
                 if (view)
                     QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, spot);
             } else {
                 QTest::keyClick(view, Qt::Key_Return);
             }
         }},
        {"list dismissed", 80, [this] { return listShown(); },
         [this] {
             auto* list = control<QComboBox>("Combo1");
             if (!list->view()->isVisible())
                 list->showPopup();
             QTest::keyClick(list->view(), Qt::Key_Escape);
         }},
        {"tape opened or closed", 60, always,
         [this] {
             QTest::keyClick(calc_->focusWidget() ? calc_->focusWidget() : calc_.data(), Qt::Key_T,
                             Qt::ControlModifier);
         }},
        {"tape used", 120, [this] { return calc_->tapeWindow() && calc_->tapeWindow()->isVisible(); },
         [this] {
             orbetta::ui::TapeWindow* tape = calc_->tapeWindow();
             auto* view = tape->findChild<QTextEdit*>("TapeText");
             const int use = below(5);
             describe(std::to_string(use));
             if (use == 0) {
                 // A line's value back into the entry.
                 view->setTextCursor(QTextCursor(view->document()->findBlockByNumber(
                     below(std::max(1, view->document()->blockCount())))));
                 QTest::keyClick(view, Qt::Key_Return);
             } else if (use == 1) {
                 QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
             } else if (use == 2) {
                 tape->clearTape();
             } else if (use == 3) {
                 QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
             } else {
                 QTest::keyClick(view, Qt::Key_Escape);
             }
         }},
        {"two-value key", 300, always, [this, twoValueKeys] { pressKey(twoValueKeys); }},
        {"dialog typed character", 1400, ifDialog, [this] { typeIntoDialog(); }},
        {"dialog paste", 200, ifDialog, [this] { pasteIntoDialog(); }},
        {"dialog OK", 300, ifDialog, [this] { press(dialog()->findChild<QAbstractButton*>("Command1")); }},
        {"dialog Enter", 150, ifDialog,
         [this] {
             QTest::keyClick(dialog()->findChild<QLineEdit*>(oneIn(2) ? "Text1" : "Text2"), Qt::Key_Return);
         }},
        {"dialog closed", 100, ifDialog, [this] { dialog()->close(); }},
        {"dialog Esc", 50, ifDialog,
         [this] {
             QWidget* target = dialog();
             if (oneIn(2))
                 target = dialog()->findChild<QLineEdit*>("Text1");
             QTest::keyClick(target, Qt::Key_Escape);
         }},
        {"window switch", 150, [this] { return dialog() || about() || helpViewer(); },
         [this] {
             std::vector<QWidget*> windows{calc_};
             for (QWidget* window : {static_cast<QWidget*>(dialog()), about(), helpViewer()})
                 if (window)
                     windows.push_back(window);
             QWidget* window = pick(windows);
             describe(window->objectName().toStdString());
             window->activateWindow();
         }},
        {"About opened", 100, always, [this] { pressKey({"Command3"}); }},
        {"About closed", 100, [this] { return about() != nullptr; },
         [this] {
             switch (below(4)) {
             case 0:
                 describe("OK");
                 press(about()->findChild<QAbstractButton*>("cmdOK"));
                 break;
             case 1:
                 describe("Esc");
                 QTest::keyClick(about(), Qt::Key_Escape);
                 break;
             case 2:
                 describe("Enter");
                 QTest::keyClick(about(), Qt::Key_Return);
                 break;
             default:
                 describe("close control");
                 about()->close();
                 break;
             }
         }},
        {"help opened", 70, always, [this] { pressKey({"Command2"}); }},
        {"help closed", 70, [this] { return helpViewer() != nullptr; }, [this] { helpViewer()->close(); }},
        {"colour key", 100, always,
         [this] {
             chosenSetting_.clear();
             pressKey({"Command4"});
             if (!chosenSetting_.empty() && preferences::colourSetting != chosenSetting_)
                 fault("the colour preference is " + preferences::colourSetting + " after choosing " +
                       chosenSetting_);
         }},
        {"off key", 6, always, [this] { pressKey({"Command20"}); }},
        {"Alt+O", 2, always,
         [this] {
             // The mnemonic belongs to the active window: the off key, or OK of the two-value dialog.
             QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : calc_.data();
             describe(target->window()->objectName().toStdString());
             QTest::keyClick(target, Qt::Key_O, Qt::AltModifier);
             finishAnimatedClicks();
         }},
        {"main window closed", 2, always, [this] { calc_->close(); }},
        // Destroyed without closing, with whatever windows are open going with it.
        {"main window destroyed", 20, always, [this] { delete calc_.data(); }},
    };
}

// A mnemonic presses its button with a short animation and clicks it when that ends, some 100 ms later. The
// action waits for the click, so that it takes effect here and not at a random point of a later action.
void SoakRun::finishAnimatedClicks() {
    QList<QPointer<QAbstractButton>> pressed;
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isDown())
            pressed << button;
    const QDeadlineTimer deadline(2000); // only against a button that never comes up again
    for (const QPointer<QAbstractButton>& button : pressed) {
        while (button && button->isDown() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (button && button->isDown())
            fault("the key " + button->objectName().toStdString() + " stayed pressed after its mnemonic");
    }
}

QAbstractButton* SoakRun::key(const std::string& name) const {
    return control<QAbstractButton>(name.c_str());
}

// Half of the presses go through the mouse, half through the button itself.
void SoakRun::press(QAbstractButton* button) {
    if (oneIn(2))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        button->click();
}

void SoakRun::pressKey(const std::vector<std::string>& names) {
    const std::string& name = pick(names);
    describe(name);
    press(key(name));
}

void SoakRun::typeIntoMainWindow() {
    static const std::string kCalculatorCharacters = "0123456789+-*/.=lCc";
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != calc_)
        target = calc_;
    const int kind = below(100);
    if (kind < 60) {
        const char c =
            kCalculatorCharacters[static_cast<std::size_t>(below(int(kCalculatorCharacters.size())))];
        describe(std::string(1, c));
        QTest::keyClick(target, c);
    } else if (kind < 70) {
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Return, Qt::NoModifier},
                                                                  {Qt::Key_Enter, Qt::KeypadModifier},
                                                                  {Qt::Key_Backspace, Qt::NoModifier},
                                                                  {Qt::Key_Escape, Qt::NoModifier}};
        const auto& [code, modifiers] = keys[below(4)];
        describe("key " + std::to_string(code));
        QTest::keyClick(target, code, modifiers);
    } else if (kind < 85) {
        const char c = static_cast<char>(32 + below(95));
        describe(std::string(1, c));
        QTest::keyClick(target, c);
    } else if (kind < 90) {
        const char16_t others[] = {u'\u00e9', u'\u00df', u'\u20ac', u'\u03c0', u'\u00b2'};
        const QString text(QChar(others[below(5)]));
        describe(text.toStdString());
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text, Qt::NoModifier);
    } else if (kind < 95) {
        const auto letter = static_cast<Qt::Key>(Qt::Key_A + below(26));
        describe("Ctrl+" + std::string(1, char('A' + (letter - Qt::Key_A))));
        QTest::keyClick(target, letter, Qt::ControlModifier);
    } else if (kind < 97) {
        describe("keypad decimal");
        QTest::keyClick(target, oneIn(2) ? Qt::Key_Period : Qt::Key_Comma, Qt::KeypadModifier);
    } else {
        // Keys that type nothing move the focus or open the list's drop-down.
        const Qt::Key moves[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Delete, Qt::Key_Up,
                                 Qt::Key_Down, Qt::Key_Left,    Qt::Key_Home,   Qt::Key_PageDown};
        const Qt::Key code = moves[below(8)];
        describe("key " + std::to_string(code));
        QTest::keyClick(target, code);
    }
}

TwoValueDialog* SoakRun::dialog() const {
    TwoValueDialog* shown = calc_ ? calc_->twoValueDialog() : nullptr;
    return shown && shown->isVisible() ? shown : nullptr;
}

QWidget* SoakRun::about() const {
    QWidget* shown = calc_ ? calc_->aboutWindow() : nullptr;
    return shown && shown->isVisible() ? shown : nullptr;
}

QWidget* SoakRun::helpViewer() const {
    QWidget* shown = calc_ ? calc_->findChild<QWidget*>("HelpViewer", Qt::FindDirectChildrenOnly) : nullptr;
    return shown && shown->isVisible() ? shown : nullptr;
}

bool SoakRun::listShown() const {
    return calc_ && control<QComboBox>("Combo1")->isVisible();
}

void SoakRun::typeIntoDialog() {
    QLineEdit* box = dialog()->findChild<QLineEdit*>(oneIn(2) ? "Text1" : "Text2");
    describe(box->objectName().toStdString() + " ");
    const int kind = below(100);
    if (kind < 70) {
        const char c = static_cast<char>('0' + below(10));
        describe(detail_ + c);
        QTest::keyClick(box, c);
    } else if (kind < 80) {
        describe(detail_ + ".");
        QTest::keyClick(box, '.');
    } else if (kind < 88) {
        describe(detail_ + "backspace");
        QTest::keyClick(box, Qt::Key_Backspace);
    } else if (kind < 96) {
        static const std::string kRefused = "-+eE ,a/";
        const char c = kRefused[static_cast<std::size_t>(below(int(kRefused.size())))];
        describe(detail_ + c);
        QTest::keyClick(box, c);
    } else {
        const Qt::Key moves[] = {Qt::Key_Left, Qt::Key_Home, Qt::Key_Delete, Qt::Key_End};
        const Qt::Key code = moves[below(4)];
        describe(detail_ + "key " + std::to_string(code));
        QTest::keyClick(box, code);
    }
}

void SoakRun::pasteIntoDialog() {
    QLineEdit* box = dialog()->findChild<QLineEdit*>(oneIn(2) ? "Text1" : "Text2");
    QString text;
    if (oneIn(3)) {
        for (int length = 1 + below(30); length > 0; --length)
            text += QChar(u"0123456789.-"[below(12)]);
    } else {
        text = pick(kPastes);
    }
    describe(box->objectName().toStdString() + " \"" + text.left(40).toStdString() + "\"");
    QGuiApplication::clipboard()->setText(text);
    if (oneIn(2))
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); // the paste replaces what the box held
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}
