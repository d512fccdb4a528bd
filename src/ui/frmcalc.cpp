#include "ui/frmcalc.h"

#include "access/accessibility.h"
#include "access/announcer.h"
#include "desktop/bell.h"
#include "desktop/keep_on_top.h"
#include "desktop/message_box.h"
#include "desktop/modal_loop.h"
#include "desktop/window_lifetime.h"
#include "desktop/window_placement.h"
#include "shell/colour.h"
#include "shell/help.h"
#include "shell/module2.h"
#include "tape/tape.h"
#include "ui/display.h"
#include "ui/function_list.h"
#include "ui/keyboard.h"
#include "ui/keybutton.h"
#include "ui/tape_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>

#include <cstdint>
#include <string>

namespace Module2 = orbetta::Module2;

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

frmCalc::frmCalc(QWidget* parent) : QWidget(parent), calc_(*this) {
    orbetta::access::installAccessibleRoles();
    buildControls();
    connectKeys();
    // Every key press aimed at this window or its controls passes here first.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &frmCalc::giveHint);
    Form_Load();
}

frmCalc::~frmCalc() {
    orbetta::desktop::stopListening(this);
    delete tapeWindow_.data(); // before the tape it shows, which is a member
}

void frmCalc::connectKeys() {
    for (int i = 0; i < 10; ++i)
        connect(Num[i], &QPushButton::clicked, this, [this, i] { calc_.Num_Click(i); });
    for (int i = 2; i <= 5; ++i)
        connect(Oper[i], &QPushButton::clicked, this, [this, i] { calc_.Oper_Click(i); });
    for (int i = 0; i < 20; ++i)
        connect(Funct[i], &QPushButton::clicked, this, [this, i] { calc_.Funct_Click(i); });
    connect(Command[1], &QPushButton::clicked, this, [this] { calc_.Command1_Click(); });
    connect(Command[2], &QPushButton::clicked, this, &frmCalc::Command2_Click);
    connect(Command[3], &QPushButton::clicked, this, &frmCalc::Command3_Click);
    connect(Command[4], &QPushButton::clicked, this, &frmCalc::Command4_Click);
    connect(Command[11], &QPushButton::clicked, this, [this] { calc_.Command11_Click(); });
    connect(Command[12], &QPushButton::clicked, this, [this] { calc_.Command12_Click(); });
    connect(Command[13], &QPushButton::clicked, this, [this] { calc_.Command13_Click(); });
    connect(Command[16], &QPushButton::clicked, this, [this] { calc_.Command16_Click(); });
    connect(Command[17], &QPushButton::clicked, this, [this] { calc_.Command17_Click(); });
    connect(Command[20], &QPushButton::clicked, this, &frmCalc::Command20_Click);
    connect(Combo1, &orbetta::ui::FunctionList::chosen, this, [this] { calc_.Combo1_Click(); });
    connect(Text1, &orbetta::ui::DisplayBox::copied, this,
            [this](const QString& text) { Announcer->announce(QStringLiteral("copied ") + text); });
    connect(Text1, &orbetta::ui::DisplayBox::menuOpened, this, [this](const QString& current) {
        Announcer->announce(current.isEmpty() ? QStringLiteral("display menu")
                                              : QStringLiteral("display menu, ") + current);
    });
    connect(Combo1, &orbetta::ui::FunctionList::opened, this, [this] {
        Announcer->announce(QStringLiteral("%1 list, %2 entries, %3")
                                .arg(Command[1]->toolTip())
                                .arg(Combo1->count())
                                .arg(Combo1->currentText()));
    });
    connect(Text1, &orbetta::ui::DisplayBox::pasteRequested, this,
            [this] { calc_.pasteEntry(QGuiApplication::clipboard()->text().toStdString()); });
    connect(Text1, &orbetta::ui::DisplayBox::tapeRequested, this, &frmCalc::toggleTape);
    connect(Text1, &orbetta::ui::DisplayBox::alwaysOnTopChosen, this, [this](bool on) {
        setAlwaysOnTop(on);
        Module2::WriteAlwaysOnTop(on);
    });
    // Back from a dialog, a box or another window of the program, the display is told before anything else.
    Announcer->setReturnText([this] { return qText(calc_.displayWords()); });
}

