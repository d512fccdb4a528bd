#pragma once

#include <QWidget>

// The calculator's main window.
class frmCalc : public QWidget {
    Q_OBJECT
public:
    explicit frmCalc(QWidget* parent = nullptr);
};
