#include "ui/two_value_dialog.h"

#include "access/announcer.h"
#include "core/calculator.h"
#include "desktop/bell.h"
#include "desktop/message_box.h"
#include "desktop/window_lifetime.h"
#include "desktop/window_placement.h"
#include "look/contrast.h"
#include "twovalue/twovalue.h"
#include "ui/decimal_sign.h"
#include "ui/help.h"
#include "ui/keyboard.h"
#include "ui/qt_text.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <optional>

namespace {

TwoValueDialog::Feedback& feedback() {
    static TwoValueDialog::Feedback current;
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
    orbetta::desktop::showMessageBox(parent, text,
                                     icon == orbetta::Icon::Exclamation
                                         ? orbetta::desktop::MessageIcon::Exclamation
                                         : orbetta::desktop::MessageIcon::None);
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

void TwoValueDialog::setFeedback(Feedback replacement) {
    feedback() = std::move(replacement);
}

TwoValueDialog::~TwoValueDialog() {
    orbetta::desktop::stopListening(this);
}

TwoValueDialog::TwoValueDialog(orbetta::Calculator& calc, QWidget* parent)
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

    Command1 = new QPushButton(tr("&OK"), this);
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
    connect(Text2, &QLineEdit::textChanged, this, [this] { secondBoxChanged(); });
    connect(Command1, &QPushButton::clicked, this, [this] { pressOk(); });
}

void TwoValueDialog::openFor(orbetta::Function key) {
    key_ = key;
    const orbetta::TwoValueRow* row = orbetta::twoValueRowOf(key);
    const QString caption = row ? orbetta::ui::keyText(row->caption) : QString();
    const QString prompt1 = row ? orbetta::ui::keyText(row->prompt1) : QString();
    const QString prompt2 = row ? orbetta::ui::keyText(row->prompt2) : QString();
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

void TwoValueDialog::setBackground(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    // The prompts are drawn on the dialog's colour: black where it reads, white on a dark colour.
    palette.setColor(QPalette::WindowText, orbetta::look::readableTextOn(colour));
    setPalette(palette);
}

void TwoValueDialog::clearBoxes() {
    Text1->clear();
    Text2->clear();
    Command1->setEnabled(false);
}

int TwoValueDialog::firstBoxKeyPress(int code) {
    return filterKey(Text1, code);
}

int TwoValueDialog::secondBoxKeyPress(int code) {
    return filterKey(Text2, code);
}

int TwoValueDialog::filterKey(QLineEdit* box, int code) {
    const std::string boxText = orbetta::ui::engineNumber(box->text().toStdString());
    if (orbetta::twovalue::acceptsKey(code, boxText))
        return code;
    beep(box);
    Announcer->announce(QString::fromStdString(orbetta::twovalue::refusalWords(code, boxText)));
    return 0;
}

void TwoValueDialog::secondBoxChanged() {
    Command1->setEnabled(true);
}

void TwoValueDialog::pressOk() {
    using orbetta::twovalue::Outcome;
    const Outcome outcome = orbetta::twovalue::confirm(
        key_, orbetta::ui::engineNumber(Text1->text().toStdString()),
        orbetta::ui::engineNumber(Text2->text().toStdString()), orbetta::twovalue::processRandom());
    QPointer<TwoValueDialog> self(this);
    if (outcome.beep)
        beep(this);
    if (!outcome.told.empty())
        Announcer->announce(QString::fromStdString(orbetta::ui::shownNumbers(outcome.told)));
    if (!outcome.message.empty())
        showMessage(this, QString::fromStdString(orbetta::ui::shownNumbers(outcome.message)), outcome.icon);
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

bool TwoValueDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        clearBoxes();
    return QDialog::event(event);
}

bool TwoValueDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != Text1 && watched != Text2))
        return QDialog::eventFilter(watched, event);
    const std::optional<int> code = orbetta::ui::typedIntoBox(*static_cast<QKeyEvent*>(event));
    if (!code)
        return false;
    // While OK is enabled, Enter belongs to the default button; otherwise the box refuses it like any other
    // character.
    if (*code == orbetta::kEnterCode && Command1->isEnabled())
        return false;
    // Escape discards the dialog as its close button does; there is no cancel button to take it.
    if (*code == orbetta::kEscapeCode) {
        close();
        return true;
    }
    // Where numbers carry a decimal comma, the point, the comma and the keypad's decimal key all type it.
    const bool decimal = orbetta::ui::decimalSign() == ',' && (*code == '.' || *code == ',');
    const int typed = decimal ? '.' : *code;
    const int kept = watched == Text1 ? firstBoxKeyPress(typed) : secondBoxKeyPress(typed);
    if (decimal && kept != 0) {
        static_cast<QLineEdit*>(watched)->insert(QStringLiteral(","));
        return true;
    }
    return kept == 0;
}

void TwoValueDialog::keyPressEvent(QKeyEvent* event) {
    // Escape anywhere else in the dialog (OK has the focus) discards it too, and never computes.
    if (event->key() == Qt::Key_Escape &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        event->accept();
        close();
        return;
    }
    if (openHelpOnF1(this, event))
        return;
    QDialog::keyPressEvent(event);
}
