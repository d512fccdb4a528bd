// Writes the application icon as PNG images for the desktop's icon theme, drawn by the program's own icon
// code:
//     orbetta_icon_export <directory> <size>...
// writes <directory>/<size>/org.orbetta.Orbetta.png for each size, one pixel per device pixel.
#include "look/pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QTextStream>

#include <charconv>
#include <cstring>

namespace {

int parseSize(const char* text) {
    int size = 0;
    const char* end = text + std::strlen(text);
    const auto [rest, error] = std::from_chars(text, end, size);
    if (error != std::errc() || rest != end || size < 1 || size > 1024)
        return 0;
    return size;
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing the icon needs no screen; this keeps the build working without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 3) {
        err << "usage: orbetta_icon_export <directory> <size>...\n";
        return 2;
    }

    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QIcon icon = orbetta::look::applicationIcon();
    for (int i = 2; i < argc; ++i) {
        const int size = parseSize(argv[i]);
        if (size == 0) {
            err << "not an icon size: " << argv[i] << '\n';
            return 2;
        }
        const QString folder = QString::number(size);
        const QString path = root.filePath(folder + QStringLiteral("/org.orbetta.Orbetta.png"));
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        if (image.size() != QSize(size, size) || !root.mkpath(folder) || !image.save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
