#pragma once

class QWidget;

namespace orbetta::desktop {

// Places a top-level window so that its frame (title bar and border included) is centred on the owner's
// frame, kept on the owner's screen. A window manager tells the size of a new window's frame only once it
// has framed the window, so until then the owner's frame stands for it, and the window is set right once,
// as soon as its own frame is known.
void centreFrameOn(QWidget* window, const QWidget* owner);

} // namespace orbetta::desktop
