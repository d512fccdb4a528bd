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
#include <QTimer>

#include <algorithm>

namespace orbetta::ui {

DisplayBox::DisplayBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setMaxLength(kMaxLength);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrame(false);
    setTextMargins(2, 2, 2, 2);
}

void DisplayBox::copyToClipboard() {
    const QString copying = hasSelectedText() ? selectedText() : text();
    QGuiApplication::clipboard()->setText(copying);
    emit copied(copying);
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
    menu.addSeparator();
    QAction* tape = menu.addAction(tr("&Tape"), this, &DisplayBox::tapeRequested);
    tape->setShortcut(
        QKeySequence(Qt::CTRL | Qt::Key_T)); // shown beside the item; the window handles the key
    if (desktop::canKeepOnTop()) {
        menu.addSeparator();
        QAction* onTop = menu.addAction(tr("&Always on top"));
        onTop->setCheckable(true);
        onTop->setChecked(desktop::keptOnTop(window()));
        connect(onTop, &QAction::toggled, this, &DisplayBox::alwaysOnTopChosen);
    }
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    // Once the menu is on screen. From the keyboard its first entry is current, so that a screen reader names
    // it and Enter takes it.
    QTimer::singleShot(0, &menu, [this, &menu, fromKeyboard] {
        const QList<QAction*> entries = menu.actions();
        const auto first = std::find_if(entries.begin(), entries.end(), [](const QAction* entry) {
            return entry->isEnabled() && !entry->isSeparator();
        });
        if (fromKeyboard && first != entries.end())
            menu.setActiveAction(*first);
        // The entry's name without its mnemonic and the key named after the tab.
        emit menuOpened(
            menu.activeAction()
                ? menu.activeAction()->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0)
                : QString());
    });
    menu.exec(event->globalPos());
}

} // namespace orbetta::ui
