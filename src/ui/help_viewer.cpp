#include "ui/help_viewer.h"

#include "access/accessibility.h"
#include "access/announcer.h"
#include "desktop/bell.h"
#include "desktop/window_lifetime.h"
#include "ui/document_view.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <optional>
#include <vector>

namespace {

// The heading level that a key 1 to 6 of the main block chooses, with or without Shift, which types another
// character there (Shift+1 is "!" on many layouts). On X11 and Wayland the native scan code is the key's XKB
// code, 10 to 15 for those six keys whatever the layout. 0 for any other key.
int headingLevelOf(const QKeyEvent& event) {
    if (event.key() >= Qt::Key_1 && event.key() <= Qt::Key_6)
        return event.key() - Qt::Key_0;
    static const bool xkbCodes = QGuiApplication::platformName() == QLatin1String("xcb") ||
                                 QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const quint32 code = event.nativeScanCode();
    if (xkbCodes && !event.text().isEmpty() && event.text().front().isPrint() && code >= 10 && code <= 15)
        return int(code) - 9;
    return 0;
}

// The find field keeps its selection when the focus leaves it: a screen reader would tell that the selection
// is gone instead of the place the focus reaches.
class FindField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        QFocusEvent kept(event->type(), Qt::ActiveWindowFocusReason);
        QLineEdit::focusOutEvent(&kept);
    }
};

struct Span {
    int start;
    int end;
};

// The links of a document in their order: each is the run of fragments that share one target.
std::vector<Span> linksOf(const QTextDocument& document) {
    std::vector<Span> links;
    QString lastHref;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString href = format.isAnchor() ? format.anchorHref() : QString();
            const int end = fragment.position() + fragment.length();
            if (href.isEmpty()) {
                lastHref.clear();
            } else if (href == lastHref && links.back().end == fragment.position()) {
                links.back().end = end;
            } else {
                links.push_back({fragment.position(), end});
                lastHref = href;
            }
        }
        lastHref.clear();
    }
    return links;
}

} // namespace

HelpViewer::~HelpViewer() {
    orbetta::desktop::stopListening(this);
}

HelpViewer::HelpViewer(QWidget* owner, const QUrl& source) : QWidget(owner, Qt::Window) {
    setObjectName("HelpViewer");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Orbetta Help"));
    resize(560, 480);
    // The help is a document to a screen reader, even when it opens before the calculator's window.
    orbetta::access::installAccessibleRoles();

    browser_ = new QTextBrowser(this);
    orbetta::ui::setUpDocumentView(*browser_, QStringLiteral("HelpText"), tr("Orbetta Help"), true);
    // The file name does not tell its kind, so the content is named HTML explicitly.
    browser_->setSource(source, QTextDocument::HtmlResource);

    findBar_ = new QWidget(this);
    findBar_->setObjectName("HelpFindBar");
    auto* findLabel = new QLabel(tr("&Find:"), findBar_);
    findText_ = new FindField(findBar_);
    findText_->setObjectName("HelpFind");
    findText_->setAccessibleName(tr("Find"));
    findLabel->setBuddy(findText_);
    auto* barLayout = new QHBoxLayout(findBar_);
    barLayout->setContentsMargins(4, 2, 4, 2);
    barLayout->addWidget(findLabel);
    barLayout->addWidget(findText_);
    findBar_->hide();
    connect(findText_, &QLineEdit::returnPressed, this, [this] { findNext(); });

    announcer_ = new orbetta::access::Announcer(this);
    announcer_->setObjectName("HelpAnnouncer");
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::arriveAt);
    connect(browser_, &QTextBrowser::selectionChanged, this, &HelpViewer::tellSelectedLink);
    browser_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(browser_);
    layout->addWidget(findBar_);

    browser_->setFocus(Qt::OtherFocusReason);
}

bool HelpViewer::findNext(bool backward) {
    const QString text = findText_->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags))
        return true;
    const QTextCursor before = browser_->textCursor();
    QTextCursor fromEnd(browser_->document());
    fromEnd.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(fromEnd);
    if (browser_->find(text, flags))
        return true;
    browser_->setTextCursor(before);
    orbetta::desktop::ringBell(findText_);
    return false;
}

void HelpViewer::arriveAt(const QUrl& source) {
    const QString anchor = source.fragment();
    if (anchor.isEmpty())
        return;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(anchor)) {
                goToLine(block);
                return;
            }
        }
    }
}

