#include "core/calculator.h"
#include "look/contrast.h"
#include "support/locale_numbers.h"
#include "support/recording_host.h"
#include "support/two_value_keys.h"
#include "ui/two_value_dialog.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using orbetta::Calculator;
using orbetta::Icon;
using orbetta::testing::RecordingHost;

namespace {

const QString kRoot = "y root of x";
const QString kPower = "x to the power of y";
const QString kRandom = "random number";

} // namespace

class XyEntryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void initialState();
    void keyFilter_data();
    void keyFilter();
    void typingIntoFirstBoxOnlyLeavesOkDisabled();
    void editingSecondBoxEnablesOk();
    void reactivationEmptiesBoxesAndDisablesOk();
    void enterWhileOkDisabledPressesNothing();
    void enterWhileOkEnabledPressesOk();
    void escapeDiscardsLikeCloseButton_data();
    void escapeDiscardsLikeCloseButton();
    void ok_data();
    void ok();
    void boundsMessageKeepsDialogOpen();
    void pastedNegativeNumbers_data();
    void pastedNegativeNumbers();
    void backgroundFollowsColourChoice_data();
    void backgroundFollowsColourChoice();
    void promptsNameTheBoxes_data();
    void promptsNameTheBoxes();

private:
    TwoValueDialog* open(const QString& caption);
    template <typename T> T* control(const char* name) {
        T* found = dialog_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }
    void discardClosed();

    RecordingHost host_;
    Calculator calc_{host_};
    QStringList feedback_; // "beep", "!text" for an exclamation box, "text" for a plain box
    QPointer<TwoValueDialog> dialog_;
};

void XyEntryTest::initTestCase() {
    TwoValueDialog::setFeedback({[this] { feedback_ << "beep"; },
                                 [this](QWidget*, const QString& text, Icon icon) {
                                     feedback_ << (icon == Icon::Exclamation ? "!" : "") + text;
                                 }});
}

void XyEntryTest::init() {
    feedback_.clear();
    calc_.receiveTwoValueResult("42");
}

void XyEntryTest::cleanup() {
    delete dialog_.data();
}

TwoValueDialog* XyEntryTest::open(const QString& caption) {
    dialog_ = new TwoValueDialog(calc_, nullptr);
    // The dialog takes its caption and prompts from the key.
    dialog_->openFor(orbetta::testing::twoValueKeyCaptioned(caption));
    if (!QTest::qWaitForWindowActive(dialog_))
        qWarning("the dialog did not become active");
    return dialog_;
}

void XyEntryTest::discardClosed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void XyEntryTest::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("bold");

    QTest::newRow("Label1") << "Label1" << QRect(8, 24, 73, 17) << true;
    QTest::newRow("Text1") << "Text1" << QRect(80, 24, 113, 19) << false;
    QTest::newRow("Label2") << "Label2" << QRect(8, 56, 73, 17) << true;
    QTest::newRow("Text2") << "Text2" << QRect(80, 56, 113, 19) << false;
    QTest::newRow("Command1") << "Command1" << QRect(128, 88, 65, 25) << false;
}

void XyEntryTest::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, bold);

    open(kRoot);
    auto* widget = dialog_->findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->font().pointSizeF(), 8.25);
    const QString family = QFontInfo(widget->font()).family();
    QVERIFY2(family == "Liberation Sans" || family == "DejaVu Sans", qPrintable(family));
}

