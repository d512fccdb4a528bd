#include "ui/help.h"

#include "desktop/window_placement.h"
#include "ui/help_viewer.h"
#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QUrl>
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

QString findHelpFile(const QString& programDir, const QString& language) {
    QStringList names;
    if (!language.isEmpty())
        names << QStringLiteral("Orbetta_%1.hlp").arg(language);
    names << QString::fromLatin1(kHelpFileName);
    const QStringList folders = orbetta::ui::dataFolders(programDir);
    for (const QString& name : names) {
        for (const QString& folder : folders) {
            const QFileInfo info(QDir(folder).filePath(name));
            if (info.isFile() && info.isReadable())
                return info.canonicalFilePath();
        }
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

    auto* viewer = new HelpViewer(owner, QUrl::fromLocalFile(info.absoluteFilePath()));
    openViewer() = viewer;
    orbetta::desktop::fitOnOwnersScreen(viewer, owner); // the window manager places it; it must fit
    bringForward(viewer);
    return true;
}

void openHelp(QWidget* owner) {
    if (QWidget* viewer = openViewer()) {
        bringForward(viewer);
        return;
    }
    // The help request reports nothing when there is no help file.
    const QString path =
        findHelpFile(QCoreApplication::applicationDirPath(), orbetta::ui::installedLanguage());
    if (!path.isEmpty())
        showHelpFile(owner, path);
}

bool openHelpOnF1(QWidget* dialog, QKeyEvent* event) {
    if (event->key() != Qt::Key_F1 || event->modifiers() != Qt::NoModifier)
        return false;
    openHelp(dialog->parentWidget() ? dialog->parentWidget()
                                    : dialog); // the viewer belongs to the main window
    event->accept();
    return true;
}
