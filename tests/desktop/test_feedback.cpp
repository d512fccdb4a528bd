// The bell's sound and flash, the calculator's message boxes and the centring of a window on its owner,
// offscreen.
#include "desktop/bell.h"
#include "desktop/message_box.h"
#include "desktop/window_placement.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(orbetta::desktop::BellRoute)
Q_DECLARE_METATYPE(orbetta::desktop::OfferedBell)

class FeedbackTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void offscreenHasNoBell();
    void bellRoutes_data();
    void bellRoutes();
    void bellSoundPlays();
    void flashSwapsColoursThenRestoresThem_data();
    void flashSwapsColoursThenRestoresThem();
    void repeatedFlashRestoresTheOriginalColours();
    void messageBoxes_data();
    void messageBoxes();
    void frameCentredOnOwner_data();
    void frameCentredOnOwner();
    void framesStayInTheRoom_data();
    void framesStayInTheRoom();
    void besideOwnerOnScreen_data();
    void besideOwnerOnScreen();

private:
    QTemporaryDir home;
    QStringList sounds; // the event sounds asked for
};

void FeedbackTest::initTestCase() {
    // ALSA writes what would reach the sound card into a file; the other tests keep libcanberra quiet.
    QVERIFY(home.isValid());
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("CANBERRA_DRIVER");
    QFile asoundrc(home.filePath(".asoundrc"));
    QVERIFY(asoundrc.open(QIODevice::WriteOnly));
    asoundrc.write("pcm.!default { type file; slave.pcm { type null }; file \"" +
                   home.filePath("sound.raw").toLocal8Bit() + "\"; format \"raw\" }\n");
}

void FeedbackTest::offscreenHasNoBell() {
    QVERIFY(!orbetta::desktop::platformHasBell());
}

void FeedbackTest::bellRoutes_data() {
    using orbetta::desktop::BellRoute;
    using orbetta::desktop::OfferedBell;
    QTest::addColumn<bool>("x11");
    QTest::addColumn<bool>("compositor"); // a Wayland compositor was reached
    QTest::addColumn<OfferedBell>("offered");
    QTest::addColumn<BellRoute>("route");
    QTest::newRow("X11") << true << false << OfferedBell::None << BellRoute::XBell;
    QTest::newRow("XWayland under mutter") << true << true << OfferedBell::GtkShell << BellRoute::XBell;
    QTest::newRow("XWayland under weston") << true << true << OfferedBell::None << BellRoute::SoundAndFlash;
    QTest::newRow("native with gtk_shell1")
        << false << true << OfferedBell::GtkShell << BellRoute::DesktopBell;
    QTest::newRow("native with xdg_system_bell_v1")
        << false << true << OfferedBell::SystemBell << BellRoute::DesktopBell;
    QTest::newRow("native with neither") << false << true << OfferedBell::None << BellRoute::SoundAndFlash;
    QTest::newRow("no compositor") << false << false << OfferedBell::None << BellRoute::SoundAndFlash;
}

// The desktop decides how a refusal sounds wherever it offers a bell; sound and flash stand in elsewhere.
void FeedbackTest::bellRoutes() {
    QFETCH(bool, x11);
    QFETCH(bool, compositor);
    QFETCH(orbetta::desktop::OfferedBell, offered);
    QFETCH(orbetta::desktop::BellRoute, route);
    QCOMPARE(orbetta::desktop::chooseBellRoute(x11, compositor, offered), route);
}

// Without an X bell, libcanberra plays the desktop's bell sound from its theme.
void FeedbackTest::bellSoundPlays() {
    QLineEdit box;
    orbetta::desktop::ringBell(&box);
    QTRY_VERIFY(QFileInfo(home.filePath("sound.raw")).size() > 0);
}

void FeedbackTest::flashSwapsColoursThenRestoresThem_data() {
    QTest::addColumn<bool>("ownPalette");
    QTest::newRow("own palette (the display)") << true;
    QTest::newRow("inherited palette") << false;
}

void FeedbackTest::flashSwapsColoursThenRestoresThem() {
    QFETCH(bool, ownPalette);
    QWidget parent;
    QPalette parentColours = parent.palette();
    parentColours.setColor(QPalette::Base, Qt::yellow);
    parent.setPalette(parentColours);
    auto* box = new QLineEdit(&parent);
    if (ownPalette) {
        QPalette display = box->palette();
        display.setColor(QPalette::Base, Qt::black);
        display.setColor(QPalette::Text, Qt::cyan);
        box->setPalette(display);
    }
    const QPalette before = box->palette();
    sounds.clear();
    orbetta::desktop::setSoundPlayer([this](const char* eventId) { sounds << QString::fromLatin1(eventId); });

    orbetta::desktop::ringBell(box);
    QCOMPARE(sounds, QStringList{"bell"}); // the desktop's sound stands in for the missing bell
    QCOMPARE(box->palette().color(QPalette::Base), before.color(QPalette::Text));
    QCOMPARE(box->palette().color(QPalette::Text), before.color(QPalette::Base));
    QTRY_COMPARE(box->palette(), before);
    QCOMPARE(box->testAttribute(Qt::WA_SetPalette), ownPalette);
    // An inherited palette still follows its parent after the flash.
    parentColours.setColor(QPalette::Base, Qt::green);
    parent.setPalette(parentColours);
    QCOMPARE(box->palette().color(QPalette::Base) == QColor(Qt::green), !ownPalette);
}

