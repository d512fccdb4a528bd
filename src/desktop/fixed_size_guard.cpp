#include "desktop/fixed_size_guard.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace orbetta::desktop {

namespace {

constexpr Qt::WindowStates kImposedSize = Qt::WindowMaximized | Qt::WindowFullScreen;
const QSize kNoMaximum(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

bool hasFixedSize(const QWidget* widget) {
    return widget->minimumSize() == widget->maximumSize();
}

// The widget keeps its fixed size; its native window gets none, so that it can take a size it is sent.
// Changing a widget's size limits sets its window's limits again, so this runs after each show and resize.
void openMaximum(QWidget* widget) {
    QWindow* window = widget->windowHandle();
    if (window && window->maximumSize() != kNoMaximum)
        window->setMaximumSize(kNoMaximum);
}

} // namespace

FixedSizeGuard::FixedSizeGuard(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("FixedSizeGuard"));
}

FixedSizeGuard* FixedSizeGuard::install() {
    if (auto* existing =
            qApp->findChild<FixedSizeGuard*>(QStringLiteral("FixedSizeGuard"), Qt::FindDirectChildrenOnly))
        return existing;
    auto* guard = new FixedSizeGuard(qApp);
    if (needed())
        qApp->installEventFilter(guard);
    return guard;
}

bool FixedSizeGuard::needed() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void FixedSizeGuard::watchWindow(QWidget* widget) {
    QWindow* window = widget->windowHandle();
    if (!window || watched_.contains(window))
        return;
    watched_.insert(window, widget);
    connect(window, &QObject::destroyed, this, [this, window] {
        watched_.remove(window);
        returning_.remove(window);
    });
    // A state the program or the decoration asks for: the window must be free to take the compositor's
    // size before the compositor's answer arrives.
    connect(window, &QWindow::windowStateChanged, this,
            [widget = QPointer<QWidget>(widget)](Qt::WindowState) {
                if (widget && hasFixedSize(widget))
                    openMaximum(widget);
            });
}

void FixedSizeGuard::stateReported(QWidget* widget, QWindow* window) {
    const Qt::WindowStates states = window->windowStates();
    if (states & kImposedSize) {
        returning_.insert(window);
        // Asked once the imposed size has been drawn: until the compositor has seen the window in that state
        // it would take a request for the normal state as nothing to do.
        QTimer::singleShot(0, window,
                           [window] { window->setWindowStates(window->windowStates() & ~kImposedSize); });
        return;
    }
    if (returning_.remove(window)) {
        if (widget->size() != widget->minimumSize())
            widget->resize(widget->minimumSize());
        emit restored(window);
    }
}

bool FixedSizeGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // The compositor reports a state to the native window itself; its widget hears of it only when the
    // widget's own state changes, which a state the program asked for has done already.
    if (type == QEvent::WindowStateChange && event->spontaneous() && watched->isWindowType()) {
        auto* window = static_cast<QWindow*>(watched);
        if (QWidget* widget = watched_.value(window); widget && hasFixedSize(widget))
            stateReported(widget, window);
        return false;
    }
    if ((type != QEvent::Show && type != QEvent::Resize) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow())
        return false;
    QWindow* window = widget->windowHandle();
    if (type == QEvent::Resize && window && hasFixedSize(widget) &&
        !(window->windowStates() & kImposedSize) && widget->size() != widget->minimumSize()) {
        // A size offered while resizing: the window answers with its own.
        QTimer::singleShot(0, widget, [widget] { widget->resize(widget->minimumSize()); });
    }
    // Some windows fix their size only as they are shown (a message box), so they are looked at afterwards.
    QTimer::singleShot(0, widget, [this, widget] {
        if (!hasFixedSize(widget) || !widget->windowHandle())
            return;
        watchWindow(widget);
        openMaximum(widget);
    });
    return false;
}

} // namespace orbetta::desktop
