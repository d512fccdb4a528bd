#include "ui/accessibility.h"

#include "ui/announcer.h"
#include "ui/display.h"
#include "ui/display_access.h"
#include "ui/document_access.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QTextBrowser>

namespace orbetta::ui {

namespace {

// Asked for each class of an object's hierarchy, most derived first, before Qt's own interfaces.
QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (qobject_cast<Announcer*>(object))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("QFrame") &&
        (object->objectName() == QLatin1String("Frame2") || object->objectName() == QLatin1String("Frame3")))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (auto* display = qobject_cast<DisplayBox*>(object))
        return new DisplayAccess(display);
    if (className == QLatin1String("QTextBrowser"))
        return new DocumentAccess(static_cast<QTextBrowser*>(widget));
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace orbetta::ui
