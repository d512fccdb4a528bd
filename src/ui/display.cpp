#include "ui/display.h"

#include "desktop/keep_on_top.h"
#include "look/classic_look.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

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

void DisplayBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter p(this);
    look::drawBevel(p, rect(), true);
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
    // The keys named here are the main window's.
    QAction* copy = menu.addAction(tr("&Copy\tCtrl+C"), this, &DisplayBox::copyToClipboard);
    copy->setEnabled(!text().isEmpty());
    QAction* paste = menu.addAction(tr("&Paste\tCtrl+V"), this, &DisplayBox::pasteRequested);
    paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    if (desktop::canKeepOnTop()) {
        menu.addSeparator();
        QAction* onTop = menu.addAction(tr("&Always on top"));
        onTop->setCheckable(true);
        onTop->setChecked(desktop::keptOnTop(window()));
        connect(onTop, &QAction::toggled, this, &DisplayBox::alwaysOnTopChosen);
    }
    menu.exec(event->globalPos());
}

} // namespace orbetta::ui
