#include "desktop/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace orbetta::desktop {

namespace {

QMargins frameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// Moves the window so that a frame of the given margins around it is centred on the owner's frame.
void place(QWidget* window, const QWidget* owner, const QMargins& frame) {
    const QRect ownerFrame = owner->frameGeometry();
    const QSize outer = window->size().grownBy(frame);
    QRect target(QPoint(ownerFrame.x() + (ownerFrame.width() - outer.width()) / 2,
                        ownerFrame.y() + (ownerFrame.height() - outer.height()) / 2),
                 outer);
    // As much of the window as fits stays on the owner's screen, its title bar first.
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        target.moveLeft(std::max(room.left(), std::min(target.left(), room.right() + 1 - target.width())));
        target.moveTop(std::max(room.top(), std::min(target.top(), room.bottom() + 1 - target.height())));
    }
    // The geometry of a window is its inside; the frame goes around it.
    window->setGeometry(QRect(target.topLeft() + QPoint(frame.left(), frame.top()), window->size()));
}

// Sets the window right once its frame is known, then goes.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget* window, const QWidget* owner, const QMargins& assumed)
        : QObject(window), window_(window), owner_(owner), assumed_(assumed) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || (event->type() != QEvent::Move && event->type() != QEvent::Show))
            return false;
        const QMargins frame = frameMargins(window_);
        if (frame.isNull())
            return false; // not framed yet
        if (owner_ && frame != assumed_)
            place(window_, owner_, frame);
        deleteLater();
        return false;
    }

private:
    QWidget* window_;
    QPointer<const QWidget> owner_;
    QMargins assumed_;
};

} // namespace

void centreFrameOn(QWidget* window, const QWidget* owner) {
    if (!window || !owner)
        return;
    QMargins frame = frameMargins(window);
    const bool known = !frame.isNull();
    if (!known)
        frame = frameMargins(owner);
    place(window, owner, frame);
    if (!known && !frame.isNull())
        new FrameWatcher(window, owner, frame);
}

} // namespace orbetta::desktop
