#include "ui/document_view.h"

#include <QTextBrowser>

namespace orbetta::ui {

void setUpDocumentView(QTextBrowser& view, const QString& objectName, const QString& accessibleName,
                       bool followsLinks) {
    view.setObjectName(objectName);
    view.setAccessibleName(accessibleName);
    if (followsLinks) {
        view.setOpenExternalLinks(false);
        view.setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    } else {
        view.setOpenLinks(false);
        view.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

} // namespace orbetta::ui
