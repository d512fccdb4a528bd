#include "ui/function_list.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>

namespace orbetta::ui {

FunctionList::FunctionList(QWidget* parent) : QComboBox(parent) {
    // An editable line of its own rather than setEditable(true), which would also build the drop-down with
    // its list view and scroll bars at once; the list starts hidden, so the drop-down waits for its first
    // opening.
    auto* line = new QLineEdit(this);
    line->setPalette(palette());
    // The list completes nothing. A line that already has a completer keeps the combo box from building one
    // over the list's model, with its proxy and a dozen connections, only to have it removed below.
    line->setCompleter(new QCompleter(line));
    setLineEdit(line);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(20);
    lineEdit()->setReadOnly(true);
    // The drop-down reports a picked entry right after it closes; any other activation (the line's text
    // committed on losing the focus) is not a choice.
    connect(this, &QComboBox::activated, this, [this] {
        if (pickedFromPopup_) {
            pickedFromPopup_ = false;
            emit chosen();
        }
    });
}

void FunctionList::setListText(const QString& text) {
    const int entry = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(entry);
    setEditText(text);
}

void FunctionList::showPopup() {
    QComboBox::showPopup();
    dropDown_ = view()->window();
    if (dropDown_->isVisible())
        emit opened();
}

void FunctionList::hidePopup() {
    // Only the drop-down closing on screen can pick. A key press that reaches its list again once it is
    // closed (a screen reader hands every key back to the program after looking at it, and the list still
    // answers Enter) asks to close a closed drop-down, and the entry it reports is no second choice.
    pickedFromPopup_ = dropDown_ && dropDown_->isVisible();
    QComboBox::hidePopup();
    // A dismissed drop-down picks nothing; the flag must not outlive the event that closed it.
    QTimer::singleShot(0, this, [this] { pickedFromPopup_ = false; });
}

void FunctionList::focusInEvent(QFocusEvent* event) {
    // Reached by Tab or Shift+Tab, the line would select its text, and leaving it drop the selection, which a
    // screen reader tells ("Text unselected") instead of the control the focus reaches.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        QFocusEvent kept(event->type(), Qt::OtherFocusReason);
        QComboBox::focusInEvent(&kept);
        return;
    }
    QComboBox::focusInEvent(event);
}

void FunctionList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // Stepping through the closed list would change the function silently; open the drop-down instead.
        showPopup();
        event->accept();
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

void FunctionList::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

} // namespace orbetta::ui
