#pragma once

#include <optional>

namespace orbetta::desktop {

// What the Wayland compositor the program would be shown on offers.
struct Compositor {
    bool drawsDecorations = false; // it offers to draw the windows' title bars itself
    int largestScale = 1;          // the largest scale of its outputs
};

// Asks the compositor at WAYLAND_DISPLAY over a short connection of its own; nothing when none answers.
std::optional<Compositor> askCompositor();

// Whether the windows are better shown through the compositor's X server (XWayland): where the compositor
// draws no title bars, Qt's own bar cuts the titles and offers maximize on fixed-size windows, while the
// compositor's window manager frames X windows as its own. Only at scale 1, where the compositor does not
// stretch X windows and blur them.
bool preferXWayland(const Compositor& compositor);

// Before the application object is made: has Qt use X11 through XWayland (the compositor if that fails) where
// preferXWayland() holds, an X server is at hand and the user chose no window system (QT_QPA_PLATFORM or
// -platform). Returns whether it did, so that the variable can be taken back once Qt has read it.
bool chooseWindowSystem(int argc, char* argv[]);

} // namespace orbetta::desktop
