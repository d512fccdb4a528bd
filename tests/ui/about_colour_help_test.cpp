#include "core/calculator.h"
#include "support/help_files.h"
#include "ui/about_window.h"
#include "ui/colour_chooser.h"
#include "ui/help.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

namespace {

using orbetta::testing::helpViewers;
using orbetta::testing::writeFile;

void closeHelpViewers() {
    for (QWidget* viewer : helpViewers())
        viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void aboutLayout_data();
    void aboutLayout();
    void aboutTexts();
    void aboutCentredOnOwner();
    void aboutKeepsItsColours();
    void aboutCloses_data();
    void aboutCloses();

    void helpFileLookup_data();
    void helpFileLookup();
    void helpViewerOpensAtContents();
    void secondHelpRequestRaisesTheViewer();
    void missingHelpFileOpensNothing();
    void helpViewerWorksByKeyboard();
    void helpFileDescribesTheCalculator_data();
    void helpFileDescribesTheCalculator();

    void colourChooserRemembersTheConfirmedColour();
    void colourSwatchesTellTheirColour_data();
    void colourSwatchesTellTheirColour();
};

void ShellWindowsTest::cleanup() {
    closeHelpViewers();
    setColourChoiceStep({});
}

void ShellWindowsTest::aboutLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("picIcon") << "picIcon" << QRect(8, 8, 36, 36);
    QTest::newRow("lblTitle") << "lblTitle" << QRect(70, 16, 251, 16);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(70, 40, 259, 15);
    QTest::newRow("Text2") << "Text2" << QRect(8, 88, 345, 65);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(256, 160, 84, 23);
}

void ShellWindowsTest::aboutLayout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    AboutWindow about;
    auto* widget = about.findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), geometry);
}

void ShellWindowsTest::aboutTexts() {
    auto* about = new AboutWindow(nullptr);
    QPointer<AboutWindow> guard(about);
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));

    QCOMPARE(about->windowTitle(), "About Orbetta");
    QCOMPARE(about->findChild<QLabel*>("lblTitle")->text(), "Orbetta");
    QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), "Version 1.3.1");
    QCOMPARE(about->accessibleDescription(), "Orbetta, Version 1.3.1"); // spoken as the window opens
    QCOMPARE(about->size(), QSize(361, 191));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(!about->isModal());
    QVERIFY(!(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto* notice = about->findChild<QPlainTextEdit*>("Text2");
    QVERIFY(notice->isReadOnly());
    QVERIFY(notice->toPlainText().count('\n') >= 2);
    // The whole notice shows: no line is cut by the box's edge, so there is nothing to scroll to.
    QCOMPARE(notice->verticalScrollBar()->maximum(), 0);
    auto* ok = about->findChild<QPushButton*>("cmdOK");
    QCOMPARE(ok->text(), "&OK");
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);
    delete guard.data();
}

void ShellWindowsTest::aboutCentredOnOwner() {
    QWidget owner;
    owner.setGeometry(100, 80, 600, 500);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    auto* about = new AboutWindow(&owner);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    const QPoint offset = about->frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
}

void ShellWindowsTest::aboutKeepsItsColours() {
    QWidget owner;
    QPalette red = owner.palette();
    red.setColor(QPalette::Window, Qt::red);
    owner.setPalette(red);
    AboutWindow about(&owner);
    QCOMPARE(about.palette().color(QPalette::Window), QColor(192, 192, 192));
}

void ShellWindowsTest::aboutCloses_data() {
    QTest::addColumn<int>("key"); // 0: a click on OK

    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("click on OK") << 0;
}

void ShellWindowsTest::aboutCloses() {
    QFETCH(int, key);

    QPointer<AboutWindow> about = new AboutWindow(nullptr);
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    auto* ok = about->findChild<QPushButton*>("cmdOK");
    if (key == 0)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(!about->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about.isNull());
}

