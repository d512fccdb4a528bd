#pragma once

#include <QDialog>

// The About window: icon, title, version and a notice.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner = nullptr);
};
