#include "twovalue/xyentry.h"

#include "core/calculator.h"

xyentry::xyentry(orbetta::Calculator& calc, QWidget* parent) : QDialog(parent), calc_(calc) {
    setObjectName("xyentry");
    setAttribute(Qt::WA_DeleteOnClose);
}

void xyentry::openFor(const QString& caption, const QString&, const QString&) {
    setWindowTitle(caption);
    show();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

void xyentry::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}
