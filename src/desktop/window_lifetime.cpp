#include "desktop/window_lifetime.h"

#include <QCoreApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>

namespace orbetta::desktop {

void stopListening(QObject* object) {
    QList<QObject*> objects = object->findChildren<QObject*>();
    for (QObject* child : objects)
        QObject::disconnect(child, nullptr, object, nullptr);
    objects.append(object);
    // The native window of a window is not among its children, yet a control may watch it.
    if (object->isWidgetType())
        if (QWindow* native = static_cast<QWidget*>(object)->windowHandle())
            for (QObject* listener : objects)
                native->removeEventFilter(listener);
    QCoreApplication* application = QCoreApplication::instance();
    for (QObject* listener : objects) {
        if (application) {
            QObject::disconnect(application, nullptr, listener, nullptr);
            application->removeEventFilter(listener);
        }
        // A filter one of them set on another, such as a control watching its window.
        for (QObject* watched : objects)
            watched->removeEventFilter(listener);
    }
}

} // namespace orbetta::desktop
