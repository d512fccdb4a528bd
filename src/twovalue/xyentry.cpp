#include "twovalue/xyentry.h"

#include "access/announcer.h"
#include "core/calculator.h"
#include "desktop/bell.h"
#include "desktop/message_box.h"
#include "desktop/window_lifetime.h"
#include "desktop/window_placement.h"
#include "look/contrast.h"
#include "shell/help.h"
#include "twovalue/twovalue.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <optional>

namespace {

xyentry::Feedback& feedback() {
    static xyentry::Feedback current;
    return current;
}

// The beep of a refusal; where the platform has no bell, the refusing box or the dialog flashes instead.
void beep(QWidget* box) {
    if (feedback().beep)
        feedback().beep();
    else
        orbetta::desktop::ringBell(box);
}

void showMessage(QWidget* parent, const QString& text, orbetta::Icon icon) {
    if (feedback().message) {
        feedback().message(parent, text, icon);
        return;
    }
    orbetta::desktop::showMessageBox(parent, text, icon);
}

// "MS Sans Serif" 8.25 pt stands for the installed sans font of the same build.
QFont dialogFont(bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

const QColor kLayoutBackground{192, 192, 192};
const QColor kBoxBackground{255, 255, 225}; // the tooltip background of the classic scheme

// The character code a key press types, or nothing for keys that type no character: navigation, Tab,
// Delete and shortcuts such as Ctrl+V pass the filter untouched.
std::optional<int> typedCharacter(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (key.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = key.text();
    if (text.isEmpty())
        return std::nullopt;
    const int code = text.front().unicode();
    if (code < 32 || code == 127)
        return std::nullopt;
    return code;
}

QLineEdit* makeBox(QWidget* parent, const char* name, const QRect& place) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setFont(dialogFont(false));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kBoxBackground);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    return box;
}

QLabel* makePrompt(QWidget* parent, const char* name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(dialogFont(true));
    label->setAutoFillBackground(false); // the dialog's colour shows through
    return label;
}

} // namespace

void xyentry::setFeedback(Feedback replacement) {
    feedback() = std::move(replacement);
}

xyentry::~xyentry() {
    orbetta::desktop::stopListening(this);
}

xyentry::xyentry(orbetta::Calculator& calc, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      calc_(calc) {
    setObjectName("xyentry");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFont(dialogFont(false));

    // Client area 203 x 121 with its top-left corner at (66, 223) on the screen; not centred on the owner.
    setGeometry(66, 223, 203, 121);
    setFixedSize(203, 121);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kLayoutBackground);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    Label1 = makePrompt(this, "Label1", QRect(8, 24, 73, 17));
    Text1 = makeBox(this, "Text1", QRect(80, 24, 113, 19));
    Label2 = makePrompt(this, "Label2", QRect(8, 56, 73, 17));
    Text2 = makeBox(this, "Text2", QRect(80, 56, 113, 19));
    // Each prompt labels its box, so a screen reader names the box by it.
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);

    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(128, 88, 65, 25);
    Command1->setDefault(true);
    Command1->setEnabled(false);
    // A button's face and edge are its own: OK keeps the layout's colours whatever background the dialog is
    // given, so the style draws it the same way for every colour and need not keep a drawing for each.
    QPalette buttonColours = Command1->palette();
    buttonColours.setColor(QPalette::Window, kLayoutBackground);
    buttonColours.setColor(QPalette::WindowText,
                           Qt::black); // the prompts' colour changes with the background
    Command1->setPalette(buttonColours);

    // Tells a screen reader why a key was refused, beside the beep.
    Announcer = new orbetta::access::Announcer(this);
    Announcer->setObjectName("Announcer");

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    Text1->setFocus();

    Text1->installEventFilter(this);
    Text2->installEventFilter(this);
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void xyentry::openFor(const QString& caption, const QString& prompt1, const QString& prompt2) {
    setWindowTitle(caption);
    Label1->setText(prompt1);
    Label2->setText(prompt2);
    Text1->setAccessibleName(prompt1);
    Text2->setAccessibleName(prompt2);
    const bool wasVisible = isVisible();
    if (!wasVisible && parentWidget())
        orbetta::desktop::keepOnOwnersScreen(this,
                                             parentWidget()); // its fixed place may be off a small screen
    show();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    if (wasVisible)
        raise(); // a window shown now is on top already
    activateWindow();
}

void xyentry::setBackground(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    // The prompts are drawn on the dialog's colour: black where it reads, white on a dark colour.
    palette.setColor(QPalette::WindowText, orbetta::look::readableTextOn(colour));
    setPalette(palette);
}

void xyentry::Form_Activate() {
    Text1->clear();
    Text2->clear();
    Command1->setEnabled(false);
}

int xyentry::Text1_KeyPress(int KeyAscii) {
    return filterKey(Text1, KeyAscii);
}

int xyentry::Text2_KeyPress(int KeyAscii) {
    return filterKey(Text2, KeyAscii);
}

int xyentry::filterKey(QLineEdit* box, int KeyAscii) {
    if (orbetta::twovalue::acceptsKey(KeyAscii, box->text().toStdString()))
        return KeyAscii;
    beep(box);
    Announcer->announce(
        QString::fromStdString(orbetta::twovalue::refusalWords(KeyAscii, box->text().toStdString())));
    return 0;
}

void xyentry::Text2_Change() {
    Command1->setEnabled(true);
}

void xyentry::Command1_Click() {
    using orbetta::twovalue::Outcome;
    const Outcome outcome =
        orbetta::twovalue::confirm(windowTitle().toStdString(), Text1->text().toStdString(),
                                   Text2->text().toStdString(), orbetta::twovalue::processRandom());
    QPointer<xyentry> self(this);
    if (outcome.beep)
        beep(this);
    if (!outcome.told.empty())
        Announcer->announce(QString::fromStdString(outcome.told));
    if (!outcome.message.empty())
        showMessage(this, QString::fromStdString(outcome.message), outcome.icon);
    if (!self)
        return; // discarded with its owner while the message was up
    if (outcome.write)
        calc_.receiveTwoValueResult(*outcome.write, outcome.step);
    switch (outcome.after) {
    case Outcome::After::Close:
        close();
        break;
    case Outcome::After::ClearAndStayOpen:
        Text1->clear();
        Text2->clear();
        Command1->setEnabled(false);
        Text1->setFocus(Qt::OtherFocusReason); // both values are typed again, from the first
        break;
    case Outcome::After::StayOpen:
        break;
    }
}

bool xyentry::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

bool xyentry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != Text1 && watched != Text2))
        return QDialog::eventFilter(watched, event);
    const std::optional<int> code = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (!code)
        return false;
    // While OK is enabled, Enter belongs to the default button; otherwise the box refuses it like any other
    // character.
    if (*code == 13 && Command1->isEnabled())
        return false;
    // Escape discards the dialog as its close button does; there is no cancel button to take it.
    if (*code == 27) {
        close();
        return true;
    }
    const int kept = watched == Text1 ? Text1_KeyPress(*code) : Text2_KeyPress(*code);
    return kept == 0;
}

void xyentry::keyPressEvent(QKeyEvent* event) {
    // Escape anywhere else in the dialog (OK has the focus) discards it too, and never computes.
    if (event->key() == Qt::Key_Escape &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        event->accept();
        close();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        openHelp(parentWidget() ? parentWidget() : this); // the viewer belongs to the main window
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