void FeedbackTest::repeatedFlashRestoresTheOriginalColours() {
    QLineEdit box;
    QPalette display = box.palette();
    display.setColor(QPalette::Base, Qt::black);
    display.setColor(QPalette::Text, Qt::cyan);
    box.setPalette(display);

    orbetta::desktop::flashInverse(&box);
    orbetta::desktop::flashInverse(&box); // a second refusal during the flash does not swap back
    QCOMPARE(box.palette().color(QPalette::Base), QColor(Qt::cyan));
    QTRY_COMPARE(box.palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(box.palette().color(QPalette::Text), QColor(Qt::cyan));
}

void FeedbackTest::messageBoxes_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");
    QTest::newRow("no icon") << int(orbetta::desktop::MessageIcon::None) << "Not a number";
    QTest::newRow("exclamation") << int(orbetta::desktop::MessageIcon::Exclamation) << "can't divide by 0!";
}

// Every box has the title, its text, one OK button and is modal; the text of a box without an icon has as
// much room around it as beside an icon, on both sides alike.
void FeedbackTest::messageBoxes() {
    QFETCH(int, icon);
    QFETCH(QString, text);
    QWidget owner;
    const auto box = orbetta::desktop::makeMessageBox(&owner, text, orbetta::desktop::MessageIcon(icon));
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));

    QCOMPARE(box->windowTitle(), QStringLiteral("Orbetta"));
    QCOMPARE(box->text(), text);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(box->isModal());
    const bool exclamation =
        orbetta::desktop::MessageIcon(icon) == orbetta::desktop::MessageIcon::Exclamation;
    QCOMPARE(box->icon(), exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);

    auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    QVERIFY(label);
    const QRect textRect = label->contentsRect().translated(label->pos());
    const int left = textRect.left();
    const int right = box->width() - 1 - textRect.right();
    const int iconSize = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box.get());
    if (!exclamation) {
        QVERIFY2(qAbs(left - right) <= 1, qPrintable(QString("left %1, right %2").arg(left).arg(right)));
        QVERIFY2(left + right >= iconSize + 2 * box->layout()->contentsMargins().right(),
                 qPrintable(QString("left %1, right %2").arg(left).arg(right)));
        QVERIFY(label->height() >= iconSize - 1);
    }
}

void FeedbackTest::frameCentredOnOwner_data() {
    QTest::addColumn<QPoint>("ownerAt");
    QTest::addColumn<bool>("fits");
    QTest::newRow("room around the owner") << QPoint(300, 200) << true;
    QTest::newRow("owner at the screen's edge") << QPoint(0, 0) << false;
}

void FeedbackTest::frameCentredOnOwner() {
    QFETCH(QPoint, ownerAt);
    QFETCH(bool, fits);
    QWidget owner;
    owner.setGeometry(QRect(ownerAt, QSize(184, 298)));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QWidget window(&owner, Qt::Dialog);
    window.resize(361, 191);

    orbetta::desktop::centreFrameOn(&window, &owner);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect frame = window.frameGeometry();
    if (fits) {
        const QPoint offset = frame.center() - owner.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
    } else {
        QVERIFY(owner.screen()->availableGeometry().contains(frame.topLeft()));
        QVERIFY(qAbs(frame.center().y() - owner.frameGeometry().center().y()) <= 1);
    }
}

// Frames as the windows have them under openbox: the tape's, the two-value dialog's and the About window's.
namespace {
const QSize kTape(302, 381);
const QSize kTapeSmallest(202, 161);
const QSize kTwoValue(205, 142);
const QSize kAbout(363, 212);
const QSize kHelp(562, 501);
} // namespace

