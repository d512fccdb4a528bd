#include "shell/help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace {

const char* const kHelpFileName = "Orbetta.hlp";

QPointer<QWidget>& openViewer() {
    static QPointer<QWidget> viewer;
    return viewer;
}

void bringForward(QWidget* window) {
    const bool wasVisible = window->isVisible();
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (wasVisible)
        window->raise(); // a window shown now is on top already
    window->activateWindow();
}

} // namespace

QString findHelpFile(const QString& programDir) {
    const QDir dir(programDir);
    for (const QString& candidate : {dir.filePath(QString::fromLatin1(kHelpFileName)),
                                     dir.filePath(QStringLiteral("../share/orbetta/") + kHelpFileName)}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isReadable())
            return info.canonicalFilePath();
    }
    return {};
}

bool showHelpFile(QWidget* owner, const QString& path) {
    if (QWidget* viewer = openViewer()) {
        bringForward(viewer);
        return true;
    }
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable())
        return false;

    auto* viewer = new QWidget(owner, Qt::Window);
    viewer->setObjectName("HelpViewer");
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(QStringLiteral("Orbetta Help"));
    viewer->resize(560, 480);

    auto* browser = new QTextBrowser(viewer);
    browser->setObjectName("HelpText");
    browser->setOpenExternalLinks(false);
    // The file name does not tell its kind, so the content is named HTML explicitly.
    browser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);

    auto* layout = new QVBoxLayout(viewer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);

    openViewer() = viewer;
    bringForward(viewer);
    return true;
}

void openHelp(QWidget* owner) {
    if (QWidget* viewer = openViewer()) {
        bringForward(viewer);
        return;
    }
    // The help request reports nothing when there is no help file.
    const QString path = findHelpFile(QCoreApplication::applicationDirPath());
    if (!path.isEmpty())
        showHelpFile(owner, path);
}
