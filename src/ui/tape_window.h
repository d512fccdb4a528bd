#pragma once

#include <QStringList>
#include <QTextBrowser>
#include <QWidget>

#include <string_view>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;

namespace orbetta::access {
class Announcer;
}
namespace orbetta::tape {
class Tape;
}

namespace orbetta::ui {

// The tape's lines as a read-only document with a caret, so a screen reader reads it line by line as it
// reads the help. A double click chooses the line under the mouse.
class TapeView : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;

signals:
    void lineChosen(int line);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The tape window: modeless and resizable beside the main window, the newest line in view. Enter or a double
// click puts a line's value into the entry; Ctrl+C copies the selected lines (all when none is selected);
// "Save as…" (Ctrl+S) writes the tape to a file; "Clear" (Ctrl+L) empties it and "Undo clear" (Ctrl+Z)
// brings it back; "Keep between runs" (Ctrl+K) keeps it in its file; Escape and Ctrl+T close the window.
// The calculator's chords and the characters of a calculation typed here go to the calculator.
class TapeWindow : public QWidget {
    Q_OBJECT
public:
    TapeWindow(orbetta::tape::Tape& tape, QWidget* owner);
    ~TapeWindow() override;

    // Shows the window beside the owner and tells a screen reader how many lines it holds and the last.
    void open();
    // A line the calculator has just recorded.
    void addLine(std::string_view line);

    // The lines that touch the selection, or all of them when nothing is selected.
    QStringList selectedLines() const;
    void copySelection() const;
    // Writes the tape to the file, replacing it atomically; false when it could not be written.
    bool saveTo(const QString& path) const;
    void clearTape();
    void undoClear();

signals:
    // A line's value, chosen to become the entry.
    void recalled(const QString& value);
    // The user turned keeping between runs on or off.
    void keepChanged(bool keep);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // "Tape, 3 lines" in the user's language.
    static QString linesTold(std::size_t count);
    void reload();
    void changeKeep(bool keep);
    void showProblem();
    void recall(int line);
    void saveAs();
    void placeBeside(const QWidget* owner);

    orbetta::tape::Tape& tape_;
    TapeView* view_;
    QLabel* problem_;
    QPushButton* undo_;
    QCheckBox* keep_;
    orbetta::access::Announcer* announcer_;
    bool empty_ = true; // the document's one block stands for no line
};

} // namespace orbetta::ui