void ShellWindowsTest::helpFileLookup_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("present"); // relative to the program's folder
    QTest::addColumn<QString>("found");

    QTest::newRow("beside the program") << "" << QStringList{"bin/Orbetta.hlp"} << "bin/Orbetta.hlp";
    QTest::newRow("installed layout")
        << "" << QStringList{"share/orbetta/Orbetta.hlp"} << "share/orbetta/Orbetta.hlp";
    QTest::newRow("beside the program first")
        << "" << QStringList{"bin/Orbetta.hlp", "share/orbetta/Orbetta.hlp"} << "bin/Orbetta.hlp";
    QTest::newRow("none") << "" << QStringList{} << "";
    QTest::newRow("other name only") << "" << QStringList{"bin/orbetta.hlp"} << "";
    QTest::newRow("a folder of that name") << "" << QStringList{"bin/Orbetta.hlp/x"} << "";
    QTest::newRow("the language's own first")
        << "de" << QStringList{"bin/Orbetta.hlp", "share/orbetta/Orbetta_de.hlp"}
        << "share/orbetta/Orbetta_de.hlp";
    QTest::newRow("English where the language has none")
        << "pt_BR" << QStringList{"share/orbetta/Orbetta.hlp", "share/orbetta/Orbetta_fr.hlp"}
        << "share/orbetta/Orbetta.hlp";
    QTest::newRow("another language's only") << "" << QStringList{"bin/Orbetta_de.hlp"} << "";
}

void ShellWindowsTest::helpFileLookup() {
    QFETCH(QString, language);
    QFETCH(QStringList, present);
    QFETCH(QString, found);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir(root.path()).mkpath("bin");
    for (const QString& file : present)
        writeFile(root.filePath(file), "<p>help</p>");
    const QString expected =
        found.isEmpty() ? QString() : QFileInfo(root.filePath(found)).canonicalFilePath();
    QCOMPARE(findHelpFile(root.filePath("bin"), language), expected);
}

void ShellWindowsTest::helpViewerOpensAtContents() {
    QTemporaryDir root;
    const QString path = root.filePath("Orbetta.hlp");
    writeFile(path, "<html><body><h1>Orbetta Help</h1><h2>Contents</h2><p>the keys</p></body></html>");

    QWidget owner;
    QVERIFY(showHelpFile(&owner, path));
    const QList<QWidget*> viewers = helpViewers();
    QCOMPARE(viewers.size(), 1);
    QWidget* viewer = viewers.front();
    QCOMPARE(viewer->parentWidget(), &owner);
    QVERIFY(viewer->isVisible());
    QVERIFY(!viewer->isModal());
    QCOMPARE(viewer->windowTitle(), "Orbetta Help");
    auto* browser = viewer->findChild<QTextBrowser*>("HelpText");
    QVERIFY(browser != nullptr);
    // The content was read as HTML, not shown as its source.
    QVERIFY(browser->toPlainText().startsWith("Orbetta Help"));
    QVERIFY(!browser->toPlainText().contains("<h1>"));
}

void ShellWindowsTest::secondHelpRequestRaisesTheViewer() {
    QTemporaryDir root;
    const QString path = root.filePath("Orbetta.hlp");
    writeFile(path, "<p>help</p>");

    QWidget owner;
    QVERIFY(showHelpFile(&owner, path));
    QWidget* viewer = helpViewers().value(0);
    QVERIFY(viewer != nullptr);
    viewer->showMinimized();

    openHelp(&owner);
    QVERIFY(showHelpFile(&owner, path));
    QCOMPARE(helpViewers(), QList<QWidget*>{viewer});
    QVERIFY(!viewer->isMinimized());
}

void ShellWindowsTest::missingHelpFileOpensNothing() {
    QTemporaryDir root;
    QWidget owner;
    QVERIFY(!showHelpFile(&owner, root.filePath("Orbetta.hlp")));
    QVERIFY(!showHelpFile(&owner, QString()));
    // There is no help file beside the test program either.
    openHelp(&owner);
    QVERIFY(helpViewers().isEmpty());
}

