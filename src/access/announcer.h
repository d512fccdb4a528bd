#pragma once

#include <QWidget>

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
    // not the active one (a dialog or box of its own is just closing), the text waits until the window is
    // active again: a screen reader that takes the activation after it would cut it off.
    void announce(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void speak(const QString& text);

    QString waiting_;
};

} // namespace orbetta::access
