// The help viewer for a screen reader and the keyboard: the document a screen reader reads, moving by heading
// and link, and the find field's focus.
#include "support/help_files.h"
#include "ui/help.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QtTest>

namespace {

using orbetta::testing::helpViewers;
using orbetta::testing::writeFile;

// Opens the help viewer on a help file of the given content and waits until its text has the focus.
QTextBrowser* showHelpText(const QTemporaryDir& root, const QByteArray& html, QWidget* owner) {
    const QString path = root.filePath("Orbetta.hlp");
    writeFile(path, html);
    if (!showHelpFile(owner, path) || helpViewers().size() != 1 ||
        !QTest::qWaitForWindowActive(helpViewers().front()))
        return nullptr;
    auto* browser = helpViewers().front()->findChild<QTextBrowser*>("HelpText");
    return QTest::qWaitFor([&] { return QApplication::focusWidget() == browser; }) ? browser : nullptr;
}

// Key names as a user reads them, "H", "Shift+K", "2", "Return", one press each.
void pressKeys(QWidget* target, const QString& keys) {
    for (QString key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers modifiers;
        if (key.startsWith(QLatin1String("Shift+"))) {
            modifiers = Qt::ShiftModifier;
            key = key.mid(6);
        }
        if (key.startsWith(QLatin1String("Ctrl+"))) {
            const QKeyCombination chord = QKeySequence(key)[0];
            QTest::keyClick(target, chord.key(), chord.keyboardModifiers());
            continue;
        }
        QTest::keyClick(target,
                        key == QLatin1String("Return") ? Qt::Key_Return
                                                       : Qt::Key(key.front().toUpper().unicode()),
                        modifiers);
    }
}

// The texts that the help viewer's announcer is shown with, one per announcement.
class AnnouncerWatch : public QObject {
public:
    QStringList told;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            told << static_cast<QWidget*>(watched)->accessibleName();
        return false;
    }
};

// What happens to a line edit, in order: "focus" as it takes the focus, "caret" and "selection" as they move.
class FieldWatch : public QObject {
public:
    QStringList happened;

    explicit FieldWatch(QLineEdit* field) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::cursorPositionChanged, this,
                [this] { happened << QStringLiteral("caret"); });
        connect(field, &QLineEdit::selectionChanged, this,
                [this] { happened << QStringLiteral("selection"); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            happened << QStringLiteral("focus");
        return false;
    }
};

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void helpTextIsADocument();
    void helpTableIsReadByRow();
    void helpMovesByHeadingAndLink_data();
    void helpMovesByHeadingAndLink();
    void helpFindFieldTakesTheFocusFirst();
};