void XyEntryTest::initialState() {
    open(kRandom);

    QCOMPARE(dialog_->geometry(), QRect(66, 223, 203, 121));
    QCOMPARE(dialog_->minimumSize(), QSize(203, 121));
    QCOMPARE(dialog_->maximumSize(), QSize(203, 121));
    QVERIFY(!(dialog_->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!dialog_->isModal());
    QVERIFY(dialog_->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(dialog_->windowTitle(), kRandom);
    QCOMPARE(dialog_->palette().color(QPalette::Window), QColor(192, 192, 192));

    QCOMPARE(control<QLabel>("Label1")->text(), "lower value:");
    QCOMPARE(control<QLabel>("Label2")->text(), "upper value:");
    QVERIFY(!control<QLabel>("Label1")->autoFillBackground());
    for (const char* name : {"Text1", "Text2"}) {
        auto* box = control<QLineEdit>(name);
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 225));
        QVERIFY(box->alignment() & Qt::AlignLeft);
    }
    auto* ok = control<QPushButton>("Command1");
    QCOMPARE(ok->text(), "&OK");
    QVERIFY(!ok->isEnabled());
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("Text1"));

    // Tab order: the first box, the second box, then OK once it is enabled.
    QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("Text2"));
    QTest::keyClicks(control<QLineEdit>("Text2"), "1");
    QTest::keyClick(control<QLineEdit>("Text2"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>("Command1"));
    QTest::keyClick(control<QPushButton>("Command1"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("Text1"));
    QVERIFY(feedback_.isEmpty());
}

void XyEntryTest::keyFilter_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("numbers"); // the locale variables; empty: as the tests run

    QTest::newRow("1 . 2 . 3") << "Text1"
                               << "1.2.3"
                               << "1.23" << 1 << "";
    QTest::newRow("1 . 2 . 3, second box") << "Text2"
                                           << "1.2.3"
                                           << "1.23" << 1 << "";
    QTest::newRow("minus refused") << "Text1"
                                   << "-5"
                                   << "5" << 1 << "";
    QTest::newRow("letters refused") << "Text2"
                                     << "abc"
                                     << "" << 3 << "";
    QTest::newRow("exponent form refused") << "Text1"
                                           << "1e5"
                                           << "15" << 1 << "";
    QTest::newRow("point first") << "Text2"
                                 << ".5"
                                 << ".5" << 0 << "";
    QTest::newRow("space and comma") << "Text1"
                                     << "1 ,2"
                                     << "12" << 2 << "";
    QTest::newRow("Escape discards, no beep") << "Text1"
                                              << "1\x1b"
                                              << "1" << 0 << "";
    QTest::newRow("German numbers, 1 , 2 , 3") << "Text1"
                                               << "1,2,3"
                                               << "1,23" << 1 << kGermanNumbers;
    QTest::newRow("German numbers, the point types a comma") << "Text2"
                                                             << "1.2,3"
                                                             << "1,23" << 1 << kGermanNumbers;
}

void XyEntryTest::keyFilter() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    QFETCH(QString, numbers);
    const LocaleNumbers locale(numbers);

    open(kPower);
    auto* edit = dialog_->findChild<QLineEdit*>(box);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), text);
    QCOMPARE(feedback_.count("beep"), beeps);
    QCOMPARE(feedback_.size(), beeps);
    QCOMPARE(dialog_->isVisible(), !typed.contains(QChar(27)));
}

void XyEntryTest::typingIntoFirstBoxOnlyLeavesOkDisabled() {
    open(kPower);
    auto* first = control<QLineEdit>("Text1");
    QTest::keyClicks(first, "12");
    QTest::keyClick(first, Qt::Key_Backspace);
    QCOMPARE(first->text(), "1");
    QVERIFY(!control<QPushButton>("Command1")->isEnabled());
}

void XyEntryTest::editingSecondBoxEnablesOk() {
    open(kPower);
    auto* second = control<QLineEdit>("Text2");
    auto* ok = control<QPushButton>("Command1");
    QTest::keyClicks(second, "3");
    QVERIFY(ok->isEnabled());

    // Any change counts, also one that leaves the box empty.
    dialog_->clearBoxes();
    QVERIFY(!ok->isEnabled());
    second->setText("7");
    dialog_->clearBoxes();
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(second, "7");
    QTest::keyClick(second, Qt::Key_Backspace);
    QVERIFY(second->text().isEmpty());
    QVERIFY(ok->isEnabled());
}

