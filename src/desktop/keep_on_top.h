#pragma once

#include <functional>

class QWidget;

namespace orbetta::desktop {

// Whether a program may keep its window above the others here. Wayland leaves the stacking to the compositor
// alone, so a window's wish to stay on top is ignored there; on X11 the window manager must list the "above"
// state among those it supports (weston's XWayland window manager does not).
bool canKeepOnTop();

// Keeps a top-level window above the other windows, or lets it go. A shown window stays shown and in place
// (changing a widget's window flags would hide it and create its native window anew); the window manager is
// told at once. A window not shown yet starts where it would start without it.
void keepOnTop(QWidget* window, bool on);

// Whether the window is kept above the others.
bool keptOnTop(const QWidget* window);

// From now on, when the window manager turns the window's "above" state on or off by itself (its own menu,
// a shortcut, another program), the window takes the new state and `changed` is told it. X11 only.
void followWindowManagersAbove(QWidget* window, std::function<void(bool)> changed);

} // namespace orbetta::desktop
