#pragma once

class QWidget;

namespace orbetta::desktop {

// Whether a program may keep its window above the others here. Wayland leaves the stacking to the compositor
// alone, so a window's wish to stay on top is ignored there.
bool canKeepOnTop();

// Keeps a top-level window above the other windows, or lets it go. A shown window stays shown and in place
// (changing a widget's window flags would hide it and create its native window anew); the window manager is
// told at once.
void keepOnTop(QWidget* window, bool on);

// Whether the window is kept above the others.
bool keptOnTop(const QWidget* window);

} // namespace orbetta::desktop