void XyEntryTest::reactivationEmptiesBoxesAndDisablesOk() {
    open(kRoot);
    QTest::keyClicks(control<QLineEdit>("Text1"), "27");
    QTest::keyClicks(control<QLineEdit>("Text2"), "3");
    QVERIFY(control<QPushButton>("Command1")->isEnabled());

    QWidget mainWindow;
    mainWindow.show();
    mainWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
    QCOMPARE(control<QLineEdit>("Text1")->text(), "27");

    dialog_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog_));
    QVERIFY(control<QLineEdit>("Text1")->text().isEmpty());
    QVERIFY(control<QLineEdit>("Text2")->text().isEmpty());
    QVERIFY(!control<QPushButton>("Command1")->isEnabled());
}

void XyEntryTest::enterWhileOkDisabledPressesNothing() {
    open(kPower);
    auto* first = control<QLineEdit>("Text1");
    QTest::keyClicks(first, "2");
    QTest::keyClick(first, Qt::Key_Return);
    QTest::keyClick(first, Qt::Key_Enter, Qt::KeypadModifier);

    QVERIFY(dialog_->isVisible());
    QCOMPARE(first->text(), "2");
    QCOMPARE(QString::fromStdString(calc_.entryText), "42");
    // The box refuses the key like any other character it does not take.
    QCOMPARE(feedback_, QStringList({"beep", "beep"}));
}

void XyEntryTest::enterWhileOkEnabledPressesOk() {
    open(kPower);
    QTest::keyClicks(control<QLineEdit>("Text1"), "2");
    QTest::keyClicks(control<QLineEdit>("Text2"), "10");
    QTest::keyClick(control<QLineEdit>("Text2"), Qt::Key_Return);

    QCOMPARE(host_.display, "1024");
    QCOMPARE(QString::fromStdString(calc_.entryText), "1024");
    QVERIFY(feedback_.isEmpty());
    discardClosed();
    QVERIFY(dialog_.isNull());
}

void XyEntryTest::escapeDiscardsLikeCloseButton_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("closes");

    QTest::newRow("in the first box") << kRoot << "Text1" << Qt::KeyboardModifiers{} << true;
    QTest::newRow("in the second box") << kRandom << "Text2" << Qt::KeyboardModifiers{} << true;
    QTest::newRow("on OK") << kPower << "Command1" << Qt::KeyboardModifiers{} << true;
    QTest::newRow("with Shift") << kPower << "Text2" << Qt::KeyboardModifiers{Qt::ShiftModifier} << true;
    // A shortcut is no typed character and passes the filter untouched, as before.
    QTest::newRow("with Ctrl in a box")
        << kPower << "Text1" << Qt::KeyboardModifiers{Qt::ControlModifier} << false;
}

void XyEntryTest::escapeDiscardsLikeCloseButton() {
    QFETCH(QString, caption);
    QFETCH(QString, focus);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, closes);

    open(caption);
    QTest::keyClicks(control<QLineEdit>("Text1"), "5");
    QTest::keyClicks(control<QLineEdit>("Text2"), "7");
    auto* target = dialog_->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Escape, modifiers);

    QCOMPARE(dialog_->isVisible(), !closes);
    QVERIFY(feedback_.isEmpty()); // no beep, no message
    QCOMPARE(QString::fromStdString(calc_.entryText), "42");
    QCOMPARE(QString::fromStdString(host_.display), "42");
    discardClosed();
    QCOMPARE(dialog_.isNull(), closes);
}

