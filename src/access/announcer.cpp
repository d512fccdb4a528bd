#include "access/announcer.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

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

// Waits until the native window of a window being left loses the focus to another window of the program, and
// then leaves the window before the toolkit goes on to activate the other one. Until then nothing changes, so
// a window the desktop keeps the focus in stays the active one.
class LeavingWatch : public QObject {
public:
    explicit LeavingWatch(QWidget* left) : QObject(left) { left->windowHandle()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusOut)
            return false;
        // The toolkit has made the next window its focus window already, and activates it right after.
        const QWindow* next = QGuiApplication::focusWindow();
        if (next && next != watched && next->type() != Qt::Popup) {
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            QApplication::setActiveWindow(nullptr);
            QT_WARNING_POP
        }
        watched->removeEventFilter(this);
        deleteLater();
        return false;
    }
};

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(invisibleChild(parent, "AnnouncerBar")) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    // Appearing with the window, it would be spoken as an empty notification.
    setVisible(false);
    window()->installEventFilter(this);
    waitingCheck_ = new QTimer(this);
    waitingCheck_->setInterval(100);
    connect(waitingCheck_, &QTimer::timeout, this, [this] {
        if (waiting_.isEmpty() || --checksLeft_ <= 0)
            waitingCheck_->stop();
        else if (window()->isActiveWindow())
            speak(std::exchange(waiting_, QString()));
    });
}

void Announcer::announce(const QString& text) {
    if (!window()->isActiveWindow()) {
        waiting_ = text;
        watchNativeWindow();
        checksLeft_ = 30;
        waitingCheck_->start();
        return;
    }
    waiting_.clear();
    speak(text);
}

void Announcer::leaveWindow(QWidget* left) {
    if (!left || !left->isActiveWindow() || !left->windowHandle())
        return;
    new LeavingWatch(left);
}

void Announcer::setReturnText(std::function<QString()> text) {
    returnText_ = std::move(text);
    watchNativeWindow();
}

void Announcer::watchNativeWindow() {
    // The native window exists once the window has been shown; installing the filter again only moves it.
    if (QWindow* native = window()->windowHandle())
        native->installEventFilter(this);
    else
        window()->installEventFilter(this); // its Show event comes once the native window exists
}

void Announcer::speak(const QString& text) {
    setAccessibleName(text);
    // Only an object that appears is spoken; one already shown must disappear first.
    hide();
    show();
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    QWindow* native = window()->windowHandle();
    if (watched == window() && event->type() == QEvent::Show && native)
        native->installEventFilter(this);
    if (native && watched == native && event->type() == QEvent::FocusOut) {
        const QWindow* next = QGuiApplication::focusWindow();
        returning_ = next && next != native && next->type() != Qt::Popup;
    }
    // The native window takes the focus before the widgets hear of the activation, and a screen reader
    // hears of it then: the text told here is the first it speaks.
    if (native && watched == native && event->type() == QEvent::FocusIn) {
        QString text = std::exchange(waiting_, QString());
        if (text.isEmpty() && std::exchange(returning_, false) && returnText_)
            text = returnText_();
        returning_ = false;
        if (!text.isEmpty())
            speak(text);
        return false;
    }
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
