#include "ui/main_window.h"

#include "access/accessibility.h"
#include "access/announcer.h"
#include "desktop/bell.h"
#include "desktop/keep_on_top.h"
#include "desktop/message_box.h"
#include "desktop/modal_loop.h"
#include "desktop/window_lifetime.h"
#include "desktop/window_placement.h"
#include "settings/preferences.h"
#include "tape/tape.h"
#include "ui/colour_chooser.h"
#include "ui/decimal_sign.h"
#include "ui/display.h"
#include "ui/function_list.h"
#include "ui/help.h"
#include "ui/keyboard.h"
#include "ui/keybutton.h"
#include "ui/qt_text.h"
#include "ui/tape_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QShortcutEvent>

#include <cstdint>
#include <optional>
#include <string>

namespace preferences = orbetta::preferences;
using orbetta::ui::keyText;
using orbetta::ui::qText;
using orbetta::ui::shownNumbers;

namespace {

// The list's entry the list shows, in the user's language; nothing for a blank list or another text.
std::optional<orbetta::ListFunction> listFunctionShown(const QString& text) {
    for (const orbetta::ListFunctionRow& row : orbetta::kListFunctionRows)
        if (keyText(row.name) == text)
            return row.function;
    return std::nullopt;
}

// A colour value of the settings file has red in its lowest byte.
QColor colourFromValue(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t valueOfColour(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) + 256u * static_cast<std::uint32_t>(colour.green()) +
           65536u * static_cast<std::uint32_t>(colour.blue());
}

void setWindowColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Window, colour);
    widget->setPalette(p);
}

// Closes a window and forgets it; one that was loaded but never shown is destroyed all the same, so the next
// use creates a fresh one.
template <class Window> void unload(QPointer<Window>& window) {
    if (window)
        window->close();
    if (window)
        window->deleteLater();
    window = nullptr;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), calc_(*this) {
    orbetta::access::installAccessibleRoles();
    buildControls();
    connectKeys();
    // Every key press aimed at this window or its controls passes here first.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::giveHint);
    load();
}

MainWindow::~MainWindow() {
    orbetta::desktop::stopListening(this);
    delete tapeWindow_.data(); // before the tape it shows, which is a member
}