// Read by caret line by line, links reached with Tab and followed with Enter, back with Alt+Left, a find
// field on Ctrl+F, and Esc closing the field and then the viewer.
void ShellWindowsTest::helpViewerWorksByKeyboard() {
    QTemporaryDir root;
    const QString path = root.filePath("Orbetta.hlp");
    writeFile(path, "<html><body><h1>Orbetta Help</h1><p><a href=\"#keys\">The keys</a></p><p>first line</p>"
                    "<p>second line</p><h2><a name=\"keys\"></a>Keys</h2><p>the keys and more keys</p>"
                    "</body></html>");
    QWidget owner;
    QVERIFY(showHelpFile(&owner, path));
    QWidget* viewer = helpViewers().value(0);
    QVERIFY(viewer);
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    auto* browser = viewer->findChild<QTextBrowser*>("HelpText");
    QTRY_COMPARE(QApplication::focusWidget(), browser);
    QVERIFY(browser->isReadOnly());

    const int line = browser->textCursor().blockNumber();
    QTest::keyClick(browser, Qt::Key_Down);
    QCOMPARE(browser->textCursor().blockNumber(), line + 1);

    // A screen reader is told the link Tab reaches, and the line a followed link leads to, where the caret
    // goes.
    QWidget* told = viewer->findChild<QWidget*>("HelpAnnouncer");
    QVERIFY(told);
    QTest::keyClick(browser, Qt::Key_Tab);
    QCOMPARE(browser->textCursor().selectedText(), QStringLiteral("The keys"));
    QTRY_COMPARE(told->accessibleName(), QStringLiteral("link The keys"));
    QTest::keyClick(browser, Qt::Key_Return);
    QCOMPARE(browser->source().fragment(), QStringLiteral("keys"));
    QCOMPARE(browser->textCursor().block().text(), QStringLiteral("Keys"));
    QCOMPARE(told->accessibleName(), QStringLiteral("Keys, heading level 2"));
    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(browser->source().fragment(), QString());

    QTest::keyClick(browser, Qt::Key_F, Qt::ControlModifier);
    auto* find = viewer->findChild<QLineEdit*>("HelpFind");
    QVERIFY(find && find->isVisible());
    QCOMPARE(QApplication::focusWidget(), find);
    QTest::keyClicks(find, "keys");
    QTest::keyClick(find, Qt::Key_Return);
    // Four matches, whatever their case: F3 goes through them all and starts again from the top.
    QList<int> matches{browser->textCursor().selectionStart()};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(browser->textCursor().selectedText().toLower(), QStringLiteral("keys"));
        QTest::keyClick(find, Qt::Key_F3);
        matches << browser->textCursor().selectionStart();
    }
    QCOMPARE(QSet<int>(matches.begin(), matches.end()).size(), 4);
    QCOMPARE(matches.back(), matches.front());
    QTest::keyClick(find, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(browser->textCursor().selectionStart(), matches[3]);
    find->setText("nowhere");
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(browser->textCursor().selectionStart(), matches[3]);

    QTest::keyClick(find, Qt::Key_Escape);
    QVERIFY(!find->isVisible());
    QCOMPARE(QApplication::focusWidget(), browser);
    QVERIFY(viewer->isVisible());
    QTest::keyClick(browser, Qt::Key_Escape);
    QVERIFY(helpViewers().isEmpty());
}

void ShellWindowsTest::helpFileDescribesTheCalculator_data() {
    QTest::addColumn<QString>("text");

    for (const char* message :
         {"can't divide by 0!", "can't take log of 0 or - numbers", "x must be >-323 and <307",
          "x must be >-744 and <709", "can't take square root of a negative number",
          "outside the range: >1E-162 and <1E+103", "can't do 0 root!",
          "upperbound value must be > lowerbound value+1", "result is outside the range!"})
        QTest::newRow(message) << QString::fromLatin1(message);
    for (const char* function : orbetta::kListFunctions)
        QTest::newRow(function) << QString::fromLatin1(function);
    for (const char* other : {"Contents", "orbetta.ini", "~/.config", "y root of x", "x to the power of y",
                              "random number", "deg", "rad", "lower-case L", "Backspace"})
        QTest::newRow(other) << QString::fromLatin1(other);
}

