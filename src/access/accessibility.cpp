#include "access/accessibility.h"

#include "access/announcer.h"
#include "access/document_access.h"
#include "access/line_edit_access.h"

#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QTextBrowser>

#include <utility>
#include <vector>

namespace orbetta::access {

namespace {

// Asked for each class of an object's hierarchy, most derived first, before Qt's own interfaces.
QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (qobject_cast<Announcer*>(object))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (object->objectName() == QLatin1String("AnnouncerBar"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (className == QLatin1String("QFrame") &&
        (object->objectName() == QLatin1String("Frame2") || object->objectName() == QLatin1String("Frame3")))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    // Answered at the spin box's own class, before the toolkit gives it the interface of its kind.
    if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(object))
        return new SpinBoxAccess(spinBox);
    // The line inside a spin box is read through the spin box, which has the focus in its place.
    if (className == QLatin1String("QLineEdit") &&
        object->objectName() != QLatin1String("qt_spinbox_lineedit"))
        return new LineEditAccess(static_cast<QLineEdit*>(widget));
    if (className == QLatin1String("QTextBrowser"))
        return new DocumentAccess(static_cast<QTextBrowser*>(widget));
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

// What waits for a screen reader. The toolkit tells its observers when its bridge to screen readers becomes
// active.
class Listening : public QAccessible::ActivationObserver {
public:
    Listening() { QAccessible::installActivationObserver(this); }

    void accessibilityActiveChanged(bool active) override {
        if (!active)
            return;
        listened = true;
        for (auto& [owner, apply] : std::exchange(waiting, {}))
            if (owner)
                apply();
    }

    bool listened = false;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waiting;
};

Listening& listening() {
    static Listening* const instance = new Listening; // lives as long as the toolkit may call it
    return *instance;
}

} // namespace

bool screenReaderListens() {
    return listening().listened || QAccessible::isActive();
}

void whenScreenReaderListens(QObject* owner, std::function<void()> apply) {
    if (screenReaderListens()) {
        apply();
        return;
    }
    // What waited for a window that has gone since is dropped, so that a long run of windows opened and
    // closed without a screen reader leaves nothing behind.
    auto& waiting = listening().waiting;
    std::erase_if(waiting, [](const auto& entry) { return !entry.first; });
    waiting.emplace_back(owner, std::move(apply));
}

void installAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace orbetta::access
