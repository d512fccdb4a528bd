#include "ui/frmcalc.h"

frmCalc::frmCalc(QWidget* parent) : QWidget(parent) {
    setObjectName("frmCalc");
}
