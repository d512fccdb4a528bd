#pragma once

#include "core/calculator.h"
#include "core/host.h"
#include "ui/about_window.h"
#include "ui/tape_window.h"
#include "ui/two_value_dialog.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <map>
#include <memory>

class QAbstractButton;
class QFrame;

namespace orbetta::access {
class Announcer;
}
namespace orbetta::tape {
class Tape;
}
namespace orbetta::ui {
class DisplayBox;
class FunctionList;
class KeyButton;
} // namespace orbetta::ui

// The calculator's main window: the display, the function panel and the keypad. It owns the calculator and
// forwards every click and typed character to it; the calculator reaches the window through orbetta::Host.
class MainWindow : public QWidget, public orbetta::Host {
    Q_OBJECT
public:
    // Loads the window: builds its controls, starts the calculator and fills the list. It is shown by the
    // caller.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    orbetta::Calculator& calculator() { return calc_; }

    // The window's own handlers.
    void load();
    void closeOwnedWindows();
    void closeAllWindows();
    void showHelp();               // the help key
    void showAbout();              // the About key
    void chooseColourPreference(); // the colour key
    void switchOff();              // the off key

    // The background of the window and both frames; keys, display and list keep their own colours.
    void setBackgroundColour(const QColor& colour);
    // A colour chosen by the user: the window, both frames and the two-value dialog take it, and it becomes
    // the colour preference that the off key saves.
    void applyChosenColour(const QColor& colour);

    // Keeps the window above the other windows, or lets it go, where the platform allows it.
    void setAlwaysOnTop(bool on);

    // The window's part of a typed character: the equal key takes the focus, then the calculator maps it.
    void typeCharacter(int code);

    // The windows this one opened, while they exist.
    TwoValueDialog* twoValueDialog() const { return twoValue_; }
    AboutWindow* aboutWindow() const { return about_; }
    orbetta::ui::TapeWindow* tapeWindow() const { return tapeWindow_; }

    // Opens the tape window beside this one, or closes it when it is open (Ctrl+T, the display's menu).
    void toggleTape();
    // The tape, made when it is first needed: whether it is kept between runs is read then, not at start-up.
    orbetta::tape::Tape& tape();

    // What the display, the list and the angle key show.
    std::string displayText() const;
    std::string listText() const;
    std::string angleCaption() const;

    // orbetta::Host
    void show(std::string_view text) override;
    void beep() override;
    void message(std::string_view text, orbetta::Icon icon) override;
    void setListVisible(bool visible) override;
    void setListText(std::string_view text) override;
    void setAngleKey(std::string_view caption, std::string_view toolTip) override;
    void openTwoValue(orbetta::Function key) override;
    void announce(std::string_view text) override;
    void record(std::string_view line) override;

    using QWidget::show;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Ends the event loop once the off key has unloaded every window.
    virtual void endProgram();

private:
    void buildControls();
    void connectKeys();
    // Keys that press a control rather than type a character: Ctrl+Space presses the focused key, F1 opens
    // the help, Ctrl+C and Ctrl+Insert copy the display, Ctrl+V and Shift+Insert paste into the entry.
    // Returns true when the event was one of them.
    bool pressKey(QObject* watched, QKeyEvent* event);
    // The button of the window a key event goes to whose shortcut the event is (for the tape window and Alt
    // with a letter, the calculator's key of that chord), or none.
    QAbstractButton* shortcutButton(const QWidget* window, const QKeyEvent& event) const;
    // Presses the button of a shortcut at once; returns true when the event was one.
    bool pressShortcut(const QWidget* window, QKeyEvent* event);
    TwoValueDialog* loadTwoValueDialog();
    // Gives the first key focused in a run the hint that Ctrl+Space presses it.
    void giveHint(QWidget* old, QWidget* now);

    orbetta::Calculator calc_;

    orbetta::ui::DisplayBox* Text1 = nullptr;
    QFrame* Frame2 = nullptr;
    QFrame* Frame3 = nullptr;
    orbetta::ui::FunctionList* Combo1 = nullptr;
    orbetta::access::Announcer* Announcer = nullptr;
    std::array<orbetta::ui::KeyButton*, 10> Num{};
    std::array<orbetta::ui::KeyButton*, 6> Oper{}; // indices 2 to 5
    std::array<orbetta::ui::KeyButton*, 20> Funct{};
    std::map<int, orbetta::ui::KeyButton*> Command; // Command1 ... Command20 by number

    bool hintGiven_ = false;
    QPointer<QWidget> hinted_;
    QPointer<TwoValueDialog> twoValue_;
    QPointer<AboutWindow> about_;
    QPointer<orbetta::ui::TapeWindow> tapeWindow_;
    std::unique_ptr<orbetta::tape::Tape> tape_;
};
