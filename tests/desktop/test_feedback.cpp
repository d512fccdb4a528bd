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

class FeedbackTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void offscreenHasNoBell();
    void bellSoundPlays();
    void flashSwapsColoursThenRestoresThem_data();
    void flashSwapsColoursThenRestoresThem();
    void repeatedFlashRestoresTheOriginalColours();
    void messageBoxes_data();
    void messageBoxes();
    void frameCentredOnOwner_data();
    void frameCentredOnOwner();

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

QTEST_MAIN(FeedbackTest)
#include "test_feedback.moc"
