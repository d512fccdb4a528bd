#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QWidget>

namespace orbetta::testing {

// Writes a file of the given content, with the folders it lies in; a test cannot go on without it.
inline void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The help viewers on the screen.
inline QList<QWidget*> helpViewers() {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "HelpViewer" && widget->isVisible())
            found << widget;
    return found;
}

} // namespace orbetta::testing
