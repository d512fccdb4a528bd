#pragma once

#include <QWidget>

class QLineEdit;
class QTextBlock;
class QTextBrowser;
class QUrl;

namespace orbetta::access {
class Announcer;
}

// The help file's window: a read-only document with a keyboard caret, so that it can be read line by line,
// Tab and Shift+Tab moving through its links and Enter following one, Alt+Left and Alt+Right going back and
// forward, Ctrl+F opening a find field (Enter or F3 the next match, Shift+F3 the previous one), and Esc
// closing the find field, or the window when the field is closed. As in a screen reader's documents, H and
// Shift+H move the caret to the next and previous heading, 1 to 6 (with Shift: back) to the next heading of
// that level, K and Shift+K to the next and previous link; each beeps at the end, where nothing moves. A
// screen reader is told the link that Tab or K reaches, and the heading that H or a followed link leads to.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer(QWidget* owner, const QUrl& source);
    ~HelpViewer() override;

    // Selects the next (or previous) match of the find field's text, from the other end when none is left;
    // beeps when the document holds none. Returns whether one was found.
    bool findNext(bool backward = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openFind();
    void closeFind();
    // The caret moves to the anchor a followed link names, and its line is told.
    void arriveAt(const QUrl& source);
    // A link that Tab selected is told.
    void tellSelectedLink();
    // The caret moves to the start of a block, shown at the top, and its text is told with its heading level.
    void goToLine(const QTextBlock& block);
    // The next (or previous) heading from the caret, of the given level or of any when it is 0.
    void moveToHeading(bool backward, int level);
    // The next (or previous) link from the caret is selected, as Tab does, so that Enter follows it.
    void moveToLink(bool backward);
    // H, K and 1 to 6, with or without Shift; returns whether the key was one of them.
    bool moveByKey(const QKeyEvent& event);

    QTextBrowser* browser_;
    QWidget* findBar_;
    QLineEdit* findText_;
    orbetta::access::Announcer* announcer_;
};