void ShellWindowsTest::helpFileDescribesTheCalculator() {
    QFETCH(QString, text);

    QFile file(QStringLiteral(ORBETTA_HELP_SOURCE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    QVERIFY2(document.toPlainText().contains(text), qPrintable(text));
}

void ShellWindowsTest::colourChooserRemembersTheConfirmedColour() {
    QList<QColor> preselected;
    std::optional<QColor> answer;
    setColourChoiceStep([&](QColorDialog& chooser) -> std::optional<QColor> {
        if (chooser.windowTitle() != "Orbetta Color" || !chooser.isModal())
            qFatal("the chooser is not the modal \"Orbetta Color\"");
        preselected << chooser.currentColor();
        return answer;
    });
    QWidget owner;

    answer = QColor(255, 0, 0);
    QCOMPARE(chooseColour(&owner), std::optional<QColor>(QColor(255, 0, 0)));
    answer = std::nullopt;
    QCOMPARE(chooseColour(&owner), std::nullopt);
    answer = QColor(0, 0, 255, 100); // a colour of the calculator has no transparency
    QCOMPARE(chooseColour(&owner), std::optional<QColor>(QColor(0, 0, 255)));
    answer = std::nullopt;
    QCOMPARE(chooseColour(&owner), std::nullopt);

    QCOMPARE(preselected.size(), 4);
    QCOMPARE(preselected[1], QColor(255, 0, 0)); // the last confirmed, not changed by the cancel after it
    QCOMPARE(preselected[2], QColor(255, 0, 0));
    QCOMPARE(preselected[3], QColor(0, 0, 255));
}

void ShellWindowsTest::colourSwatchesTellTheirColour_data() {
    QTest::addColumn<bool>("basic"); // the taller grid, else the custom colours
    QTest::addColumn<QList<int>>("keys");

    QTest::newRow("basic, along a row") << true << QList<int>{Qt::Key_Right, Qt::Key_Right};
    QTest::newRow("basic, down a column") << true << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Right};
    QTest::newRow("custom, second row") << false << QList<int>{Qt::Key_Right, Qt::Key_Down};
}

// The description follows the swatch the arrow keys reach: the colour Space then chooses.
void ShellWindowsTest::colourSwatchesTellTheirColour() {
    QFETCH(bool, basic);
    QFETCH(QList<int>, keys);

    QColorDialog::setCustomColor(3, QColor(0x12, 0x34, 0x56)); // the custom swatch in row 2, column 2
    QStringList described;                                     // before and after the keys
    QString selected;
    setColourChoiceStep([&](QColorDialog& chooser) -> std::optional<QColor> {
        QList<QWidget*> grids = chooser.findChildren<QWidget*>();
        grids.removeIf(
            [](QWidget* w) { return !w->inherits("QtPrivate::QWellArray") && !w->inherits("QWellArray"); });
        if (grids.size() != 2)
            return std::nullopt;
        const bool firstIsTaller = grids[0]->sizeHint().height() > grids[1]->sizeHint().height();
        QWidget* grid = grids[basic == firstIsTaller ? 0 : 1];
        chooser.setCurrentColor(QColorDialog::standardColor(0)); // the first basic swatch, top left
        described << grid->accessibleDescription();
        for (int key : keys)
            QTest::keyClick(grid, Qt::Key(key));
        described << grid->accessibleDescription();
        QTest::keyClick(grid, Qt::Key_Space); // chooses the swatch under the cursor
        selected = chooser.currentColor().name();
        return std::nullopt;
    });
    QWidget owner;
    chooseColour(&owner);

    QCOMPARE(described.size(), 2);
    QVERIFY(described[0] != described[1]);
    QCOMPARE(described[1], selected);
    if (!basic)
        QCOMPARE(selected, QStringLiteral("#123456"));
}

QTEST_MAIN(ShellWindowsTest)
#include "about_colour_help_test.moc"