// ---- Load, unload and the off key ----

void frmCalc::Form_Load() {
    calc_.Form_Load();
    setBackgroundColour(colourFromValue(Module2::colorFromSetting(Module2::ColorSetting)));
    for (const char* entry : orbetta::kListFunctions)
        Combo1->addItem(QString::fromLatin1(entry));
    // Filling the list does not change its text, which stays a single blank.
    Combo1->setListText(QStringLiteral(" "));
}

void frmCalc::Form_Unload() {
    unload(about_);
    unload(twoValue_);
    unload(tapeWindow_);
}

void frmCalc::closeEvent(QCloseEvent* event) {
    if (orbetta::desktop::ModalLoop::running()) {
        event->ignore();
        orbetta::desktop::ModalLoop::whenNoneRunning(this, [this] { close(); });
        return;
    }
    Form_Unload();
    event->accept();
}

void frmCalc::UnloadAllForms() {
    // The main window was loaded first; its unloading takes the other windows with it.
    close();
    unload(twoValue_);
    unload(about_);
    unload(tapeWindow_);
}

void frmCalc::Command20_Click() {
    // A click that reaches the off key while a box is open (a delayed Alt+O) ends the program once it closes.
    if (orbetta::desktop::ModalLoop::running()) {
        orbetta::desktop::ModalLoop::whenNoneRunning(this, [this] { Command20_Click(); });
        return;
    }
    Module2::WriteColorSetting();
    UnloadAllForms();
    endProgram();
}

void frmCalc::endProgram() {
    QCoreApplication::exit(0);
}

void frmCalc::setAlwaysOnTop(bool on) {
    if (orbetta::desktop::canKeepOnTop())
        orbetta::desktop::keepOnTop(this, on);
}

// ---- Help, About and the colour preference ----

void frmCalc::Command2_Click() {
    openHelp(this);
}

