// The calculator as a client of a real Wayland compositor (weston, started by run-under-weston.sh).
#include "desktop/bell.h"
#include "desktop/fixed_size_guard.h"
#include "desktop/message_box.h"
#include "desktop/window_system_choice.h"
#include "support/help_files.h"
#include "ui/about_window.h"
#include "ui/help.h"
#include "ui/main_window.h"
#include "ui/two_value_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A window the compositor has answered for: shown, configured and drawn once.
void showAndWait(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window, 10000));
}

// A fresh window round trip: a compositor that ended the connection would end this program first.
void expectConnectionAlive() {
    QWidget probe;
    probe.resize(40, 30);
    showAndWait(&probe);
}

// The entries of a menu as it shows; the menu is closed at once.
class MenuWatch : public QObject {
public:
    QStringList entries;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* menu = qobject_cast<QMenu*>(watched); menu && event->type() == QEvent::Show) {
            for (QAction* action : menu->actions())
                entries << action->text();
            QTimer::singleShot(0, menu, &QMenu::close);
        }
        return false;
    }
};

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void mainWindowShowsAtItsSize();
    void maximizeLeavesTheSize_data();
    void maximizeLeavesTheSize();
    void refusedKeyFlashes_data();
    void refusedKeyFlashes();
    void windowSystemChosen_data();
    void windowSystemChosen();
    void alwaysOnTopIsNotOffered();

private:
    QWidget* makeWindow(const QString& kind);

    std::unique_ptr<MainWindow> calc_;
    std::unique_ptr<QWidget> other_;
    QTemporaryDir helpRoot_;
    QStringList sounds_; // the event sounds asked for
};

void WaylandTest::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    qRegisterMetaType<QWindow*>();
    orbetta::desktop::FixedSizeGuard::install();
    orbetta::desktop::setSoundPlayer(
        [this](const char* eventId) { sounds_ << QString::fromLatin1(eventId); });
}

void WaylandTest::cleanup() {
    for (QWidget* viewer : orbetta::testing::helpViewers())
        viewer->close();
    sounds_.clear();
    other_.reset();
    calc_.reset();
}

QWidget* WaylandTest::makeWindow(const QString& kind) {
    calc_ = std::make_unique<MainWindow>();
    if (kind == "main window")
        return calc_.get();
    calc_->show();
    if (kind == "two-value dialog") {
        calc_->openTwoValue(orbetta::Function::XToThePowerY);
        return calc_->twoValueDialog();
    }
    if (kind == "About") {
        calc_->showAbout();
        return calc_->aboutWindow();
    }
    if (kind.startsWith("help")) {
        const QString path = helpRoot_.filePath("Orbetta.hlp");
        orbetta::testing::writeFile(path, "<h1>Orbetta Help</h1><p>The keys</p>");
        if (!showHelpFile(calc_.get(), path))
            return nullptr;
        return orbetta::testing::helpViewers().value(0);
    }
    if (kind == "message box")
        other_ = orbetta::desktop::makeMessageBox(calc_.get(), "Not a number",
                                                  orbetta::desktop::MessageIcon::None);
    else if (kind == "message box with icon")
        other_ = orbetta::desktop::makeMessageBox(calc_.get(), "can't divide by 0!",
                                                  orbetta::desktop::MessageIcon::Exclamation);
    else if (kind == "colour chooser")
        other_ = std::make_unique<QColorDialog>(calc_.get());
    return other_.get();
}

void WaylandTest::mainWindowShowsAtItsSize() {
    QWidget* window = makeWindow("main window");
    showAndWait(window);
    QCOMPARE(window->size(), QSize(184, 298));
    QCOMPARE(window->windowHandle()->size(), QSize(184, 298));
}

void WaylandTest::maximizeLeavesTheSize_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("request");
    for (const char* window : {"main window", "two-value dialog", "About", "message box",
                               "message box with icon", "colour chooser"}) {
        // The maximize button of Qt's decoration toggles the state exactly so.
        QTest::addRow("%s, decoration's button", window) << window << "decoration";
        QTest::addRow("%s, program", window) << window << "showMaximized";
        QTest::addRow("%s, full screen", window) << window << "showFullScreen";
        QTest::addRow("%s, compositor's shortcut", window) << window << "super+shift+m";
    }
}

void WaylandTest::maximizeLeavesTheSize() {
    QFETCH(QString, window);
    QFETCH(QString, request);
    QWidget* shown = makeWindow(window);
    QVERIFY(shown);
    showAndWait(shown);
    const QSize size = shown->size();
    QSignalSpy restored(orbetta::desktop::FixedSizeGuard::install(),
                        &orbetta::desktop::FixedSizeGuard::restored);

    if (request == "decoration") {
        QWindow* native = shown->windowHandle();
        native->setWindowStates(native->windowStates() ^ Qt::WindowMaximized);
    } else if (request == "showMaximized") {
        shown->showMaximized();
    } else if (request == "showFullScreen") {
        shown->showFullScreen();
    } else {
        // The compositor's own shortcut maximizes the window that has the keyboard.
        shown->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(shown->isActiveWindow(), 10000);
        QCOMPARE(QProcess::execute("xdotool", {"key", request}), 0);
    }

    QTRY_COMPARE_WITH_TIMEOUT(restored.count(), 1, 10000);
    QCOMPARE(restored.first().first().value<QWindow*>(), shown->windowHandle());
    QCOMPARE(shown->windowHandle()->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen),
             Qt::WindowStates());
    QCOMPARE(shown->size(), size);
    expectConnectionAlive();
    QCOMPARE(shown->size(), size);
    QVERIFY(shown->isVisible());
}

