#include "access/line_edit_text.h"

#include "access/accessible_text.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace orbetta::access {

namespace {

// A line edit holds one line: its line, its paragraph and all of it are the same text.
bool wholeText(QAccessible::TextBoundaryType boundaryType) {
    return boundaryType == QAccessible::LineBoundary || boundaryType == QAccessible::ParagraphBoundary ||
           boundaryType == QAccessible::NoBoundary;
}

} // namespace

QString LineEditText::spokenText() const {
    const QLineEdit* edit = lineEdit();
    switch (edit->echoMode()) {
    case QLineEdit::Normal:
        return edit->text();
    case QLineEdit::NoEcho:
        return {};
    default:
        return QString(edit->text().size(), QLatin1Char('*'));
    }
}

void LineEditText::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    if (selectionIndex != 0 || selectionCount() == 0) {
        *startOffset = *endOffset = 0;
        return;
    }
    *startOffset = lineEdit()->selectionStart();
    *endOffset = lineEdit()->selectionEnd();
}

int LineEditText::selectionCount() const {
    return lineEdit()->hasSelectedText() && characterCount() > 0 ? 1 : 0;
}

void LineEditText::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void LineEditText::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void LineEditText::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    const int count = characterCount();
    const int start = std::clamp(startOffset, 0, count);
    lineEdit()->setSelection(start, std::clamp(endOffset, 0, count) - start);
}

int LineEditText::cursorPosition() const {
    return std::min(lineEdit()->cursorPosition(), characterCount());
}

void LineEditText::setCursorPosition(int position) {
    lineEdit()->setCursorPosition(std::clamp(position, 0, characterCount()));
}

QString LineEditText::text(int startOffset, int endOffset) const {
    return textBetween(spokenText(), startOffset, endOffset);
}

// The piece of text that holds offset: its character, its word or the run between two words, or its
// sentence; at the end of the text, the empty piece there. The toolkit's own search for a word at the end of
// the text never ends, and it tells no character before the second, so pieces are found here.
std::pair<int, int> LineEditText::pieceAround(int offset, QAccessible::TextBoundaryType boundaryType) const {
    const QString all = spokenText();
    const int count = int(all.size());
    if (offset >= count)
        return {count, count};
    offset = std::max(offset, 0);
    const auto kind = boundaryType == QAccessible::WordBoundary       ? QTextBoundaryFinder::Word
                      : boundaryType == QAccessible::SentenceBoundary ? QTextBoundaryFinder::Sentence
                                                                      : QTextBoundaryFinder::Grapheme;
    QTextBoundaryFinder finder(kind, all);
    // Between words lie breaks that end no word (inside "12.5"); a character or sentence ends at each break.
    const auto edge = [&] {
        return finder.isAtBoundary() && (kind != QTextBoundaryFinder::Word ||
                                         (finder.boundaryReasons() & (QTextBoundaryFinder::StartOfItem |
                                                                      QTextBoundaryFinder::EndOfItem)));
    };
    finder.setPosition(offset);
    while (finder.position() > 0 && !edge())
        finder.toPreviousBoundary();
    const int start = std::max(0, int(finder.position()));
    finder.setPosition(offset);
    while (finder.toNextBoundary() > 0 && finder.position() < count && !edge()) {
    }
    const int end = finder.position() > offset ? int(finder.position()) : count;
    return {start, end};
}

QString LineEditText::pieceText(std::pair<int, int> piece, int* startOffset, int* endOffset) const {
    *startOffset = piece.first;
    *endOffset = piece.second;
    return text(piece.first, piece.second);
}

QString LineEditText::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                   int* endOffset) const {
    const int count = characterCount();
    if (wholeText(boundaryType))
        return pieceText({0, count}, startOffset, endOffset);
    if (offset < 0)
        return pieceText({0, 0}, startOffset, endOffset);
    return pieceText(pieceAround(offset, boundaryType), startOffset, endOffset);
}

QString LineEditText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const {
    const int start = wholeText(boundaryType) || offset <= 0 ? 0 : pieceAround(offset, boundaryType).first;
    if (start == 0)
        return pieceText({0, 0}, startOffset, endOffset);
    return pieceText(pieceAround(start - 1, boundaryType), startOffset, endOffset);
}

QString LineEditText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                      int* startOffset, int* endOffset) const {
    const int count = characterCount();
    const int end = wholeText(boundaryType) ? count : pieceAround(offset, boundaryType).second;
    if (end >= count)
        return pieceText({count, count}, startOffset, endOffset);
    return pieceText(pieceAround(end, boundaryType), startOffset, endOffset);
}

int LineEditText::characterCount() const {
    return int(spokenText().size());
}

// The caret stands where its character is drawn; the others lie as far from it as the text drawn between.
QRect LineEditText::characterRect(int offset) const {
    const QLineEdit* edit = lineEdit();
    const QString drawn = edit->displayText();
    if (offset < 0 || offset >= std::min<qsizetype>(drawn.size(), characterCount()))
        return {};
    const QFontMetrics metrics = edit->fontMetrics();
    const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int caretAt = std::min<int>(edit->cursorPosition(), drawn.size());
    const int origin = caret.center().x() - metrics.horizontalAdvance(drawn.left(caretAt));
    // A character is as wide as the caret's step over it.
    const int left = metrics.horizontalAdvance(drawn.left(offset));
    const int right = metrics.horizontalAdvance(drawn.left(offset + 1));
    return {edit->mapToGlobal(QPoint(origin + left, caret.top())),
            QSize(std::max(1, right - left), caret.height())};
}

int LineEditText::offsetAtPoint(const QPoint& point) const {
    QLineEdit* edit = lineEdit();
    const QPoint inBox = edit->mapFromGlobal(point);
    if (!edit->rect().contains(inBox))
        return -1;
    // The caret place nearest the point is at one edge or the other of the character under it.
    const int nearest = edit->cursorPositionAt(inBox);
    for (const int offset : {nearest - 1, nearest}) {
        const QRect box = characterRect(offset);
        if (!box.isEmpty() && box.left() <= point.x() && point.x() <= box.right())
            return offset;
    }
    return -1;
}

void LineEditText::scrollToSubstring(int startIndex, int endIndex) {
    const int count = characterCount();
    const int start = std::clamp(startIndex, 0, count);
    const int end = std::clamp(endIndex, start, count);
    if (end == start)
        return;
    // A line edit scrolls only to keep its caret in sight; a range in sight already leaves the caret alone.
    const QRect inSight(lineEdit()->mapToGlobal(QPoint(0, 0)), lineEdit()->size());
    if (inSight.contains(characterRect(start)) && inSight.contains(characterRect(end - 1)))
        return;
    lineEdit()->setCursorPosition(end);
    lineEdit()->setCursorPosition(start);
}

QString LineEditText::attributes(int offset, int* startOffset, int* endOffset) const {
    return noAttributes(characterCount(), offset, startOffset, endOffset);
}

void LineEditText::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void LineEditText::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void LineEditText::replaceText(int startOffset, int endOffset, const QString& text) {
    QLineEdit* edit = lineEdit();
    if (edit->isReadOnly() || !edit->isEnabled())
        return;
    // The offsets count the characters of the line edit's own text, a password's as well.
    const int count = int(edit->text().size());
    const int start = std::clamp(startOffset, 0, count);
    const int end = std::clamp(endOffset, start, count);
    if (start == end && text.isEmpty())
        return;
    edit->setSelection(start, end - start);
    edit->insert(text); // replaces the selection, as typing does
}

} // namespace orbetta::access
