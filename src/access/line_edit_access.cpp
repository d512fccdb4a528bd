#include "access/line_edit_access.h"

#include <QAbstractSpinBox>
#include <QLineEdit>

namespace orbetta::access {

LineEditAccess::LineEditAccess(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* LineEditAccess::lineEdit() const {
    return static_cast<QLineEdit*>(widget());
}

QAccessible::State LineEditAccess::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = lineEdit()->isReadOnly();
    state.editable = !state.readOnly;
    state.passwordEdit = lineEdit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

QString LineEditAccess::text(QAccessible::Text type) const {
    if (type == QAccessible::Value)
        return spokenText();
    const QString told = QAccessibleWidget::text(type);
    if (told.isEmpty() && type == QAccessible::Description)
        return lineEdit()->placeholderText();
    return told;
}

void LineEditAccess::setText(QAccessible::Text type, const QString& text) {
    if (type != QAccessible::Value) {
        QAccessibleWidget::setText(type, text);
        return;
    }
    replaceText(0, int(lineEdit()->text().size()), text);
}

void* LineEditAccess::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

SpinBoxAccess::SpinBoxAccess(QAbstractSpinBox* spinBox) : QAccessibleWidget(spinBox, QAccessible::SpinBox) {}

QLineEdit* SpinBoxAccess::lineEdit() const {
    // The spin box keeps its line edit to itself; it is its only line-edit child.
    return widget()->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
}

QAccessible::State SpinBoxAccess::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = static_cast<QAbstractSpinBox*>(widget())->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
}

QString SpinBoxAccess::text(QAccessible::Text type) const {
    if (type == QAccessible::Value)
        return static_cast<QAbstractSpinBox*>(widget())->text();
    return QAccessibleWidget::text(type);
}

void* SpinBoxAccess::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// The spin boxes of the toolkit name their value, limits and step as properties.
QVariant SpinBoxAccess::currentValue() const {
    return widget()->property("value");
}

void SpinBoxAccess::setCurrentValue(const QVariant& value) {
    widget()->setProperty("value", value);
}

QVariant SpinBoxAccess::maximumValue() const {
    return widget()->property("maximum");
}

QVariant SpinBoxAccess::minimumValue() const {
    return widget()->property("minimum");
}

QVariant SpinBoxAccess::minimumStepSize() const {
    return widget()->property("singleStep");
}

} // namespace orbetta::access
