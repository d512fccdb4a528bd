#pragma once

#include <QDialog>

namespace orbetta {
class Calculator;
}

// The two-value dialog: two operands for the y-th root, the power or a random whole number.
class xyentry : public QDialog {
    Q_OBJECT
public:
    explicit xyentry(orbetta::Calculator& calc, QWidget* parent = nullptr);

    // Sets the caption and the two prompts, then shows the dialog without blocking, in its normal state.
    void openFor(const QString& caption, const QString& prompt1, const QString& prompt2);
    void setBackground(const QColor& colour);

private:
    orbetta::Calculator& calc_;
};