void XyEntryTest::ok_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("feedback");
    QTest::addColumn<QString>("display"); // 42 is what the display showed before
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("numbers"); // the locale variables; empty: as the tests run

    QTest::newRow("cube root of 27") << kRoot << "27"
                                     << "3" << QStringList{} << "3" << false << "";
    QTest::newRow("root 0.0") << kRoot << "5"
                              << "0.0" << QStringList{"can't do 0 root!"} << "42" << false << "";
    QTest::newRow("2 to the 10th") << kPower << "2"
                                   << "10" << QStringList{} << "1024" << false << "";
    QTest::newRow("10 to the 400th") << kPower << "10"
                                     << "400" << QStringList{"!result is outside the range!"} << "0" << false
                                     << "";
    QTest::newRow("random 5, 7") << kRandom << "5"
                                 << "7" << QStringList{} << "6" << false << "";
    QTest::newRow("other caption") << "Random number"
                                   << "5"
                                   << "7" << QStringList{} << "42" << false << "";
    QTest::newRow("lone point") << kPower << "."
                                << "2" << QStringList{"beep"} << "42" << true << "";
    QTest::newRow("empty first box") << kRoot << ""
                                     << "2" << QStringList{"beep"} << "42" << true << "";
    QTest::newRow("German numbers, 2,5 squared") << kPower << "2,5"
                                                 << "2" << QStringList{} << "6.25" << false << kGermanNumbers;
    QTest::newRow("German numbers, lone comma")
        << kPower << ","
        << "2" << QStringList{"beep"} << "42" << true << kGermanNumbers;
}

void XyEntryTest::ok() {
    QFETCH(QString, caption);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, feedback);
    QFETCH(QString, display);
    QFETCH(bool, open);
    QFETCH(QString, numbers);
    const LocaleNumbers locale(numbers);

    this->open(caption);
    QTest::keyClicks(control<QLineEdit>("Text1"), first);
    QTest::keyClicks(control<QLineEdit>("Text2"), second);
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(feedback_, feedback);
    QCOMPARE(QString::fromStdString(host_.display), display);
    QCOMPARE(QString::fromStdString(calc_.entryText), display);
    QCOMPARE(dialog_->isVisible(), open);
    if (open) {
        // Nothing was emptied: the user can correct the boxes.
        QCOMPARE(control<QLineEdit>("Text1")->text(), first);
        QCOMPARE(control<QLineEdit>("Text2")->text(), second);
    }
    discardClosed();
    QCOMPARE(!dialog_.isNull(), open);
}

void XyEntryTest::boundsMessageKeepsDialogOpen() {
    open(kRandom);
    QTest::keyClicks(control<QLineEdit>("Text1"), "5");
    QTest::keyClicks(control<QLineEdit>("Text2"), "6");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(feedback_, QStringList({"beep", "upperbound value must be > lowerbound value+1"}));
    QVERIFY(dialog_->isVisible());
    QVERIFY(control<QLineEdit>("Text1")->text().isEmpty());
    QVERIFY(control<QLineEdit>("Text2")->text().isEmpty());
    QVERIFY(!control<QPushButton>("Command1")->isEnabled());
    QCOMPARE(QString::fromStdString(calc_.entryText), "42");
    // Both values are typed again, from the first box.
    QCOMPARE(dialog_->focusWidget(), control<QLineEdit>("Text1"));

    QTest::keyClicks(control<QLineEdit>("Text2"), "9");
    QVERIFY(control<QPushButton>("Command1")->isEnabled());
}

void XyEntryTest::pastedNegativeNumbers_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("results"); // any of these; "42" writes nothing

    QTest::newRow("-5 cubed") << kPower << "-5"
                              << "3" << QStringList{"-125"};
    QTest::newRow("cube root of -8") << kRoot << "-8"
                                     << "3" << QStringList{"42"};
    QTest::newRow("random -10, -5") << kRandom << "-10"
                                    << "-5" << QStringList{"-9", "-8", "-7", "-6"};
}

void XyEntryTest::pastedNegativeNumbers() {
    QFETCH(QString, caption);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, results);

    open(caption);
    QApplication::clipboard()->setText(first);
    control<QLineEdit>("Text1")->paste();
    QApplication::clipboard()->setText(second);
    control<QLineEdit>("Text2")->paste();
    QCOMPARE(control<QLineEdit>("Text1")->text(), first);
    QVERIFY(control<QPushButton>("Command1")->isEnabled());

    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY2(results.contains(QString::fromStdString(calc_.entryText)), calc_.entryText.c_str());
    QVERIFY(feedback_.isEmpty());
    QVERIFY(!dialog_->isVisible());
}

