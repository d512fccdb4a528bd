#pragma once

class QWidget;

namespace orbetta::desktop {

// The program's beep. On X11 it is the X server's bell, as always. Qt's beep does nothing on the other
// platforms (Wayland, offscreen), so there the given widget flashes briefly in inverse colours instead: the
// display of the main window, or the box of the two-value dialog that refused a key.
void ringBell(QWidget* flashed);

// Whether the platform sounds a bell of its own.
bool platformHasBell();

// The visual bell alone: the widget's text and background colours swap for a moment, then it takes back
// exactly the palette it had. A flash that is still showing is lengthened, not repeated.
void flashInverse(QWidget* widget);

// How long a flash lasts, in milliseconds.
inline constexpr int kFlashMilliseconds = 120;

} // namespace orbetta::desktop
