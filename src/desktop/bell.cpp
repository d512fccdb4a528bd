#include "desktop/bell.h"

#include <QApplication>
#include <QPalette>
#include <QTimer>
#include <QWidget>

#include <canberra.h>

#include <memory>

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
// server or by ALSA.
class CanberraSounds {
public:
    CanberraSounds() {
        ca_context* made = nullptr;
        if (ca_context_create(&made) != CA_SUCCESS)
            return;
        context_.reset(made);
        const QByteArray name = QCoreApplication::applicationName().toUtf8();
        ca_context_change_props(made, CA_PROP_APPLICATION_NAME, name.constData(), CA_PROP_APPLICATION_ID,
                                "org.orbetta.Orbetta", nullptr);
    }

    void play(const char* eventId) {
        if (context_)
            ca_context_play(context_.get(), 0, CA_PROP_EVENT_ID, eventId, CA_PROP_EVENT_DESCRIPTION,
                            "Refused input", nullptr);
    }

private:
    struct Destroy {
        void operator()(ca_context* context) const { ca_context_destroy(context); }
    };
    std::unique_ptr<ca_context, Destroy> context_;
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
