#pragma once

#include <QAccessibleWidget>

namespace orbetta::ui {

class DisplayBox;

// The display as a screen reader reads it: a read-only text whose whole text is one run of attributes. The
// toolkit's own line edit tells an empty run at each character, and a screen reader that splits the text by
// its runs then drops the last character ("1" for 12); asked for the word at the end, it never answers.
class DisplayAccess : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayAccess(DisplayBox* display);

    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;

    int cursorPosition() const override;
    void setCursorPosition(int position) override;

    QString text(int startOffset, int endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    DisplayBox* display() const;
};

} // namespace orbetta::ui
