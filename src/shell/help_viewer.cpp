#include "shell/help_viewer.h"

#include "ui/announcer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* owner, const QUrl& source) : QWidget(owner, Qt::Window) {
    setObjectName("HelpViewer");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Orbetta Help"));
    resize(560, 480);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpText");
    browser_->setAccessibleName(QStringLiteral("Orbetta Help"));
    browser_->setOpenExternalLinks(false);
    // A caret the arrow keys move lets a screen reader read line by line; the text stays read-only.
    browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    // The file name does not tell its kind, so the content is named HTML explicitly.
    browser_->setSource(source, QTextDocument::HtmlResource);

    findBar_ = new QWidget(this);
    findBar_->setObjectName("HelpFindBar");
    auto* findLabel = new QLabel(QStringLiteral("&Find:"), findBar_);
    findText_ = new QLineEdit(findBar_);
    findText_->setObjectName("HelpFind");
    findText_->setAccessibleName(QStringLiteral("Find"));
    findLabel->setBuddy(findText_);
    auto* barLayout = new QHBoxLayout(findBar_);
    barLayout->setContentsMargins(4, 2, 4, 2);
    barLayout->addWidget(findLabel);
    barLayout->addWidget(findText_);
    findBar_->hide();
    connect(findText_, &QLineEdit::returnPressed, this, [this] { findNext(); });

    announcer_ = new orbetta::ui::Announcer(this);
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
    QApplication::beep();
    return false;
}

void HelpViewer::arriveAt(const QUrl& source) {
    const QString anchor = source.fragment();
    if (anchor.isEmpty())
        return;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(anchor))
                continue;
            browser_->setTextCursor(QTextCursor(block));
            QString line = block.text().trimmed();
            if (const int level = block.blockFormat().headingLevel(); level > 0)
                line += QStringLiteral(", heading level %1").arg(level);
            announcer_->announce(line);
            return;
        }
    }
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
        announcer_->announce(QStringLiteral("link ") + cursor.selectedText());
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    // Tab selects the next link without any signal; once the key is handled, the link is told.
    if (watched == browser_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            QTimer::singleShot(0, this, &HelpViewer::tellSelectedLink);
    }
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::openFind() {
    findBar_->show();
    findText_->selectAll();
    findText_->setFocus(Qt::ShortcutFocusReason);
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
