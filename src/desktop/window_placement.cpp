#include "desktop/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace orbetta::desktop {

namespace {

QMargins frameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The available area of the screen the owner is on; an empty rectangle where there is no screen.
QRect roomOf(const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Chooses the frame's place from the owner's frame, the frame where the window now stands, the smallest
// frame the window allows and the room.
using Placer = std::function<QRect(const QRect& ownerFrame, const QRect& frame, const QSize& smallest,
                                   const QRect& room)>;

// Sets the window's geometry so that a frame of the given margins around it takes the place the placer
// chooses.
void place(QWidget* window, const QWidget* owner, const QMargins& margins, const Placer& placer) {
    const QRect outer = window->geometry().marginsAdded(margins);
    const QSize smallest = window->minimumSize().expandedTo(QSize(1, 1)).grownBy(margins);
    const QRect target = placer(owner->frameGeometry(), outer, smallest, roomOf(owner));
    // The geometry of a window is its inside; the frame goes around it.
    window->setGeometry(target.marginsRemoved(margins));
}

// Sets the window right once its frame is known, then goes.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget* window, const QWidget* owner, const QMargins& assumed, Placer placer)
        : QObject(window), window_(window), owner_(owner), assumed_(assumed), placer_(std::move(placer)) {
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
            place(window_, owner_, frame, placer_);
        deleteLater();
        return false;
    }

private:
    QWidget* window_;
    QPointer<const QWidget> owner_;
    QMargins assumed_;
    Placer placer_;
};

void placeFramed(QWidget* window, const QWidget* owner, const Placer& placer) {
    if (!window || !owner)
        return;
    QMargins frame = frameMargins(window);
    const bool known = !frame.isNull();
    if (!known)
        frame = frameMargins(owner);
    place(window, owner, frame, placer);
    if (!known && !frame.isNull())
        new FrameWatcher(window, owner, frame, placer);
}

} // namespace

QRect fitWithin(QRect frame, const QSize& smallest, const QRect& room) {
    if (!room.isValid())
        return frame;
    frame.setSize(frame.size().boundedTo(room.size()).expandedTo(smallest));
    // A frame still larger than the room keeps its title bar, at the top-left, in it.
    frame.moveLeft(std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width())));
    frame.moveTop(std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height())));
    return frame;
}

QRect frameCentredOn(const QRect& ownerFrame, const QSize& frame, const QSize& smallest, const QRect& room) {
    const QRect centred(QPoint(ownerFrame.x() + (ownerFrame.width() - frame.width()) / 2,
                               ownerFrame.y() + (ownerFrame.height() - frame.height()) / 2),
                        frame);
    return fitWithin(centred, smallest, room);
}

QRect frameBeside(const QRect& ownerFrame, const QSize& frame, const QSize& smallest, const QRect& room) {
    const QRect right(QPoint(ownerFrame.right() + 1, ownerFrame.top()), frame);
    const QRect left(QPoint(ownerFrame.left() - frame.width(), ownerFrame.top()), frame);
    if (!room.isValid())
        return right;
    const auto fitsAcross = [&room](const QRect& r) {
        return r.left() >= room.left() && r.right() <= room.right();
    };
    if (fitsAcross(right) || !fitsAcross(left))
        return fitWithin(right, smallest, room);
    return fitWithin(left, smallest, room);
}

void centreFrameOn(QWidget* window, const QWidget* owner) {
    placeFramed(window, owner,
                [](const QRect& ownerFrame, const QRect& frame, const QSize& smallest, const QRect& room) {
                    return frameCentredOn(ownerFrame, frame.size(), smallest, room);
                });
}

void placeBeside(QWidget* window, const QWidget* owner) {
    placeFramed(window, owner,
                [](const QRect& ownerFrame, const QRect& frame, const QSize& smallest, const QRect& room) {
                    return frameBeside(ownerFrame, frame.size(), smallest, room);
                });
}

void keepOnOwnersScreen(QWidget* window, const QWidget* owner) {
    placeFramed(window, owner,
                [](const QRect&, const QRect& frame, const QSize& smallest, const QRect& room) {
                    return fitWithin(frame, smallest, room);
                });
}

void fitOnOwnersScreen(QWidget* window, const QWidget* owner) {
    if (!window)
        return;
    const QRect room = roomOf(owner);
    if (!room.isValid())
        return;
    // The window manager will add a frame such as the owner's.
    const QMargins margins = owner ? frameMargins(owner) : QMargins();
    const QSize largest = room.size().shrunkBy(margins);
    if (window->width() > largest.width() || window->height() > largest.height())
        window->resize(window->size().boundedTo(largest).expandedTo(window->minimumSize()));
}

} // namespace orbetta::desktop