void FeedbackTest::framesStayInTheRoom_data() {
    QTest::addColumn<QString>("how"); // beside, centred, kept (where the window stands)
    QTest::addColumn<QRect>("room");  // the available area of the owner's screen
    QTest::addColumn<QRect>("owner"); // the calculator's frame, or where the window stands for "kept"
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QSize>("smallest");
    QTest::addColumn<QRect>("expected"); // empty: anywhere wholly in the room

    const QRect vga(0, 0, 800, 600);
    const QRect panelled(0, 28, 1024, 740); // a panel along the top
    const QRect second(1920, 0, 1280, 1024);
    QTest::newRow("tape, room to the right") << "beside" << vga << QRect(100, 100, 186, 319) << kTape
                                             << kTapeSmallest << QRect(QPoint(286, 100), kTape);
    QTest::newRow("tape, calculator low on 800x600") << "beside" << vga << QRect(100, 270, 186, 319) << kTape
                                                     << kTapeSmallest << QRect(QPoint(286, 219), kTape);
    QTest::newRow("tape, calculator at the right edge")
        << "beside" << vga << QRect(600, 50, 186, 319) << kTape << kTapeSmallest
        << QRect(QPoint(298, 50), kTape);
    QTest::newRow("tape, no room on either side")
        << "beside" << QRect(0, 0, 640, 480) << QRect(220, 0, 186, 319) << kTape << kTapeSmallest << QRect();
    QTest::newRow("tape, screen lower than the tape")
        << "beside" << QRect(0, 0, 640, 300) << QRect(0, 0, 186, 290) << kTape << kTapeSmallest
        << QRect(186, 0, 302, 300);
    QTest::newRow("tape, under a panel") << "beside" << panelled << QRect(0, 0, 186, 319) << kTape
                                         << kTapeSmallest << QRect(QPoint(186, 28), kTape);
    QTest::newRow("tape, second screen") << "beside" << second << QRect(3000, 700, 186, 319) << kTape
                                         << kTapeSmallest << QRect(QPoint(2698, 643), kTape);
    QTest::newRow("About, calculator in a corner") << "centred" << vga << QRect(614, 281, 186, 319) << kAbout
                                                   << kAbout << QRect(QPoint(437, 334), kAbout);
    QTest::newRow("About, under a panel")
        << "centred" << panelled << QRect(0, 0, 186, 319) << kAbout << kAbout << QRect(QPoint(0, 53), kAbout);
    QTest::newRow("large window, tiny screen") << "centred" << QRect(0, 0, 480, 400) << QRect(0, 0, 186, 319)
                                               << kHelp << QSize(200, 150) << QRect(0, 0, 480, 400);
    QTest::newRow("two-value dialog where it stands")
        << "kept" << vga << QRect(QPoint(66, 202), kTwoValue) << kTwoValue << kTwoValue
        << QRect(QPoint(66, 202), kTwoValue);
    QTest::newRow("two-value dialog, calculator on the second screen")
        << "kept" << second << QRect(QPoint(66, 202), kTwoValue) << kTwoValue << kTwoValue
        << QRect(QPoint(1920, 202), kTwoValue);
    QTest::newRow("two-value dialog, short screen")
        << "kept" << QRect(0, 0, 640, 300) << QRect(QPoint(66, 202), kTwoValue) << kTwoValue << kTwoValue
        << QRect(QPoint(66, 158), kTwoValue);
}

// Every window the program places lies wholly within the available area of its owner's screen.
void FeedbackTest::framesStayInTheRoom() {
    QFETCH(QString, how);
    QFETCH(QRect, room);
    QFETCH(QRect, owner);
    QFETCH(QSize, frame);
    QFETCH(QSize, smallest);
    QFETCH(QRect, expected);
    using namespace orbetta::desktop;
    const QRect placed = how == "beside"    ? frameBeside(owner, frame, smallest, room)
                         : how == "centred" ? frameCentredOn(owner, frame, smallest, room)
                                            : fitWithin(owner, smallest, room);
    QVERIFY2(
        room.contains(placed),
        qPrintable(
            QString("%1,%2 %3x%4").arg(placed.x()).arg(placed.y()).arg(placed.width()).arg(placed.height())));
    QVERIFY(placed.width() >= smallest.width() && placed.height() >= smallest.height());
    if (!expected.isNull())
        QCOMPARE(placed, expected);
}

void FeedbackTest::besideOwnerOnScreen_data() {
    QTest::addColumn<QPoint>("ownerAt");
    QTest::addColumn<bool>("right");
    QTest::newRow("room to the right") << QPoint(100, 50) << true;
    QTest::newRow("low on the screen") << QPoint(100, 270) << true;
    QTest::newRow("at the right edge") << QPoint(600, 270) << false;
}

// A real window placed beside its owner before it is shown, as the tape is, ends up wholly on the screen.
void FeedbackTest::besideOwnerOnScreen() {
    QFETCH(QPoint, ownerAt);
    QFETCH(bool, right);
    QWidget owner;
    owner.setGeometry(QRect(ownerAt, QSize(184, 298)));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QWidget window(&owner, Qt::Window);
    window.resize(300, 360);

    orbetta::desktop::placeBeside(&window, &owner);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect frame = window.frameGeometry();
    QVERIFY(owner.screen()->availableGeometry().contains(frame));
    // On the side expected, level with the owner's top where there is room below (offscreen frames may be set
    // off by their border's width; the geometry itself is the table's above).
    QCOMPARE(frame.center().x() > owner.frameGeometry().center().x(), right);
}

QTEST_MAIN(FeedbackTest)
#include "test_feedback.moc"