void frmCalc::Command3_Click() {
    if (!about_) {
        about_ = new frmAbout(this);
        orbetta::desktop::centreFrameOn(about_, this);
    }
    about_->show();
    about_->setWindowState(about_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    about_->raise();
    about_->activateWindow();
}

void frmCalc::Command4_Click() {
    const std::optional<QColor> chosen = chooseColour(this);
    if (!chosen)
        return; // cancelled: colours and preference stay as they are
    applyChosenColour(*chosen);
}

void frmCalc::setBackgroundColour(const QColor& colour) {
    setWindowColour(this, colour);
    setWindowColour(Frame2, colour);
    setWindowColour(Frame3, colour);
}

void frmCalc::applyChosenColour(const QColor& colour) {
    setBackgroundColour(colour);
    loadTwoValueDialog()->setBackground(colour);
    Module2::ColorSetting = std::to_string(valueOfColour(colour));
}

xyentry* frmCalc::loadTwoValueDialog() {
    if (!twoValue_)
        twoValue_ = new xyentry(calc_, this);
    return twoValue_;
}

// ---- Keyboard ----

void frmCalc::giveHint(QWidget* old, QWidget* now) {
    // Heard once in a run: on the first key that takes the focus, and only while it has it.
    if (old && old == hinted_)
        hinted_->setAccessibleDescription(QString());
    auto* key = qobject_cast<orbetta::ui::KeyButton*>(now);
    if (key && key->window() == this && !hintGiven_ && orbetta::access::screenReaderListens()) {
        hintGiven_ = true;
        hinted_ = key;
        key->setAccessibleDescription(QStringLiteral("Ctrl+Space presses this key."));
    }
}

bool frmCalc::eventFilter(QObject* watched, QEvent* event) {
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

QAbstractButton* frmCalc::shortcutButton(const QWidget* window, const QKeyEvent& event) const {
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

bool frmCalc::pressShortcut(const QWidget* window, QKeyEvent* event) {
    QAbstractButton* button = shortcutButton(window, *event);
    if (!button)
        return false;
    // Pressed once however long the keys are held, as Ctrl+Space does.
    if (event->type() == QEvent::KeyPress && !event->isAutoRepeat() && button->isEnabled())
        button->click();
    return true;
}

bool frmCalc::pressKey(QObject* watched, QKeyEvent* event) {
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
            Command2_Click();
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
            calc_.keyRefused("Delete");
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

void frmCalc::typeCharacter(int code) {
    Command[13]->setFocus(Qt::OtherFocusReason);
    calc_.Form_KeyPress(code);
}

// ---- orbetta::Host ----

void frmCalc::show(std::string_view text) {
    Text1->setText(qText(text)); // the display keeps its first 24 characters
}

std::string frmCalc::displayText() const {
    return Text1->text().toStdString();
}

void frmCalc::beep() {
    orbetta::desktop::ringBell(Text1);
}

void frmCalc::message(std::string_view text, orbetta::Icon icon) {
    orbetta::desktop::showMessageBox(this, qText(text), icon);
}

void frmCalc::setListVisible(bool visible) {
    Combo1->setVisible(visible);
    if (visible) {
        // Shown by the "function" key: the list takes the focus, and a screen reader is told how to use it.
        Combo1->setFocus(Qt::OtherFocusReason);
        Announcer->announce(Command[1]->toolTip() + QStringLiteral(" list, Down opens it"));
    }
}

std::string frmCalc::listText() const {
    return Combo1->currentText().toStdString();
}

void frmCalc::setListText(std::string_view text) {
    Combo1->setListText(qText(text));
}

std::string frmCalc::angleCaption() const {
    return Funct[19]->text().toStdString();
}

void frmCalc::setAngleKey(std::string_view caption, std::string_view toolTip) {
    const QKeySequence chord = Funct[19]->shortcut(); // a new caption would take it away
    Funct[19]->setText(qText(caption));
    Funct[19]->setShortcut(chord);
    Funct[19]->setToolTip(qText(toolTip));
    if (!Funct[19]->accessibleName().isEmpty()) // named already: a screen reader listens
        Funct[19]->setAccessibleName(Funct[19]->toolTip());
}

void frmCalc::announce(std::string_view text) {
    Announcer->announce(qText(text));
}

void frmCalc::openTwoValue(std::string_view caption, std::string_view prompt1, std::string_view prompt2) {
    loadTwoValueDialog()->openFor(qText(caption), qText(prompt1), qText(prompt2));
}

void frmCalc::record(std::string_view line) {
    tape().add(line);
    if (tapeWindow_)
        tapeWindow_->addLine(line);
}

// ---- The tape ----

orbetta::tape::Tape& frmCalc::tape() {
    if (!tape_)
        tape_ = std::make_unique<orbetta::tape::Tape>(orbetta::tape::tapePath(), Module2::ReadKeepTape(),
                                                      [] { return Module2::ReadKeepTape(); });
    return *tape_;
}

void frmCalc::toggleTape() {
    if (tapeWindow_ && tapeWindow_->isVisible()) {
        tapeWindow_->close();
        Announcer->announce(QStringLiteral("Tape closed"));
        return;
    }
    if (!tapeWindow_) {
        tapeWindow_ = new orbetta::ui::TapeWindow(tape(), this);
        tapeWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(tapeWindow_, &orbetta::ui::TapeWindow::recalled, this, [this](const QString& value) {
            calc_.pasteEntry(value.toStdString());
            activateWindow();
            raise();
        });
        connect(tapeWindow_, &orbetta::ui::TapeWindow::keepChanged, this,
                [](bool keep) { Module2::WriteKeepTape(keep); });
    }
    tapeWindow_->open();
}