void MainWindow::connectKeys() {
    for (int i = 0; i < 10; ++i)
        connect(Num[i], &QPushButton::clicked, this, [this, i] { calc_.pressDigit(i); });
    for (int i = 2; i <= 5; ++i)
        connect(Oper[i], &QPushButton::clicked, this, [this, i] { calc_.pressOperation(i); });
    for (int i = 0; i < 20; ++i)
        connect(Funct[i], &QPushButton::clicked, this, [this, i] { calc_.pressFunction(i); });
    connect(Command[1], &QPushButton::clicked, this, [this] { calc_.showFunctionList(); });
    connect(Command[2], &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(Command[3], &QPushButton::clicked, this, &MainWindow::showAbout);
    connect(Command[4], &QPushButton::clicked, this, &MainWindow::chooseColourPreference);
    connect(Command[11], &QPushButton::clicked, this, [this] { calc_.pressDecimalPoint(); });
    connect(Command[12], &QPushButton::clicked, this, [this] { calc_.pressSignChange(); });
    connect(Command[13], &QPushButton::clicked, this, [this] { calc_.pressEqual(); });
    connect(Command[16], &QPushButton::clicked, this, [this] { calc_.pressBackspace(); });
    connect(Command[17], &QPushButton::clicked, this, [this] { calc_.pressClearAll(); });
    connect(Command[20], &QPushButton::clicked, this, &MainWindow::switchOff);
    connect(Combo1, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { calc_.setListFunction(listFunctionShown(text)); });
    connect(Combo1, &orbetta::ui::FunctionList::chosen, this, [this] { calc_.chooseListFunction(); });
    connect(Text1, &orbetta::ui::DisplayBox::copied, this,
            [this](const QString& text) { Announcer->announce(tr("copied %1").arg(text)); });
    connect(Text1, &orbetta::ui::DisplayBox::menuOpened, this, [this](const QString& current) {
        Announcer->announce(current.isEmpty() ? tr("display menu") : tr("display menu, %1").arg(current));
    });
    connect(Combo1, &orbetta::ui::FunctionList::opened, this, [this] {
        Announcer->announce(tr("%1 list, %2 entries, %3")
                                .arg(Command[1]->toolTip())
                                .arg(Combo1->count())
                                .arg(Combo1->currentText()));
    });
    connect(Text1, &orbetta::ui::DisplayBox::pasteRequested, this, [this] {
        calc_.pasteEntry(orbetta::ui::pastedNumber(QGuiApplication::clipboard()->text().toStdString()));
    });
    connect(Text1, &orbetta::ui::DisplayBox::tapeRequested, this, &MainWindow::toggleTape);
    connect(Text1, &orbetta::ui::DisplayBox::alwaysOnTopChosen, this, [this](bool on) {
        setAlwaysOnTop(on);
        preferences::writeAlwaysOnTop(on);
    });
    // Back from a dialog, a box or another window of the program, the display is told before anything else.
    Announcer->setReturnText([this] { return qText(shownNumbers(calc_.displayWordsOnReturn())); });
}

// ---- Load, unload and the off key ----

void MainWindow::load() {
    calc_.start();
    setBackgroundColour(colourFromValue(preferences::colourFromSetting(preferences::colourSetting)));
    for (const char* entry : orbetta::kListFunctions)
        Combo1->addItem(keyText(entry));
    // Filling the list does not change its text, which stays a single blank.
    Combo1->setListText(QStringLiteral(" "));
}

void MainWindow::closeOwnedWindows() {
    unload(about_);
    unload(twoValue_);
    unload(tapeWindow_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (orbetta::desktop::ModalLoop::running()) {
        event->ignore();
        orbetta::desktop::ModalLoop::whenNoneRunning(this, [this] { close(); });
        return;
    }
    closeOwnedWindows();
    event->accept();
}

void MainWindow::closeAllWindows() {
    // The main window was loaded first; its unloading takes the other windows with it.
    close();
    unload(twoValue_);
    unload(about_);
    unload(tapeWindow_);
}

void MainWindow::switchOff() {
    // A click that reaches the off key while a box is open (a delayed Alt+O) ends the program once it closes.
    if (orbetta::desktop::ModalLoop::running()) {
        orbetta::desktop::ModalLoop::whenNoneRunning(this, [this] { switchOff(); });
        return;
    }
    preferences::writeColourSetting();
    closeAllWindows();
    endProgram();
}

void MainWindow::endProgram() {
    QCoreApplication::exit(0);
}

void MainWindow::setAlwaysOnTop(bool on) {
    if (orbetta::desktop::canKeepOnTop())
        orbetta::desktop::keepOnTop(this, on);
}

// ---- Help, About and the colour preference ----

void MainWindow::showHelp() {
    openHelp(this);
}

void MainWindow::showAbout() {
    if (!about_) {
        about_ = new AboutWindow(this);
        orbetta::desktop::centreFrameOn(about_, this);
    }
    about_->show();
    about_->setWindowState(about_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    about_->raise();
    about_->activateWindow();
}

void MainWindow::chooseColourPreference() {
    const std::optional<QColor> chosen = chooseColour(this);
    if (!chosen)
        return; // cancelled: colours and preference stay as they are
    applyChosenColour(*chosen);
}

void MainWindow::setBackgroundColour(const QColor& colour) {
    setWindowColour(this, colour);
    setWindowColour(Frame2, colour);
    setWindowColour(Frame3, colour);
}

void MainWindow::applyChosenColour(const QColor& colour) {
    setBackgroundColour(colour);
    loadTwoValueDialog()->setBackground(colour);
    preferences::colourSetting = preferences::colourToSetting(valueOfColour(colour));
}

TwoValueDialog* MainWindow::loadTwoValueDialog() {
    if (!twoValue_)
        twoValue_ = new TwoValueDialog(calc_, this);
    return twoValue_;
}

// ---- Keyboard ----

void MainWindow::giveHint(QWidget* old, QWidget* now) {
    // Heard once in a run: on the first key that takes the focus, and only while it has it.
    if (old && old == hinted_)
        hinted_->setAccessibleDescription(QString());
    auto* key = qobject_cast<orbetta::ui::KeyButton*>(now);
    if (key && key->window() == this && !hintGiven_ && orbetta::access::screenReaderListens()) {
        hintGiven_ = true;
        hinted_ = key;
        key->setAccessibleDescription(tr("Ctrl+Space presses this key."));
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    const QWidget* window = watched->isWidgetType() ? static_cast<QWidget*>(watched)->window() : nullptr;
    if (event->type() == QEvent::ShortcutOverride &&
        shortcutButton(window, *static_cast<QKeyEvent*>(event))) {
        // The button is pressed by the key press below, at once, rather than by its shortcut, which would
        // press it visibly and click it only after the keys typed meanwhile have been handled.
        event->accept();
        return true;
    }
    if (keyEvent && pressShortcut(window, static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        // A shortcut that Qt delivers itself, as to the active window's button for keys sent to another
        // window, presses its button at once too: no key presses anything late.
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && (button->window() == this || button->window()->parentWidget() == this)) {
            if (button->isEnabled())
                button->click();
            return true;
        }
    }
    if (keyEvent && window == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (pressKey(watched, key))
            return true;
        if (event->type() == QEvent::KeyPress) {
            if (const std::optional<int> code = orbetta::ui::typedCharacter(*key)) {
                typeCharacter(*code);
                return true; // no control sees a typed character
            }
        }
    }
    if (event->type() == QEvent::KeyPress && window && window == tapeWindow_) {
        // The characters that make a calculation work in the tape window too; Enter, Escape, Space and the
        // Ctrl keys stay the tape's.
        const std::optional<int> code = orbetta::ui::typedCharacter(*static_cast<QKeyEvent*>(event));
        if (code && (*code > ' ' || *code == '\b')) {
            typeCharacter(*code);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QAbstractButton* MainWindow::shortcutButton(const QWidget* window, const QKeyEvent& event) const {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (!window || (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier)
        return nullptr;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(event.key())));
    // The calculator's chords reach its keys from the tape window as well.
    const QWidget* owner = window == tapeWindow_ && modifiers == Qt::AltModifier ? this : window;
    const QList<QAbstractButton*> buttons = owner->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        if (button->window() == owner && button->isVisible() && button->shortcut() == pressed)
            return button;
    return nullptr;
}

bool MainWindow::pressShortcut(const QWidget* window, QKeyEvent* event) {
    QAbstractButton* button = shortcutButton(window, *event);
    if (!button)
        return false;
    // Pressed once however long the keys are held, as Ctrl+Space does.
    if (event->type() == QEvent::KeyPress && !event->isAutoRepeat() && button->isEnabled())
        button->click();
    return true;
}

bool MainWindow::pressKey(QObject* watched, QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Space && modifiers == Qt::ControlModifier) {
        // Ctrl+Space types no character, so it can press any key without touching the keyboard map. The
        // button's own handling of Space is kept from seeing it.
        auto* focused = qobject_cast<orbetta::ui::KeyButton*>(watched);
        if (!focused)
            return false;
        if (event->type() == QEvent::KeyPress && !event->isAutoRepeat() && focused->isEnabled())
            focused->click();
        return true;
    }
    if (event->key() == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        if (event->type() == QEvent::KeyPress && !event->isAutoRepeat())
            showHelp();
        return true;
    }
    if (event->key() == Qt::Key_T && modifiers == Qt::ControlModifier) {
        if (event->type() == QEvent::KeyPress && !event->isAutoRepeat())
            toggleTape();
        return true;
    }
    // Alt+J tells the display again at any time; Delete, which erases nothing here, says so.
    if ((event->key() == Qt::Key_J && modifiers == Qt::AltModifier) ||
        (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier)) {
        if (event->type() == QEvent::KeyPress && event->key() == Qt::Key_J)
            announce(calc_.displayWords());
        else if (event->type() == QEvent::KeyPress)
            calc_.keyRefused(tr("Delete").toStdString());
        return true;
    }
    // The desktop's clipboard keys do what the display's Copy and Paste do, ahead of the control characters
    // Ctrl+C and Ctrl+V would type.
    const bool copy =
        (event->key() == Qt::Key_C || event->key() == Qt::Key_Insert) && modifiers == Qt::ControlModifier;
    const bool paste = (event->key() == Qt::Key_V && modifiers == Qt::ControlModifier) ||
                       (event->key() == Qt::Key_Insert && modifiers == Qt::ShiftModifier);
    if (copy || paste) {
        if (event->type() == QEvent::KeyPress && !event->isAutoRepeat()) {
            if (copy)
                Text1->copyToClipboard();
            else
                emit Text1->pasteRequested();
        }
        return true;
    }
    return false;
}

void MainWindow::typeCharacter(int code) {
    Command[13]->setFocus(Qt::OtherFocusReason);
    // Where numbers carry a decimal comma, the comma key types it as the point key does.
    if (code == ',' && orbetta::ui::decimalSign() == ',')
        code = '.';
    calc_.handleCharacter(code);
}

std::string MainWindow::displayText() const {
    return Text1->text().toStdString();
}

std::string MainWindow::listText() const {
    return Combo1->currentText().toStdString();
}

std::string MainWindow::angleCaption() const {
    return Funct[19]->text().toStdString();
}

// ---- orbetta::Host ----

void MainWindow::show(std::string_view text) {
    Text1->setText(qText(shownNumbers(text))); // the display keeps its first 24 characters
}

void MainWindow::beep() {
    orbetta::desktop::ringBell(Text1);
}

void MainWindow::message(std::string_view text, orbetta::Icon icon) {
    orbetta::desktop::showMessageBox(this, qText(shownNumbers(text)),
                                     icon == orbetta::Icon::Exclamation
                                         ? orbetta::desktop::MessageIcon::Exclamation
                                         : orbetta::desktop::MessageIcon::None);
}

void MainWindow::setListVisible(bool visible) {
    Combo1->setVisible(visible);
    if (visible) {
        // Shown by the "function" key: the list takes the focus, and a screen reader is told how to use it.
        Combo1->setFocus(Qt::OtherFocusReason);
        Announcer->announce(tr("%1 list, Down opens it").arg(Command[1]->toolTip()));
    }
}

void MainWindow::setListText(std::string_view text) {
    Combo1->setListText(keyText(text));
}

void MainWindow::setAngleKey(std::string_view caption, std::string_view toolTip) {
    const QKeySequence chord = Funct[19]->shortcut(); // a new caption would take it away
    Funct[19]->setText(keyText(caption));
    Funct[19]->setShortcut(chord);
    Funct[19]->setToolTip(keyText(toolTip));
    if (!Funct[19]->accessibleName().isEmpty()) // named already: a screen reader listens
        Funct[19]->setAccessibleName(Funct[19]->toolTip());
}

void MainWindow::announce(std::string_view text) {
    Announcer->announce(qText(shownNumbers(text)));
}

void MainWindow::openTwoValue(orbetta::Function key) {
    loadTwoValueDialog()->openFor(key);
}

void MainWindow::record(std::string_view line) {
    // The tape and its file hold the lines as the user reads them; a recalled value is read in either form.
    const std::string shown = shownNumbers(line);
    tape().add(shown);
    if (tapeWindow_)
        tapeWindow_->addLine(shown);
}

// ---- The tape ----

orbetta::tape::Tape& MainWindow::tape() {
    if (!tape_)
        tape_ = std::make_unique<orbetta::tape::Tape>(orbetta::tape::tapePath(), preferences::readKeepTape(),
                                                      [] { return preferences::readKeepTape(); });
    return *tape_;
}

void MainWindow::toggleTape() {
    if (tapeWindow_ && tapeWindow_->isVisible()) {
        tapeWindow_->close();
        Announcer->announce(tr("Tape closed"));
        return;
    }
    if (!tapeWindow_) {
        tapeWindow_ = new orbetta::ui::TapeWindow(tape(), this);
        tapeWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(tapeWindow_, &orbetta::ui::TapeWindow::recalled, this, [this](const QString& value) {
            // The recalled value is told as the calculator takes the focus; the tape is left first, which
            // stops the echo of the Enter that recalled it.
            orbetta::access::Announcer::leaveWindow(tapeWindow_);
            calc_.pasteEntry(value.toStdString());
            activateWindow();
            raise();
        });
        connect(tapeWindow_, &orbetta::ui::TapeWindow::keepChanged, this,
                [](bool keep) { preferences::writeKeepTape(keep); });
    }
    tapeWindow_->open();
}
