#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;
class QUrl;

namespace orbetta::ui {
class Announcer;
}

// The help file's window: a read-only document with a keyboard caret, so that it can be read line by line,
// Tab and Shift+Tab moving through its links and Enter following one, Alt+Left and Alt+Right going back and
// forward, Ctrl+F opening a find field (Enter or F3 the next match, Shift+F3 the previous one), and Esc
// closing the find field, or the window when the field is closed. A screen reader is told the link that Tab
// reaches, and the line a followed link leads to, where the caret then stands.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer(QWidget* owner, const QUrl& source);

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

    QTextBrowser* browser_;
    QWidget* findBar_;
    QLineEdit* findText_;
    orbetta::ui::Announcer* announcer_;
};
