#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

class QWindow;

namespace orbetta::desktop {

// Keeps the program's fixed-size windows at their size, and the program alive, when something maximizes them
// or makes them full screen on Wayland.
//
// There Qt draws the window decoration itself and always offers a maximize button, whatever the window's
// flags, and the compositor may maximize a window by a shortcut of its own. A maximized window must take
// exactly the size the compositor sends, or the compositor ends the connection; Qt would keep a fixed-size
// window at its size. So on Wayland the native window of a fixed-size window is given no maximum size (the
// window keeps its fixed size as a widget), takes the size it is sent while maximized, and then asks for its
// normal state back, where it returns to its own size. A resize the compositor offers outside those states is
// answered with the window's own size. Resizable windows and the other platforms are left alone.
class FixedSizeGuard : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application from now on; a second call returns the same guard.
    static FixedSizeGuard* install();

    // Whether the guard acts on this platform (the Wayland plugin).
    static bool needed();

signals:
    // A window was given a maximized or full-screen state and is back in its normal state at its own size.
    void restored(QWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FixedSizeGuard(QObject* parent);
    void watchWindow(QWidget* widget);
    void stateReported(QWidget* widget, QWindow* window);

    QHash<QWindow*, QPointer<QWidget>> watched_; // the native windows of fixed-size windows seen so far
    QSet<QWindow*> returning_;                   // windows that asked for their normal state back
};

} // namespace orbetta::desktop
