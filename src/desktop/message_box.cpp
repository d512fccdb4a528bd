#include "desktop/message_box.h"

#include "desktop/modal_loop.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>

#include <algorithm>

namespace orbetta::desktop {

namespace {

// Qt lays out a box without an icon with the text close to its edges; one with an icon has the icon's
// column beside the text and the icon's height around it. The text of an icon-less box gets the same room,
// shared evenly between its two sides.
void giveTextTheRoomOfAnIcon(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!grid || !label)
        return;
    const int icon = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const QMargins outer = grid->contentsMargins();
    int indent = 0; // the blank column Qt puts before the text of an icon-less box
    if (QLayoutItem* item = grid->itemAtPosition(0, 0); item && item->spacerItem())
        indent = item->sizeHint().width() + std::max(0, grid->horizontalSpacing());
    const int left = outer.left() + indent;
    const int right = outer.right();
    const int each = std::max({left, right, (left + right + icon) / 2});
    const int vertical = std::max(0, (icon - label->sizeHint().height()) / 2);
    label->setContentsMargins(std::max(0, each - left), vertical, std::max(0, each - right), vertical);
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, MessageIcon icon) {
    const bool exclamation = icon == MessageIcon::Exclamation;
    auto box = std::make_unique<QMessageBox>(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                                             QStringLiteral("Orbetta"), text, QMessageBox::Ok, parent);
    // A title and a close control only: the window managers would otherwise offer to minimize and maximize
    // it.
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
    if (!exclamation)
        giveTextTheRoomOfAnIcon(*box);
    return box;
}

void showMessageBox(QWidget* parent, const QString& text, MessageIcon icon) {
    const std::unique_ptr<QMessageBox> box = makeMessageBox(parent, text, icon);
    const ModalLoop loop;
    box->exec();
}

} // namespace orbetta::desktop
