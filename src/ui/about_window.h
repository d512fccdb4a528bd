#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The About window: icon, title, version and a notice. Enter and Esc both press its OK button.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* owner = nullptr);
    ~AboutWindow() override;

    void showTitleAndVersion();
    void pressOk();

protected:
    // F1 opens the help.
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    // Esc and the title bar's close control end the window the same way as its OK button.
    void reject() override;

private:
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QPlainTextEdit* Text2;
    QPushButton* cmdOK;
};
