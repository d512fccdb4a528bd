#include "desktop/bell.h"

#include <QApplication>
#include <QPalette>
#include <QTimer>
#include <QWidget>

#include <canberra.h>
#include <dlfcn.h>

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

bool platformHasBell() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
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
    if (platformHasBell()) {
        QApplication::beep();
        return;
    }
    playEventSound("bell");
    flashInverse(flashed);
}

} // namespace orbetta::desktop
