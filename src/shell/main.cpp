#include "ui/frmcalc.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frmCalc w;
    w.show();
    return app.exec();
}
