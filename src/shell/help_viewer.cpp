#include "shell/help_viewer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
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
