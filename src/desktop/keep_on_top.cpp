#include "desktop/keep_on_top.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace orbetta::desktop {

bool canKeepOnTop() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void keepOnTop(QWidget* window, bool on) {
    const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
    if (flags == window->windowFlags())
        return;
    if (QWindow* native = window->windowHandle()) {
        // The native window passes the change to the window manager as it stands.
        window->overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        window->setWindowFlags(flags);
    }
}

bool keptOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace orbetta::desktop
