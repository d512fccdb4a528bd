#pragma once

#include <QAccessibleWidget>

#include <utility>

class QTextEdit;

namespace orbetta::access {

// A read-only rich-text view as a screen reader expects a document: the role of a document (not a label, as
// the toolkit gives a text browser), and a text interface over the view's document and caret, whose lines are
// the lines as laid out on the screen. The view's own caret and selection events reach the screen reader
// through this interface.
class DocumentAccess : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DocumentAccess(QTextEdit* view);

    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;

    int cursorPosition() const override;
    void setCursorPosition(int position) override;

    using QAccessibleWidget::text;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QTextEdit* view() const;
    // The screen line that holds offset, from its first character to the first of the next line, so that
    // a line ends with the paragraph break or the blank it was wrapped at.
    std::pair<int, int> lineAround(int offset) const;
    QString lineText(std::pair<int, int> line, int* startOffset, int* endOffset) const;
};

} // namespace orbetta::access