void XyEntryTest::backgroundFollowsColourChoice_data() {
    QTest::addColumn<QColor>("colour");
    // Every basic colour the chooser offers, then custom ones: the extremes and the greys where black and
    // white text read about equally well.
    for (int i = 0; i < 48; ++i) {
        const QColor basic = QColorDialog::standardColor(i);
        QTest::addRow("basic %d %s", i, qPrintable(basic.name())) << basic;
    }
    for (const QColor custom :
         {QColor(0, 0, 0), QColor(0, 0, 128), QColor(255, 255, 255), QColor(255, 0, 0), QColor(118, 118, 118),
          QColor(119, 119, 119), QColor(128, 128, 128), QColor(0, 0, 255), QColor(1, 2, 3)})
        QTest::addRow("custom %s", qPrintable(custom.name())) << custom;
}

// Each prompt, as drawn on the chosen colour, reads at 4.5:1 or better: the pixel of its text that stands out
// most from the background is measured against it.
void XyEntryTest::backgroundFollowsColourChoice() {
    QFETCH(QColor, colour);
    open(kPower);
    dialog_->setBackground(colour);
    QCOMPARE(dialog_->palette().color(QPalette::Window), colour);
    const QImage drawn = dialog_->grab().toImage();
    const QRect boxes =
        control<QLineEdit>("Text1")->geometry().united(control<QLineEdit>("Text2")->geometry());
    for (const char* name : {"Label1", "Label2"}) {
        const QRect place = control<QLabel>(name)->geometry();
        QCOMPARE(QColor(drawn.pixel(place.topLeft())), colour); // the dialog's colour shows through
        double best = 1;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                if (!boxes.contains(x, y)) // a prompt's last column is under its box's edge
                    best = std::max(best, orbetta::look::contrastRatio(QColor(drawn.pixel(x, y)), colour));
        QVERIFY2(best >= 4.5, qPrintable(QString("%1: %2:1").arg(name).arg(best, 0, 'f', 2)));
    }
    // The boxes keep their own colours.
    QCOMPARE(control<QLineEdit>("Text1")->palette().color(QPalette::Base), QColor(255, 255, 225));
    QCOMPARE(control<QLineEdit>("Text1")->palette().color(QPalette::Text), QColor(Qt::black));
}

void XyEntryTest::promptsNameTheBoxes_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("prompt1");
    QTest::addColumn<QString>("prompt2");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("result");

    QTest::newRow("root") << kRoot << "value(x):"
                          << "root (y):"
                          << "27"
                          << "3"
                          << "3";
    QTest::newRow("power") << kPower << "value(x):"
                           << "power(y):"
                           << "2"
                           << "10"
                           << "1024";
    QTest::newRow("random") << kRandom << "lower value:"
                            << "upper value:"
                            << "5"
                            << "7"
                            << "6";
}

// A screen reader names each box by its prompt, and tells the result once it reaches the main window.
void XyEntryTest::promptsNameTheBoxes() {
    QFETCH(QString, caption);
    QFETCH(QString, prompt1);
    QFETCH(QString, prompt2);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, result);

    open(caption);
    const std::pair<const char*, QString> boxes[] = {{"Text1", prompt1}, {"Text2", prompt2}};
    for (const auto& [name, prompt] : boxes) {
        auto* box = control<QLineEdit>(name);
        QCOMPARE(box->accessibleName(), prompt);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), prompt);
        const auto labels = iface->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->text(QAccessible::Name), prompt);
    }
    host_.clearRecord();
    QTest::keyClicks(control<QLineEdit>("Text1"), first);
    QTest::keyClicks(control<QLineEdit>("Text2"), second);
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(host_.announcements, std::vector<std::string>{result.toStdString()});
    discardClosed();
}

QTEST_MAIN(XyEntryTest)
#include "two_value_dialog_test.moc"
