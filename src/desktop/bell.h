#pragma once

#include <functional>

class QWidget;

namespace orbetta::desktop {

// How a refusal sounds. The desktop decides wherever it can: the X server's bell on X11, or the compositor's
// bell on Wayland, each played as the user set the desktop up (their alert sound, a visual alert, or none).
// Where no desktop bell exists (weston, offscreen), the desktop's "bell" event sound plays and the refusing
// widget flashes briefly in inverse colours.
enum class BellRoute { XBell, DesktopBell, SoundAndFlash };
// The bell a Wayland compositor offers its clients: xdg_system_bell_v1, else gtk_shell1's system_bell.
enum class OfferedBell { None, GtkShell, SystemBell };

// The route for a program on X11 (else native Wayland), whether it reached a Wayland compositor
// (under XWayland, or natively) and what that compositor offers.
BellRoute chooseBellRoute(bool x11, bool compositorReached, OfferedBell offered);

// The route this program takes, asked of the desktop at the first bell.
BellRoute bellRoute();

// The program's beep, the one way every window sounds a refusal; `flashed` is the display of the main window,
// the box of the two-value dialog or the part of the help window that refused a key.
void ringBell(QWidget* flashed);

// Plays one of the desktop's event sounds, named as in its sound theme ("bell"). The default plays it through
// libcanberra, whose context is made at the first sound, so that start-up does not pay for it; a failure to
// play stays silent.
using SoundPlayer = std::function<void(const char* eventId)>;
// Puts another player in the default's place (a test's recorder); an empty one brings the default back.
void setSoundPlayer(SoundPlayer player);

// Whether the desktop sounds a bell of its own.
bool platformHasBell();

// The visual bell alone: the widget's text and background colours swap for a moment, then it takes back
// exactly the palette it had. A flash that is still showing is lengthened, not repeated.
void flashInverse(QWidget* widget);

// How long a flash lasts, in milliseconds.
inline constexpr int kFlashMilliseconds = 120;

} // namespace orbetta::desktop
