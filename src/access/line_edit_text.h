#pragma once

#include <QAccessible>

#include <utility>

class QLineEdit;

namespace orbetta::access {

// A line edit's text as a screen reader reads and changes it. The toolkit's own interface tells an empty run
// of text attributes at each character, and a screen reader that splits the text by its runs then drops the
// last character ("1" for 12); asked for the word at the end of the text, it never answers. Here the whole
// text is one run, and the end of the text holds no character or word. A password is read as a star for each
// character, a text not echoed as no text at all.
class LineEditText : public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
public:
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;

    int cursorPosition() const override;
    void setCursorPosition(int position) override;

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

    // A screen reader's change goes through the line edit's own editing, as typing would: not into a
    // read-only box, within its maximum length and validator, and undoable.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

protected:
    virtual QLineEdit* lineEdit() const = 0;
    // The text a screen reader is given: the line edit's text, stars for a password, or nothing.
    QString spokenText() const;

private:
    std::pair<int, int> pieceAround(int offset, QAccessible::TextBoundaryType boundaryType) const;
    QString pieceText(std::pair<int, int> piece, int* startOffset, int* endOffset) const;
};

} // namespace orbetta::access