void HelpViewerTest::cleanup() {
    for (QWidget* viewer : helpViewers())
        viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A screen reader reads the help as a document: by the lines on the screen, by word and by character.
void HelpViewerTest::helpTextIsADocument() {
    QTemporaryDir root;
    QWidget owner;
    QTextBrowser* browser =
        showHelpText(root,
                     "<html><body><h1>Orbetta Help</h1><p>" + QByteArray("many words ").repeated(30) +
                         "</p><p>last</p></body></html>",
                     &owner);
    QVERIFY(browser);
    browser->window()->resize(260, 400);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(browser);
    QCOMPARE(iface->role(), QAccessible::Document);
    QVERIFY(iface->state().readOnly && iface->state().focusable && iface->state().focused);
    QVERIFY(!iface->state().editable);
    QAccessibleTextInterface* text = iface->textInterface();
    QVERIFY(text);
    const QString plain = browser->toPlainText();
    QCOMPARE(text->characterCount(), plain.size());
    QCOMPARE(text->text(0, 13), QStringLiteral("Orbetta Help\n"));

    // The wrapped paragraph is read line by line as it is shown; its lines together are the paragraph.
    const QTextBlock paragraph = browser->document()->findBlockByNumber(1);
    const int lines = paragraph.layout()->lineCount();
    QVERIFY(lines > 2);
    int start = -1;
    int end = -1;
    QString joined;
    for (int line = 0, offset = paragraph.position(); line < lines; ++line, offset = end) {
        joined += text->textAtOffset(offset + 1, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(start, paragraph.position() + paragraph.layout()->lineAt(line).textStart());
    }
    QCOMPARE(joined, paragraph.text() + QLatin1Char('\n'));
    QCOMPARE(text->textBeforeOffset(paragraph.position() + 1, QAccessible::LineBoundary, &start, &end),
             QStringLiteral("Orbetta Help\n"));
    const QString second =
        text->textAfterOffset(paragraph.position(), QAccessible::LineBoundary, &start, &end);
    QCOMPARE(start, paragraph.position() + paragraph.layout()->lineAt(1).textStart());
    QVERIFY(second.startsWith(QLatin1String("words ")) || second.startsWith(QLatin1String("many ")));
    QCOMPARE(text->textAtOffset(plain.size(), QAccessible::LineBoundary, &start, &end),
             QStringLiteral("last"));

    QCOMPARE(text->textAtOffset(paragraph.position() + 6, QAccessible::WordBoundary, &start, &end),
             QStringLiteral("words"));
    QCOMPARE(text->textAtOffset(paragraph.position() + 5, QAccessible::CharBoundary, &start, &end),
             QStringLiteral("w"));
    // The end of the text holds no word: the answer is empty, and it comes.
    QCOMPARE(text->textAtOffset(plain.size(), QAccessible::WordBoundary, &start, &end), QString());
    QCOMPARE(start, plain.size());

    const QRect box = text->characterRect(paragraph.position() + 6);
    QVERIFY(!box.isEmpty());
    QCOMPARE(text->offsetAtPoint(box.center()), paragraph.position() + 6);
    text->setSelection(0, paragraph.position(), paragraph.position() + 4);
    QCOMPARE(browser->textCursor().selectedText(), QStringLiteral("many"));
    QCOMPARE(text->selectionCount(), 1);
    text->setCursorPosition(paragraph.position() + 5);
    QCOMPARE(text->selectionCount(), 0);
    QCOMPARE(text->cursorPosition(), browser->textCursor().position());
}

// A table's row is one line, its cells heard apart, and Down goes from row to row.
void HelpViewerTest::helpTableIsReadByRow() {
    QTemporaryDir root;
    QWidget owner;
    QTextBrowser* browser = showHelpText(
        root,
        "<html><body><h1>Keys</h1><table><tr><td>Alt+S, Alt+C</td><td>sine, cosine</td><td>every x</td></tr>"
        "<tr><td>Alt+L</td><td>common logarithm</td><td>x &gt; 0</td></tr></table><p>after</p></body></html>",
        &owner);
    QVERIFY(browser);
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(browser)->textInterface();
    const int meaning = browser->toPlainText().indexOf(QLatin1String("sine,"));
    int start = -1;
    int end = -1;
    QCOMPARE(text->textAtOffset(meaning, QAccessible::LineBoundary, &start, &end),
             QStringLiteral("Alt+S, Alt+C;sine, cosine;every x\n"));
    QCOMPARE(text->textAfterOffset(meaning, QAccessible::LineBoundary, &start, &end),
             QStringLiteral("Alt+L;common logarithm;x > 0\n"));
    QCOMPARE(end - start, QStringLiteral("Alt+L;common logarithm;x > 0\n").size());
    QTextCursor caret = browser->textCursor();
    caret.setPosition(meaning);
    browser->setTextCursor(caret);
    QTest::keyClick(browser, Qt::Key_Down);
    QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
             QStringLiteral("Alt+L;common logarithm;x > 0\n"));
}

void HelpViewerTest::helpMovesByHeadingAndLink_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("line");     // where the caret ends
    QTest::addColumn<QString>("selected"); // a link reached is selected, so that Enter follows it
    QTest::addColumn<QStringList>("told");

    const QString keys2 = QStringLiteral("Keys, heading level 2");
    const QString details3 = QStringLiteral("Details, heading level 3");
    const QString more2 = QStringLiteral("More, heading level 2");
    const QString linksLine = QStringLiteral("The keys and more keys");
    QTest::newRow("next heading") << "H"
                                  << "Keys"
                                  << "" << QStringList{keys2};
    QTest::newRow("headings in turn") << "H H"
                                      << "Details"
                                      << "" << QStringList{keys2, details3};
    QTest::newRow("back a heading") << "H H Shift+H"
                                    << "Keys"
                                    << "" << QStringList{keys2, details3, keys2};
    QTest::newRow("past the last heading") << "H H H H"
                                           << "More"
                                           << "" << QStringList{keys2, details3, more2, "no more headings"};
    QTest::newRow("none before the first") << "Shift+H"
                                           << "Orbetta Help"
                                           << "" << QStringList{"no heading before this"};
    QTest::newRow("level 2") << "2 2"
                             << "More"
                             << "" << QStringList{keys2, more2};
    QTest::newRow("level 3") << "3"
                             << "Details"
                             << "" << QStringList{details3};
    QTest::newRow("back a level 2") << "H H H Shift+2"
                                    << "Keys"
                                    << "" << QStringList{keys2, details3, more2, keys2};
    QTest::newRow("no second level 1") << "1"
                                       << "Orbetta Help"
                                       << "" << QStringList{"no more headings"};
    QTest::newRow("next link") << "K" << linksLine << "The keys" << QStringList{"link The keys"};
    QTest::newRow("a link of two styles")
        << "K K" << linksLine << "more keys" << QStringList{"link The keys", "link more keys"};
    QTest::newRow("back a link") << "K K Shift+K" << linksLine << "The keys"
                                 << QStringList{"link The keys", "link more keys", "link The keys"};
    QTest::newRow("link after a heading") << "H K"
                                          << "the keys, back"
                                          << "back" << QStringList{keys2, "link back"};
    QTest::newRow("past the last link")
        << "K K K K"
        << "the keys, back"
        << "back" << QStringList{"link The keys", "link more keys", "link back", "no more links"};
    QTest::newRow("no link before the first") << "Shift+K"
                                              << "Orbetta Help"
                                              << "" << QStringList{"no link before this"};
    QTest::newRow("Ctrl+End and Ctrl+Home tell the line")
        << "Ctrl+End Ctrl+Home"
        << "Orbetta Help"
        << "" << QStringList{"More, heading level 2", "Orbetta Help, heading level 1"};
    QTest::newRow("Enter follows") << "K K Return"
                                   << "More"
                                   << "" << QStringList{"link The keys", "link more keys", more2};
    QTest::newRow("other letters type nothing") << "x Shift+Y"
                                                << "Orbetta Help"
                                                << "" << QStringList{};
}

