#include "ui/display.h"

#include "ui/classic_look.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include <algorithm>

namespace orbetta::ui {

DisplayBox::DisplayBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setMaxLength(kMaxLength);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrame(false);
    setTextMargins(2, 2, 2, 2);
}

void DisplayBox::copyToClipboard() const {
    QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
}

QRect DisplayBox::characterRect(int offset) const {
    const QString shown = text();
    if (offset < 0 || offset >= shown.size())
        return {};
    // The caret stands where its character is drawn; the others lie as far from it as the text between.
    const QFontMetrics metrics = fontMetrics();
    const QRect caret = cursorRect();
    const int caretX = caret.center().x();
    const int x = caretX - metrics.horizontalAdvance(shown.left(cursorPosition())) +
                  metrics.horizontalAdvance(shown.left(offset));
    return {x, caret.top(), std::max(1, metrics.horizontalAdvance(shown.mid(offset, 1))), caret.height()};
}

void DisplayBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter p(this);
    drawBevel(p, rect(), true);
}

void DisplayBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
        const QPoint place = cursorRect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, place, mapToGlobal(place));
        contextMenuEvent(&request);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DisplayBox::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        QFocusEvent kept(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&kept);
        return;
    }
    QLineEdit::focusInEvent(event);
}

void DisplayBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("&Copy"), this, &DisplayBox::copyToClipboard);
    copy->setEnabled(!text().isEmpty());
    QAction* paste = menu.addAction(tr("&Paste"), this, &DisplayBox::pasteRequested);
    paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    menu.exec(event->globalPos());
}

} // namespace orbetta::ui
