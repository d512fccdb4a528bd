#include "desktop/keep_on_top.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

namespace orbetta::desktop {

namespace {

bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Whether the list of atoms a window property holds names the given one.
bool propertyLists(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                   xcb_atom_t wanted) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i)
        if (atoms[i] == wanted)
            return true;
    return false;
}

// Tells the owner when the window manager changes the window's "above" state by itself: from its own menu,
// a keyboard shortcut or another program.
class AboveStateWatcher : public QObject, public QAbstractNativeEventFilter {
public:
    AboveStateWatcher(QWidget* window, std::function<void(bool)> changed)
        : QObject(window), window_(window), changed_(std::move(changed)) {
        xcb_connection_t* connection = x11Connection();
        state_ = atom(connection, "_NET_WM_STATE");
        above_ = atom(connection, "_NET_WM_STATE_ABOVE");
        QAbstractEventDispatcher::instance()->installNativeEventFilter(this);
    }
    ~AboveStateWatcher() override {
        if (auto* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || !window_ || !window_->isVisible() || !window_->windowHandle())
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        // A window manager deletes the state when the window is withdrawn, which says nothing of the choice.
        if (notify->atom != state_ || notify->state != XCB_PROPERTY_NEW_VALUE ||
            notify->window != static_cast<xcb_window_t>(window_->winId()))
            return false;
        const bool above = propertyLists(x11Connection(), notify->window, state_, above_);
        if (above != keptOnTop(window_)) {
            keepOnTop(window_, above);
            changed_(above);
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    std::function<void(bool)> changed_;
    xcb_atom_t state_ = XCB_ATOM_NONE;
    xcb_atom_t above_ = XCB_ATOM_NONE;
};

} // namespace

bool canKeepOnTop() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    if (!onX11())
        return true; // a platform without a window manager keeps the flag as it is told
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return screen && propertyLists(connection, screen->root, atom(connection, "_NET_SUPPORTED"),
                                   atom(connection, "_NET_WM_STATE_ABOVE"));
}

void keepOnTop(QWidget* window, bool on) {
    const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
    if (flags == window->windowFlags())
        return;
    // The flags alone change: setWindowFlags() would give the window a new parent, which forgets that its
    // place was set by the program, and the window manager would then put the frame, not the window, there.
    window->overrideWindowFlags(flags);
    if (QWindow* native = window->windowHandle())
        native->setFlags(flags); // the native window passes the change to the window manager as it stands
}

bool keptOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void followWindowManagersAbove(QWidget* window, std::function<void(bool)> changed) {
    if (window && onX11() && x11Connection())
        new AboveStateWatcher(window, std::move(changed));
}

} // namespace orbetta::desktop
