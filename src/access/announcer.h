#pragma once

#include <QWidget>

class QTimer;

#include <functional>

namespace orbetta::access {

// Tells a screen reader a text whatever has the focus: an object of the notification role that takes the text
// as its name and is hidden and shown again, which screen readers speak. It lies in a status bar of no size
// of its own, so that a screen reader speaks the text alone, without the word "notification" before it.
// Neither has a size, paints anything or takes the focus, so a sighted user never meets them. The
// notification stays hidden until the first announcement.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // The status bar that holds the announcer is made as a child of parent.
    explicit Announcer(QWidget* parent);

    // The same text twice is spoken twice: each call hides and shows the object again. While the window is
    // not the active one (a dialog or box of its own is just closing), the text waits until the window takes
    // the focus again, and is told just before the screen reader hears of the activation: told after it, it
    // would wait behind the window's title and focused control and be cut off by the next key.
    void announce(const QString& text);

    // Leaves left, the active window, as soon as another window of the program takes the focus from it,
    // before that one is activated. Going from one window of the program to another, the toolkit tells a
    // screen reader of the window taking the focus first and of the window left after it, and a screen reader
    // stops its speech only when the window it takes as the active one is left: in that order nothing stops
    // the echo of the key that left the window, and the text told as the other window takes the focus waits
    // behind it.
    static void leaveWindow(QWidget* left);

    // What is told when the window takes the focus back from another window of the program (a dialog, a
    // box, the help) and no text is waiting: the display, say. Nothing is told for a pop-up or when the
    // focus comes from another program.
    void setReturnText(std::function<QString()> text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void speak(const QString& text);
    void watchNativeWindow();

    QString waiting_;
    // Where the window takes the focus back without the native window hearing of it (the desktop's focus
    // moves in steps), the waiting text is told as soon as the window is found active.
    QTimer* waitingCheck_;
    int checksLeft_ = 0;
    std::function<QString()> returnText_;
    bool returning_ = false; // the focus went to another window of the program
};

} // namespace orbetta::access
