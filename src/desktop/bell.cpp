#include "desktop/bell.h"

#include <QApplication>
#include <QPalette>
#include <QTimer>
#include <QWidget>

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

} // namespace

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
    if (platformHasBell())
        QApplication::beep();
    else
        flashInverse(flashed);
}

} // namespace orbetta::desktop
