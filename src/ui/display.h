#pragma once

#include <QLineEdit>

namespace orbetta::ui {

// The calculator's display: 24 characters at most, right-aligned, written only by the program. Its text can
// be selected and copied from its context menu, which also pastes a number from the clipboard into the entry
// and keeps the window on top of the others where the platform allows it.
class DisplayBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 24;

    explicit DisplayBox(QWidget* parent = nullptr);

    // The selection, or the whole text when nothing is selected, goes to the clipboard; copied tells what.
    void copyToClipboard();

signals:
    // The user chose Paste; the window hands the clipboard's text to the calculator.
    void pasteRequested();
    void copied(const QString& text);
    // The context menu is open, its first entry current when opened from the keyboard.
    void menuOpened(const QString& current);
    // The user chose Tape: the window opens or closes the tape window.
    void tapeRequested();
    // The user chose "Always on top"; on tells the item's new state.
    void alwaysOnTopChosen(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Reached by Tab, the display keeps its caret instead of selecting all of its text: the selection would
    // be dropped again when the focus moves on, and a screen reader would speak that instead of the key
    // the focus reaches. Copy takes the whole display without a selection all the same.
    void focusInEvent(QFocusEvent* event) override;
    // Shift+F10 opens the menu, as the Menu key does.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orbetta::ui
