#pragma once

#include <functional>

class QObject;

namespace orbetta::desktop {

// Marks one of the program's own modal loops (a message box, the colour chooser) for its lifetime. While such
// a loop runs, the handler that opened it and the loop itself still use their windows, so no window may be
// unloaded: the off key and closing the main window wait until the last loop has ended.
class ModalLoop {
public:
    ModalLoop();
    ~ModalLoop();
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    static bool running();
    // Runs the action now when no modal loop runs; otherwise once the last one has ended and the handler that
    // opened it has returned. Dropped when the context object is destroyed first.
    static void whenNoneRunning(QObject* context, std::function<void()> action);
};

} // namespace orbetta::desktop
