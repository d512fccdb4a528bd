#include "access/document_access.h"

#include "access/accessible_text.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>

namespace orbetta::access {

DocumentAccess::DocumentAccess(QTextEdit* view) : QAccessibleWidget(view, QAccessible::Document) {}

QTextEdit* DocumentAccess::view() const {
    return static_cast<QTextEdit*>(widget());
}

QAccessible::State DocumentAccess::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = view()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    state.multiLine = true;
    return state;
}

void* DocumentAccess::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void DocumentAccess::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const QTextCursor cursor = view()->textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection()) {
        *startOffset = *endOffset = 0;
        return;
    }
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
}

int DocumentAccess::selectionCount() const {
    return view()->textCursor().hasSelection() ? 1 : 0;
}

void DocumentAccess::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void DocumentAccess::removeSelection(int selectionIndex) {
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = view()->textCursor();
    cursor.clearSelection();
    view()->setTextCursor(cursor);
}

void DocumentAccess::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    const int count = characterCount();
    QTextCursor cursor = view()->textCursor();
    cursor.setPosition(std::clamp(startOffset, 0, count));
    cursor.setPosition(std::clamp(endOffset, 0, count), QTextCursor::KeepAnchor);
    view()->setTextCursor(cursor);
}

int DocumentAccess::cursorPosition() const {
    return view()->textCursor().position();
}

void DocumentAccess::setCursorPosition(int position) {
    QTextCursor cursor = view()->textCursor();
    cursor.setPosition(std::clamp(position, 0, characterCount()));
    view()->setTextCursor(cursor);
}

QString DocumentAccess::text(int startOffset, int endOffset) const {
    // The plain text has one character for each position of the document, a paragraph or frame break
    // being a line feed.
    return textBetween(view()->document()->toPlainText(), startOffset, endOffset);
}

int DocumentAccess::characterCount() const {
    // The document's last paragraph break is no character of its text.
    return view()->document()->characterCount() - 1;
}

std::pair<int, int> DocumentAccess::lineAround(int offset) const {
    const int count = characterCount();
    offset = std::clamp(offset, 0, count);
    const QTextBlock block = view()->document()->findBlock(offset);
    if (!block.isValid())
        return {count, count};
    // A table's row is one line, each key with its meaning, as a sighted reader takes it in.
    QTextCursor at(view()->document());
    at.setPosition(offset);
    if (const QTextTable* table = at.currentTable()) {
        const QTextTableCell cell = table->cellAt(offset);
        if (cell.isValid()) {
            const int first = table->cellAt(cell.row(), 0).firstPosition();
            const int last = table->cellAt(cell.row(), table->columns() - 1).lastPosition();
            return {first, std::min(last + 1, count)};
        }
    }
    const int blockEnd = std::min(block.position() + block.length(), count);
    const QTextLayout* layout = block.layout();
    const QTextLine line = layout ? layout->lineForTextPosition(offset - block.position()) : QTextLine();
    if (!line.isValid()) // not laid out: the paragraph is one line
        return {block.position(), blockEnd};
    const int start = block.position() + line.textStart();
    const int next = line.lineNumber() + 1;
    const int end =
        next < layout->lineCount() ? block.position() + layout->lineAt(next).textStart() : blockEnd;
    return {start, std::max(start, end)};
}

QString DocumentAccess::lineText(std::pair<int, int> line, int* startOffset, int* endOffset) const {
    *startOffset = line.first;
    *endOffset = line.second;
    QString found = text(line.first, line.second);
    // Within a line only a table row breaks between its cells: a semicolon stands there, one character for
    // one, so that the cells are heard apart and the offsets stay as they are.
    for (qsizetype i = 0; i + 1 < found.size(); ++i)
        if (found.at(i) == QLatin1Char('\n'))
            found[i] = QLatin1Char(';');
    return found;
}

QString DocumentAccess::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                     int* endOffset) const {
    if (boundaryType == QAccessible::LineBoundary)
        return lineText(lineAround(offset), startOffset, endOffset);
    // At the end of the text there is no character or word, and the toolkit's search for one never ends.
    const int count = characterCount();
    if (offset < 0 || offset >= count) {
        const int at = offset < 0 ? 0 : count;
        return lineText({at, at}, startOffset, endOffset);
    }
    return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
}

QString DocumentAccess::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
    const int start = lineAround(offset).first;
    if (start == 0)
        return lineText({0, 0}, startOffset, endOffset);
    return lineText(lineAround(start - 1), startOffset, endOffset);
}

QString DocumentAccess::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
    const int count = characterCount();
    const int end = lineAround(offset).second;
    if (end >= count)
        return lineText({count, count}, startOffset, endOffset);
    return lineText(lineAround(end), startOffset, endOffset);
}

QRect DocumentAccess::characterRect(int offset) const {
    const int count = characterCount();
    if (offset < 0 || offset >= count)
        return {};
    QTextCursor at(view()->document());
    at.setPosition(offset);
    QTextCursor after(at);
    after.setPosition(offset + 1);
    QRect box = view()->cursorRect(at);
    const QRect next = view()->cursorRect(after);
    // The character's width is the caret's step over it, unless the line wraps or ends there.
    if (next.top() == box.top() && next.left() > box.left())
        box.setWidth(next.left() - box.left());
    else
        box.setWidth(std::max(1, view()->fontMetrics().horizontalAdvance(text(offset, offset + 1))));
    box.moveTopLeft(view()->viewport()->mapToGlobal(box.topLeft()));
    return box;
}

int DocumentAccess::offsetAtPoint(const QPoint& point) const {
    const QWidget* viewport = view()->viewport();
    const QPoint inViewport = viewport->mapFromGlobal(point);
    if (!viewport->rect().contains(inViewport))
        return -1;
    const QPoint inDocument =
        inViewport + QPoint(view()->horizontalScrollBar()->value(), view()->verticalScrollBar()->value());
    return view()->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
}

void DocumentAccess::scrollToSubstring(int startIndex, int endIndex) {
    const int count = characterCount();
    QTextCursor cursor(view()->document());
    cursor.setPosition(std::clamp(startIndex, 0, count));
    const QRect first = view()->cursorRect(cursor);
    cursor.setPosition(std::clamp(endIndex, 0, count));
    const QRect last = view()->cursorRect(cursor);
    // A range not wholly in sight is brought to the top; the caret stays where it is.
    if (first.top() < 0 || last.bottom() > view()->viewport()->height()) {
        QScrollBar* bar = view()->verticalScrollBar();
        bar->setValue(bar->value() + first.top());
    }
}

QString DocumentAccess::attributes(int offset, int* startOffset, int* endOffset) const {
    return noAttributes(characterCount(), offset, startOffset, endOffset);
}

} // namespace orbetta::access