void WaylandTest::refusedKeyFlashes_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("flashed");
    QTest::addColumn<QString>("typed"); // before the refused key
    QTest::addColumn<char>("key");
    QTest::newRow("main window, a letter") << "main window"
                                           << "Text1"
                                           << "" << 'a';
    QTest::newRow("two-value dialog, a minus sign") << "two-value dialog"
                                                    << "Text1"
                                                    << "" << '-';
    QTest::newRow("help, no next heading") << "help"
                                           << "HelpText"
                                           << "" << 'h';
    QTest::newRow("help, nothing found") << "help"
                                         << "HelpFind"
                                         << "zzz" << '\r';
}

// weston offers its clients no bell: a refused key flashes the box that refused it and plays the desktop's
// bell sound. mutter offers one: the program hands it the bell, and mutter plays it as the desktop's settings
// say, silent when the user turned alert sounds off.
void WaylandTest::refusedKeyFlashes() {
    QFETCH(QString, window);
    QFETCH(QString, flashed);
    QFETCH(QString, typed);
    QFETCH(char, key);
    const bool mutter = qEnvironmentVariable("ORBETTA_TEST_COMPOSITOR") == "mutter";
    const QString desktopSound = qEnvironmentVariable("ORBETTA_TEST_DESKTOP_SOUND");
    const bool alertSounds = qEnvironmentVariable("ORBETTA_TEST_ALERT_SOUNDS") != "off";
    QWidget* shown = makeWindow(window);
    QVERIFY(shown);
    showAndWait(shown);
    if (!typed.isEmpty()) {
        QTest::keyClick(shown, Qt::Key_F, Qt::ControlModifier); // the help's find field
        QTest::keyClicks(shown->findChild<QWidget*>(flashed), typed);
    }
    auto* box = shown->findChild<QWidget*>(flashed);
    QVERIFY(box);
    const QPalette before = box->palette();
    if (!desktopSound.isEmpty())
        QFile::remove(desktopSound);

    box->setFocus();
    QTest::keyClick(window == "main window" ? shown : box, key);
    if (mutter) {
        // The compositor has read the request by now: the bell rings round trip by round trip.
        QCOMPARE(orbetta::desktop::bellRoute(), orbetta::desktop::BellRoute::DesktopBell);
        QVERIFY(sounds_.isEmpty());
        QCOMPARE(box->palette(), before);
        if (alertSounds)
            QTRY_VERIFY(QFileInfo(desktopSound).size() > 0);
        else
            QVERIFY(!QFileInfo::exists(desktopSound));
        QCOMPARE(box->property("text").toString(), typed);
        return;
    }
    // Text and background swap at once, then the box takes back exactly its colours.
    QCOMPARE(box->palette().color(QPalette::Base), before.color(QPalette::Text));
    QCOMPARE(box->palette().color(QPalette::Text), before.color(QPalette::Base));
    QCOMPARE(sounds_, QStringList{"bell"});
    // weston was asked, and offers its clients no bell of its own.
    QCOMPARE(orbetta::desktop::bellRoute(), orbetta::desktop::BellRoute::SoundAndFlash);
    QTRY_COMPARE(box->palette(), before);
    QCOMPARE(box->property("text").toString(), typed);
}

// Wayland leaves the stacking of windows to the compositor alone.
void WaylandTest::alwaysOnTopIsNotOffered() {
    QWidget* shown = makeWindow("main window");
    showAndWait(shown);
    auto* display = shown->findChild<QWidget*>("Text1");
    // The menu's entries are read as it shows, whatever the compositor then does with the popup.
    MenuWatch watch;
    qApp->installEventFilter(&watch);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(10, 10),
                              display->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(display, &request);
    qApp->removeEventFilter(&watch);
    QVERIFY(watch.entries.contains("&Paste\tCtrl+V"));
    QVERIFY(!watch.entries.join('|').contains("top"));
}

void WaylandTest::windowSystemChosen_data() {
    QTest::addColumn<QStringList>("variables"); // NAME=value to set, or NAME alone to unset
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM afterwards
    // weston draws no title bars; DISPLAY is the X server weston itself is shown on. XWayland's windows would
    // be stretched at a larger scale.
    const bool scaled = qEnvironmentVariableIntValue("ORBETTA_TEST_SCALE") > 1;
    QTest::newRow("no title bars, an X server")
        << QStringList{"QT_QPA_PLATFORM"} << QStringList{} << (scaled ? "" : "xcb;wayland");
    QTest::newRow("the user's QT_QPA_PLATFORM")
        << QStringList{"QT_QPA_PLATFORM=wayland"} << QStringList{} << "wayland";
    QTest::newRow("the user's -platform")
        << QStringList{"QT_QPA_PLATFORM"} << QStringList{"-platform", "wayland"} << "";
    QTest::newRow("no X server") << QStringList{"QT_QPA_PLATFORM", "DISPLAY"} << QStringList{} << "";
}

void WaylandTest::windowSystemChosen() {
    QFETCH(QStringList, variables);
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    const QProcessEnvironment before = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : variables) {
        if (variable.contains('='))
            qputenv(qPrintable(variable.section('=', 0, 0)), variable.section('=', 1).toUtf8());
        else
            qunsetenv(qPrintable(variable));
    }
    std::vector<QByteArray> words{"orbetta"};
    for (const QString& argument : arguments)
        words.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());

    orbetta::desktop::chooseWindowSystem(static_cast<int>(argv.size()), argv.data());
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY"})
        qputenv(name, before.value(name).toUtf8());
    QCOMPARE(chosen, platform);
}

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"
