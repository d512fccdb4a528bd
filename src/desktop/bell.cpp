#include "desktop/bell.h"

#include <QApplication>
#include <QPalette>
#include <QTimer>
#include <QWidget>
#include <memory>

#include <canberra.h>
#include <dlfcn.h>
#include <wayland-client.h>

#include <cstdlib>
#include <string_view>

namespace orbetta::desktop {

namespace {

// Lives on the flashed widget while its flash shows and puts its palette back when it ends.
class InverseFlash : public QObject {
public:
    explicit InverseFlash(QWidget* widget)
        : QObject(widget), widget_(widget), saved_(widget->palette()),
          hadOwnPalette_(widget->testAttribute(Qt::WA_SetPalette)) {
        setObjectName(QStringLiteral("InverseFlash"));
        QPalette inverse = saved_;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            swap(inverse, group, QPalette::Base, QPalette::Text);
            swap(inverse, group, QPalette::Window, QPalette::WindowText);
        }
        widget_->setPalette(inverse);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] {
            widget_->setPalette(hadOwnPalette_ ? saved_ : QPalette());
            deleteLater();
        });
        restart();
    }

    void restart() { timer_.start(kFlashMilliseconds); }

private:
    static void swap(QPalette& palette, QPalette::ColorGroup group, QPalette::ColorRole a,
                     QPalette::ColorRole b) {
        const QBrush first = palette.brush(group, a);
        palette.setBrush(group, a, palette.brush(group, b));
        palette.setBrush(group, b, first);
    }

    QWidget* widget_;
    const QPalette saved_;
    const bool hadOwnPalette_;
    QTimer timer_;
};

// The desktop's event sounds through libcanberra: the sound theme the desktop chose, played by its sound
// server or by ALSA. The library is opened at the first sound rather than linked: loading it and the decoders
// it brings along would cost every start-up several per cent.
class CanberraSounds {
public:
    CanberraSounds() {
        void* library = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL);
        if (!library)
            return;
        const auto create = symbol<decltype(&ca_context_create)>(library, "ca_context_create");
        const auto changeProps =
            symbol<decltype(&ca_context_change_props)>(library, "ca_context_change_props");
        play_ = symbol<decltype(&ca_context_play)>(library, "ca_context_play");
        destroy_ = symbol<decltype(&ca_context_destroy)>(library, "ca_context_destroy");
        if (!create || !changeProps || !play_ || !destroy_ || create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return;
        }
        const QByteArray name = QCoreApplication::applicationName().toUtf8();
        changeProps(context_, CA_PROP_APPLICATION_NAME, name.constData(), CA_PROP_APPLICATION_ID,
                    "org.orbetta.Orbetta", nullptr);
    }
    // The library stays loaded: a sound may still be playing on a thread of its own.
    ~CanberraSounds() {
        if (context_)
            destroy_(context_);
    }
    CanberraSounds(const CanberraSounds&) = delete;
    CanberraSounds& operator=(const CanberraSounds&) = delete;

    void play(const char* eventId) {
        if (context_)
            play_(context_, 0, CA_PROP_EVENT_ID, eventId, CA_PROP_EVENT_DESCRIPTION, "Refused input",
                  nullptr);
    }

private:
    template <class Function> static Function symbol(void* library, const char* name) {
        return reinterpret_cast<Function>(dlsym(library, name));
    }

    ca_context* context_ = nullptr;
    decltype(&ca_context_play) play_ = nullptr;
    decltype(&ca_context_destroy) destroy_ = nullptr;
};

// The two requests by which a Wayland client hands its bell to the compositor, as their protocols define
// them: xdg_system_bell_v1.ring (request 1) and gtk_shell1.system_bell (request 2), each with a window that
// may be null. Only these requests are ever sent, so only they are described.
const wl_interface* kNoTypes[] = {nullptr}; // no argument names an interface the client makes
const wl_message kSystemBellRequests[] = {{"destroy", "", kNoTypes}, {"ring", "?o", kNoTypes}};
const wl_interface kSystemBellInterface = {"xdg_system_bell_v1", 1, 2, kSystemBellRequests, 0, nullptr};
const wl_message kGtkShellRequests[] = {
    {"get_gtk_surface", "no", kNoTypes}, {"set_startup_id", "?s", kNoTypes}, {"system_bell", "?o", kNoTypes}};
// The shell tells its capabilities at once; the event must be known to be read, and is then left unheard.
const wl_message kGtkShellEvents[] = {{"capabilities", "u", kNoTypes}};
const wl_interface kGtkShellInterface = {"gtk_shell1", 1, 3, kGtkShellRequests, 1, kGtkShellEvents};
constexpr std::uint32_t kRingRequest = 1;
constexpr std::uint32_t kSystemBellRequest = 2;

