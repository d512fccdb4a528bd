#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace orbetta::desktop {

// Places a top-level window so that its frame (title bar and border included) is centred on the owner's
// frame, kept on the owner's screen. A window manager tells the size of a new window's frame only once it
// has framed the window, so until then the owner's frame stands for it, and the window is set right once,
// as soon as its own frame is known.
void centreFrameOn(QWidget* window, const QWidget* owner);

// Places a top-level window beside the owner's frame, level with its top: to the right where there is room,
// else to the left, else where it fits best; moved up or made smaller where it would reach below the screen.
void placeBeside(QWidget* window, const QWidget* owner);

// Keeps a top-level window that the program put at a place of its own wholly within the available area of the
// owner's screen, moving it only as far as needed.
void keepOnOwnersScreen(QWidget* window, const QWidget* owner);

// Keeps a top-level window that the window manager places within the available area of the owner's screen,
// making it smaller where it is larger than that area.
void fitOnOwnersScreen(QWidget* window, const QWidget* owner);

// The geometry behind the three: where a frame goes, given the owner's frame and the available area of the
// owner's screen (room). A frame is moved inside the room; one larger than the room is made smaller, though
// never below its smallest size, and then keeps its top-left corner in the room.
QRect frameCentredOn(const QRect& ownerFrame, const QSize& frame, const QSize& smallest, const QRect& room);
QRect frameBeside(const QRect& ownerFrame, const QSize& frame, const QSize& smallest, const QRect& room);
QRect fitWithin(QRect frame, const QSize& smallest, const QRect& room);

} // namespace orbetta::desktop
