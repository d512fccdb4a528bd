#pragma once

#include <QComboBox>
#include <QPointer>

namespace orbetta::ui {

// The list of further functions: an editable drop-down whose line the user does not type into. Only an entry
// picked from the opened drop-down counts as a choice; the line losing the focus, the wheel or the list being
// shown or hidden never does.
class FunctionList : public QComboBox {
    Q_OBJECT
public:
    explicit FunctionList(QWidget* parent = nullptr);

    // Makes the text current: the matching entry becomes the current one, so that nothing later commits the
    // line's text as a new choice.
    void setListText(const QString& text);

    void showPopup() override;
    void hidePopup() override;

signals:
    // The user picked an entry from the drop-down (the same entry again counts too).
    void chosen();
    // The drop-down is on screen.
    void opened();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool pickedFromPopup_ = false;
    QPointer<QWidget> dropDown_; // the drop-down's window, once it has been opened
};

} // namespace orbetta::ui