// As in a screen reader's documents, H and K (Shift: back) move through the headings and links, 1 to 6
// through the headings of one level; at the end nothing moves.
void HelpViewerTest::helpMovesByHeadingAndLink() {
    QFETCH(QString, keys);
    QFETCH(QString, line);
    QFETCH(QString, selected);
    QFETCH(QStringList, told);
    QTemporaryDir root;
    QWidget owner;
    QTextBrowser* browser = showHelpText(
        root,
        "<html><body><h1>Orbetta Help</h1><p><a href=\"#keys\">The keys</a> and <a href=\"#more\">more "
        "<b>keys</b></a></p><h2><a name=\"keys\"></a>Keys</h2><p>the keys, <a href=\"#keys\">back</a></p>"
        "<h3>Details</h3><h2><a name=\"more\"></a>More</h2></body></html>",
        &owner);
    QVERIFY(browser);
    const QString plain = browser->toPlainText();
    AnnouncerWatch watch;
    browser->window()->findChild<QWidget*>("HelpAnnouncer")->installEventFilter(&watch);

    pressKeys(browser, keys);
    QCOMPARE(browser->textCursor().block().text(), line);
    QCOMPARE(browser->textCursor().selectedText(), selected);
    if (selected.isEmpty())
        QCOMPARE(browser->textCursor().positionInBlock(), 0);
    QCOMPARE(watch.told, told);
    // A screen reader finds the caret and the selection where they are shown.
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(browser)->textInterface();
    QCOMPARE(text->cursorPosition(), browser->textCursor().position());
    QCOMPARE(text->selectionCount(), selected.isEmpty() ? 0 : 1);
    QCOMPARE(browser->toPlainText(), plain);
    QCOMPARE(QApplication::focusWidget(), browser);
}

// A screen reader tells a field whose caret or selection moves before it has the focus as focused already,
// and then never tells its focus; the find field takes the focus first. Leaving it keeps its selection, whose
// end would be told instead of the help.
void HelpViewerTest::helpFindFieldTakesTheFocusFirst() {
    QTemporaryDir root;
    QWidget owner;
    QTextBrowser* browser = showHelpText(root, "<p>the keys</p>", &owner);
    QVERIFY(browser);
    auto* find = browser->window()->findChild<QLineEdit*>("HelpFind");
    FieldWatch watch(find);

    QTest::keyClick(browser, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), find);
    QCOMPARE(watch.happened.value(0), QStringLiteral("focus"));
    QTest::keyClicks(find, "keys");
    QTest::keyClick(find, Qt::Key_Escape);
    QTest::keyClick(browser, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(find->hasSelectedText());
    watch.happened.clear();
    QTest::keyClick(find, Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), browser);
    QCOMPARE(watch.happened, QStringList{});
    QTest::keyClick(browser, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(watch.happened.value(0), QStringLiteral("focus"));
    QCOMPARE(find->selectedText(), QStringLiteral("keys")); // for typing over
}

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