void HelpViewer::goToLine(const QTextBlock& block) {
    browser_->setTextCursor(QTextCursor(block));
    QScrollBar* bar = browser_->verticalScrollBar();
    bar->setValue(bar->value() + browser_->cursorRect().top());
    QString line = block.text().trimmed();
    if (const int level = block.blockFormat().headingLevel(); level > 0)
        line = tr("%1, heading level %2").arg(line).arg(level);
    announcer_->announce(line);
}

void HelpViewer::moveToHeading(bool backward, int level) {
    const int from = browser_->textCursor().selectionStart();
    QTextBlock found;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        const int blockLevel = block.blockFormat().headingLevel();
        if (blockLevel == 0 || (level != 0 && blockLevel != level))
            continue;
        if (backward && block.position() < from) {
            found = block;
        } else if (!backward && block.position() > from) {
            found = block;
            break;
        }
    }
    if (found.isValid()) {
        goToLine(found);
    } else {
        orbetta::desktop::ringBell(browser_);
        announcer_->announce(backward ? tr("no heading before this") : tr("no more headings"));
    }
}

void HelpViewer::moveToLink(bool backward) {
    const QTextCursor caret = browser_->textCursor();
    std::optional<Span> found;
    for (const Span& link : linksOf(*browser_->document())) {
        if (backward && link.start < caret.selectionStart()) {
            found = link;
        } else if (!backward && link.start >= caret.selectionEnd()) {
            found = link;
            break;
        }
    }
    if (!found) {
        orbetta::desktop::ringBell(browser_);
        announcer_->announce(backward ? tr("no link before this") : tr("no more links"));
        return;
    }
    QTextCursor link(browser_->document());
    link.setPosition(found->start);
    link.setPosition(found->end, QTextCursor::KeepAnchor);
    // The selection's change tells the link.
    browser_->setTextCursor(link);
}

bool HelpViewer::moveByKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return false;
    const bool backward = modifiers == Qt::ShiftModifier;
    if (event.key() == Qt::Key_H)
        moveToHeading(backward, 0);
    else if (event.key() == Qt::Key_K)
        moveToLink(backward);
    else if (const int level = headingLevelOf(event); level > 0)
        moveToHeading(backward, level);
    else
        return false;
    return true;
}

void HelpViewer::tellSelectedLink() {
    const QTextCursor cursor = browser_->textCursor();
    if (!cursor.hasSelection())
        return;
    // The format after the selection's first character is the link's.
    QTextCursor first(browser_->document());
    first.setPosition(cursor.selectionStart() + 1);
    const QTextCharFormat format = first.charFormat();
    if (format.isAnchor() && !format.anchorHref().isEmpty())
        announcer_->announce(tr("link %1").arg(cursor.selectedText()));
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    // Tab selects the next link without any signal; once the key is handled, the link is told.
    if (watched == browser_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            QTimer::singleShot(0, this, &HelpViewer::tellSelectedLink);
        // Ctrl+Home and Ctrl+End move the caret to the first and last line, which is told.
        else if (key->matches(QKeySequence::MoveToStartOfDocument) ||
                 key->matches(QKeySequence::MoveToEndOfDocument)) {
            const bool start = key->matches(QKeySequence::MoveToStartOfDocument);
            QTextBlock block = start ? browser_->document()->firstBlock() : browser_->document()->lastBlock();
            while (block.isValid() && block.text().trimmed().isEmpty())
                block = start ? block.next() : block.previous();
            if (block.isValid())
                goToLine(block);
            return true;
        }
        // Letters type nothing in the read-only text, so they move as in a screen reader's documents.
        else if (moveByKey(*key))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::openFind() {
    findBar_->show();
    // The focus first, and without the selection a field makes as it takes the focus: a screen reader takes a
    // field whose caret or selection moves before its focus is told for focused already, and never tells it.
    findText_->setFocus(Qt::OtherFocusReason);
    findText_->selectAll();
}

void HelpViewer::closeFind() {
    findBar_->hide();
    browser_->setFocus(Qt::OtherFocusReason);
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->matches(QKeySequence::Find)) {
        openFind();
    } else if (event->key() == Qt::Key_F3 &&
               (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        if (findText_->text().isEmpty())
            openFind();
        else
            findNext(modifiers == Qt::ShiftModifier);
    } else if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        if (findBar_->isVisible())
            closeFind();
        else
            close();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
