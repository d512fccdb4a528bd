#pragma once

#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

namespace orbetta::desktop {

enum class MessageIcon { None, Exclamation };

// The calculator's message box: the text, the title "Orbetta", one OK button, modal, with the exclamation
// icon or none. A box without an icon gives its text the room an icon would take, so it is not cramped.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, MessageIcon icon);

// Shows such a box and returns when the user has dismissed it.
void showMessageBox(QWidget* parent, const QString& text, MessageIcon icon);

} // namespace orbetta::desktop
