#pragma once

#include <functional>

class QWidget;

namespace orbetta::desktop {

// The program's beep, the one way every window sounds a refusal. On X11 it is the X server's bell, as always.
// Qt's beep does nothing on the other platforms (Wayland, offscreen), so there the desktop's "bell" event
// sound plays and the given widget flashes briefly in inverse colours: the display of the main window, the
// box of the two-value dialog or the part of the help window that refused a key.
void ringBell(QWidget* flashed);

// Plays one of the desktop's event sounds, named as in its sound theme ("bell"). The default plays it through
// libcanberra, whose context is made at the first sound, so that start-up does not pay for it; a failure to
// play stays silent.
using SoundPlayer = std::function<void(const char* eventId)>;
// Puts another player in the default's place (a test's recorder); an empty one brings the default back.
void setSoundPlayer(SoundPlayer player);

// Whether the platform sounds a bell of its own.
bool platformHasBell();

// The visual bell alone: the widget's text and background colours swap for a moment, then it takes back
// exactly the palette it had. A flash that is still showing is lengthened, not repeated.
void flashInverse(QWidget* widget);

// How long a flash lasts, in milliseconds.
inline constexpr int kFlashMilliseconds = 120;

} // namespace orbetta::desktop
