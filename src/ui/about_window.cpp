#include "ui/about_window.h"

#include "desktop/window_lifetime.h"
#include "ui/help.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QColor kButtonFace{192, 192, 192};
const QColor kNoticeBackground{224, 224, 224};

// "MS Sans Serif" 8.25 pt stands for the installed sans font of the same build.
QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// Four lines at most: the box shows four whole lines and has no room for a fifth.
const char* const kNotice =
    //: Four lines at most, each of about 60 characters: the box shows no more.
    QT_TRANSLATE_NOOP("AboutWindow", "Orbetta is a scientific calculator for one user at a desktop.\n"
                                     "Settings: orbetta.ini in your configuration folder.\n"
                                     "Tape: orbetta/tape.txt in your state folder.\n"
                                     "Provided as it is, without warranty of any kind.");

} // namespace

AboutWindow::~AboutWindow() {
    orbetta::desktop::stopListening(this);
}

AboutWindow::AboutWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("About Orbetta"));
    setWindowIcon(QApplication::windowIcon());
    setFont(windowFont());
    // Shown centred on the owner; the colour preference never reaches this window.
    setFixedSize(361, 191);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kButtonFace);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Button, kButtonFace);
    palette.setColor(QPalette::ButtonText, Qt::black);
    setPalette(palette);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(256, 160, 84, 23);
    cmdOK->setDefault(true);

    // The box takes the 32-pixel icon and its two-pixel sunken edge.
    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setGeometry(8, 8, 36, 36);
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    lblVersion = new QLabel(QStringLiteral("Version"), this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setGeometry(70, 40, 259, 15);

    lblTitle = new QLabel(QStringLiteral("Application Title"), this);
    lblTitle->setObjectName("lblTitle");
    lblTitle->setGeometry(70, 16, 251, 16);

    Text2 = new QPlainTextEdit(this);
    Text2->setObjectName("Text2");
    Text2->setGeometry(8, 88, 345, 65);
    Text2->setReadOnly(true);
    // A caret the arrow keys move lets a screen reader read the notice line by line.
    Text2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text2->setPlainText(tr(kNotice));
    QPalette notice = Text2->palette();
    notice.setColor(QPalette::Base, kNoticeBackground);
    notice.setColor(QPalette::Text, Qt::black);
    Text2->setPalette(notice);

    setTabOrder(cmdOK, Text2);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, [this] { pressOk(); });

    showTitleAndVersion();
}

void AboutWindow::showTitleAndVersion() {
    lblVersion->setText(tr("Version %1").arg(QStringLiteral(ORBETTA_VERSION)));
    lblTitle->setText(QStringLiteral("Orbetta"));
    // A screen reader names a window and the focused button; labels of one or two words it leaves unsaid
    // unless they are the window's description.
    setAccessibleDescription(lblTitle->text() + QStringLiteral(", ") + lblVersion->text());
}

void AboutWindow::pressOk() {
    accept();
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (openHelpOnF1(this, event))
        return;
    QDialog::keyPressEvent(event);
}

void AboutWindow::reject() {
    pressOk();
}
