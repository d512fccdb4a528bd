#pragma once

#include "core/host.h"
#include "core/keys.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orbetta {
class Calculator;
}
namespace orbetta::access {
class Announcer;
}

// The two-value dialog: two operands for the y-th root, the power or a random whole number. The key it was
// opened for selects the computation; OK writes the result into the main window's display and entry and
// closes the dialog.
class TwoValueDialog : public QDialog {
    Q_OBJECT
public:
    // How the dialog sounds its beep and shows its message boxes: by default the platform's beep and a modal
    // box with an OK button titled "Orbetta". Tests put recorders here so that nothing waits for a person.
    struct Feedback {
        std::function<void()> beep;
        std::function<void(QWidget* parent, const QString& text, orbetta::Icon icon)> message;
    };
    // Applies to every dialog of the run; an empty member restores its default.
    static void setFeedback(Feedback feedback);

    explicit TwoValueDialog(orbetta::Calculator& calc, QWidget* parent = nullptr);
    ~TwoValueDialog() override;

    // Takes the key's caption and two prompts, then shows the dialog without blocking, in its normal state.
    void openFor(orbetta::Function key);
    void setBackground(const QColor& colour);

    // The handlers of the dialog's events. A key-press handler returns the character code when the character
    // goes into its box, 0 when it was refused (after a beep).
    void clearBoxes();
    int firstBoxKeyPress(int code);
    int secondBoxKeyPress(int code);
    void secondBoxChanged();
    void pressOk();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int filterKey(QLineEdit* box, int code);

    orbetta::Calculator& calc_;
    orbetta::Function key_ = orbetta::Function::YRootOfX;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QLineEdit* Text2;
    QPushButton* Command1;
    orbetta::access::Announcer* Announcer;
};