// A connection of its own to the Wayland compositor, kept for the program's life while the compositor offers
// a bell: the compositor then rings the bell as its user set it up (their alert sound, a visual alert, or
// none), and each bell goes out without a new connection.
class CompositorBell {
public:
    // Under XWayland only a compositor named in WAYLAND_DISPLAY is asked; a Wayland client's own
    // compositor may be the default one.
    explicit CompositorBell(bool onlyNamed) {
        const char* socket = std::getenv("WAYLAND_DISPLAY");
        if (onlyNamed && (!socket || !*socket))
            return;
        display_ = wl_display_connect(nullptr);
        if (!display_)
            return;
        wl_registry* registry = wl_display_get_registry(display_);
        wl_registry_add_listener(registry, &kListener, this);
        reached_ = wl_display_roundtrip(display_) >= 0;
        if (reached_ && systemBellName_)
            bind(registry, systemBellName_, &kSystemBellInterface, OfferedBell::SystemBell);
        else if (reached_ && gtkShellName_)
            bind(registry, gtkShellName_, &kGtkShellInterface, OfferedBell::GtkShell);
        wl_registry_destroy(registry);
        if (!bell_)
            close();
    }
    ~CompositorBell() { close(); }
    CompositorBell(const CompositorBell&) = delete;
    CompositorBell& operator=(const CompositorBell&) = delete;

    bool reached() const { return reached_; }
    OfferedBell offered() const { return offered_; }
    // Done once the compositor has read the request; false when the connection is gone.
    bool ring() {
        if (!bell_)
            return false;
        wl_proxy_marshal_flags(bell_, offered_ == OfferedBell::SystemBell ? kRingRequest : kSystemBellRequest,
                               nullptr, wl_proxy_get_version(bell_), 0, nullptr);
        if (wl_display_roundtrip(display_) >= 0)
            return true;
        close();
        return false;
    }
    void close() {
        if (bell_)
            wl_proxy_destroy(bell_);
        bell_ = nullptr;
        if (display_)
            wl_display_disconnect(display_);
        display_ = nullptr;
    }

private:
    void bind(wl_registry* registry, std::uint32_t name, const wl_interface* interface, OfferedBell offered) {
        bell_ = static_cast<wl_proxy*>(wl_registry_bind(registry, name, interface, 1));
        offered_ = offered;
        reached_ = wl_display_roundtrip(display_) >= 0;
    }
    static void global(void* data, wl_registry*, std::uint32_t name, const char* interface, std::uint32_t) {
        auto* self = static_cast<CompositorBell*>(data);
        const std::string_view offered(interface);
        if (offered == kSystemBellInterface.name)
            self->systemBellName_ = name;
        else if (offered == kGtkShellInterface.name)
            self->gtkShellName_ = name;
    }
    static void globalRemoved(void*, wl_registry*, std::uint32_t) {}
    static constexpr wl_registry_listener kListener{.global = global, .global_remove = globalRemoved};

    wl_display* display_ = nullptr;
    wl_proxy* bell_ = nullptr;
    bool reached_ = false;
    std::uint32_t systemBellName_ = 0;
    std::uint32_t gtkShellName_ = 0;
    OfferedBell offered_ = OfferedBell::None;
};

// Asked once, at the first bell: where the program runs and what its compositor offers do not change.
struct ChosenRoute {
    BellRoute route = BellRoute::SoundAndFlash;
    std::unique_ptr<CompositorBell> compositor;
};

ChosenRoute& chosenRoute() {
    static ChosenRoute chosen = [] {
        ChosenRoute made;
        const QString platform = QGuiApplication::platformName();
        const bool x11 = platform == QLatin1String("xcb");
        if (!x11 && !platform.startsWith(QLatin1String("wayland")))
            return made; // no desktop to ask (offscreen)
        made.compositor = std::make_unique<CompositorBell>(x11);
        made.route = chooseBellRoute(x11, made.compositor->reached(), made.compositor->offered());
        if (made.route != BellRoute::DesktopBell)
            made.compositor.reset();
        return made;
    }();
    return chosen;
}

SoundPlayer& soundPlayer() {
    static SoundPlayer current;
    return current;
}

void playEventSound(const char* eventId) {
    if (soundPlayer()) {
        soundPlayer()(eventId);
        return;
    }
    static CanberraSounds sounds; // made at the first sound
    sounds.play(eventId);
}

} // namespace

void setSoundPlayer(SoundPlayer player) {
    soundPlayer() = std::move(player);
}

BellRoute chooseBellRoute(bool x11, bool compositorReached, OfferedBell offered) {
    if (x11)
        // The X bell reaches the desktop on X11 itself and under a compositor that rings the X bell, one that
        // offers a bell to its own clients (mutter's XWayland); weston's window manager drops it.
        return !compositorReached || offered != OfferedBell::None ? BellRoute::XBell
                                                                  : BellRoute::SoundAndFlash;
    return offered != OfferedBell::None ? BellRoute::DesktopBell : BellRoute::SoundAndFlash;
}

BellRoute bellRoute() {
    return chosenRoute().route;
}

bool platformHasBell() {
    return bellRoute() != BellRoute::SoundAndFlash;
}

void flashInverse(QWidget* widget) {
    if (!widget)
        return;
    if (auto* showing =
            widget->findChild<InverseFlash*>(QStringLiteral("InverseFlash"), Qt::FindDirectChildrenOnly)) {
        showing->restart();
        return;
    }
    new InverseFlash(widget);
}

void ringBell(QWidget* flashed) {
    ChosenRoute& chosen = chosenRoute();
    if (chosen.route == BellRoute::XBell) {
        QApplication::beep();
        return;
    }
    if (chosen.route == BellRoute::DesktopBell && chosen.compositor->ring())
        return;
    playEventSound("bell");
    flashInverse(flashed);
}

} // namespace orbetta::desktop
