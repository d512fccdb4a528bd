// The floor of the start-up benchmark: the least a Qt 6 Widgets program with a window of the calculator's
// shape can do. One fixed 184 x 298 window holding a line edit, 45 push buttons with captions and tool tips
// and a hidden combo box, in Qt's default style, palette and font. No pictures, colours, fonts, settings or
// handlers: whatever the calculator takes beyond this is its own.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(184, 298);

    auto* display = new QLineEdit(&window);
    display->setGeometry(8, 8, 169, 25);

    // A function panel of 25 small keys and a keypad of 20 square ones, as many as the calculator shows.
    for (int i = 0; i < 25; ++i) {
        auto* key = new QPushButton(QString::number(i), &window);
        key->setGeometry(16 + (i % 5) * 32, 48 + (i / 5) * 19, 26, 17);
        key->setToolTip(QStringLiteral("function %1").arg(i));
    }
    for (int i = 0; i < 20; ++i) {
        auto* key = new QPushButton(QString::number(i), &window);
        key->setGeometry(16 + (i % 5) * 32, 163 + (i / 5) * 32, 25, 25);
        key->setToolTip(QStringLiteral("key %1").arg(i));
    }

    auto* list = new QComboBox(&window);
    list->setGeometry(16, 136, 156, 21);
    list->hide();

    window.show();
    return app.exec();
}
