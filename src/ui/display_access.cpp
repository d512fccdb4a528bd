#include "ui/display_access.h"

#include "ui/display.h"

#include <algorithm>

namespace orbetta::ui {

DisplayAccess::DisplayAccess(DisplayBox* display) : QAccessibleWidget(display, QAccessible::EditableText) {}

DisplayBox* DisplayAccess::display() const {
    return static_cast<DisplayBox*>(widget());
}

QAccessible::State DisplayAccess::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.selectableText = true;
    return state;
}

QString DisplayAccess::text(QAccessible::Text type) const {
    if (type == QAccessible::Value)
        return display()->text();
    return QAccessibleWidget::text(type);
}

void* DisplayAccess::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void DisplayAccess::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    if (selectionIndex != 0 || !display()->hasSelectedText()) {
        *startOffset = *endOffset = 0;
        return;
    }
    *startOffset = display()->selectionStart();
    *endOffset = display()->selectionEnd();
}

int DisplayAccess::selectionCount() const {
    return display()->hasSelectedText() ? 1 : 0;
}

void DisplayAccess::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void DisplayAccess::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        display()->deselect();
}

void DisplayAccess::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    const int count = characterCount();
    const int start = std::clamp(startOffset, 0, count);
    display()->setSelection(start, std::clamp(endOffset, 0, count) - start);
}

int DisplayAccess::cursorPosition() const {
    return display()->cursorPosition();
}

void DisplayAccess::setCursorPosition(int position) {
    display()->setCursorPosition(std::clamp(position, 0, characterCount()));
}

QString DisplayAccess::text(int startOffset, int endOffset) const {
    const QString all = display()->text();
    const auto start = std::clamp<qsizetype>(startOffset, 0, all.size());
    const auto end = std::clamp<qsizetype>(endOffset, start, all.size());
    return all.mid(start, end - start);
}

QString DisplayAccess::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                    int* endOffset) const {
    const int count = characterCount();
    if (boundaryType == QAccessible::LineBoundary || boundaryType == QAccessible::ParagraphBoundary ||
        boundaryType == QAccessible::NoBoundary) {
        *startOffset = 0;
        *endOffset = count;
        return display()->text();
    }
    // At the end of the text there is no character or word, and the toolkit's search for one never ends.
    if (offset < 0 || offset >= count) {
        *startOffset = *endOffset = offset < 0 ? 0 : count;
        return {};
    }
    return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
}

int DisplayAccess::characterCount() const {
    return int(display()->text().size());
}

QRect DisplayAccess::characterRect(int offset) const {
    if (offset < 0 || offset >= characterCount())
        return {};
    QRect box = display()->characterRect(offset);
    box.moveTopLeft(display()->mapToGlobal(box.topLeft()));
    return box;
}

int DisplayAccess::offsetAtPoint(const QPoint& point) const {
    const QPoint inDisplay = display()->mapFromGlobal(point);
    if (!display()->rect().contains(inDisplay))
        return -1;
    return display()->cursorPositionAt(inDisplay);
}

void DisplayAccess::scrollToSubstring(int, int) {
    // The display shows all of its text at once.
}

QString DisplayAccess::attributes(int offset, int* startOffset, int* endOffset) const {
    const int count = characterCount();
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = count;
    return {};
}

} // namespace orbetta::ui
