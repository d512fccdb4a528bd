#include "access/announcer.h"

#include <QEvent>
#include <QTimer>

#include <utility>

namespace orbetta::access {

namespace {

QWidget* invisibleChild(QWidget* parent, const char* name) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setGeometry(0, 0, 0, 0);
    return widget;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(invisibleChild(parent, "AnnouncerBar")) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    // Appearing with the window, it would be spoken as an empty notification.
    setVisible(false);
    window()->installEventFilter(this);
}

void Announcer::announce(const QString& text) {
    if (!window()->isActiveWindow()) {
        waiting_ = text;
        return;
    }
    waiting_.clear();
    speak(text);
}

void Announcer::speak(const QString& text) {
    setAccessibleName(text);
    // Only an object that appears is spoken; one already shown must disappear first.
    hide();
    show();
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !waiting_.isEmpty()) {
        // After the window's own activation and focus events, which a screen reader presents first.
        QTimer::singleShot(0, this, [this] {
            if (!waiting_.isEmpty() && window()->isActiveWindow())
                speak(std::exchange(waiting_, QString()));
        });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orbetta::access
