#pragma once

#include "access/line_edit_text.h"

#include <QAccessibleWidget>

class QAbstractSpinBox;
class QLineEdit;

namespace orbetta::access {

// Every line edit of the program as a screen reader meets it: the display, the two-value dialog's boxes, the
// help's find field, the function list's line and the colour chooser's fields. Read-only or editable as the
// line edit is; its text is read through LineEditText.
class LineEditAccess : public QAccessibleWidget, public LineEditText {
public:
    explicit LineEditAccess(QLineEdit* edit);

    QAccessible::State state() const override;
    using QAccessibleWidget::text;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override;
    void* interface_cast(QAccessible::InterfaceType type) override;

protected:
    QLineEdit* lineEdit() const override;
};

// A spin box (the colour chooser's) is read through the line edit inside it, which the toolkit otherwise
// reads with its own line-edit interface and its faults; its value and steps are the spin box's.
class SpinBoxAccess : public QAccessibleWidget, public QAccessibleValueInterface, public LineEditText {
public:
    explicit SpinBoxAccess(QAbstractSpinBox* spinBox);

    QAccessible::State state() const override;
    using QAccessibleWidget::text;
    QString text(QAccessible::Text type) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

protected:
    QLineEdit* lineEdit() const override;
};

} // namespace orbetta::access
