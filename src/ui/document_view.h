#pragma once

class QString;
class QTextBrowser;

namespace orbetta::ui {

// A document a screen reader reads by line, heading and link: a caret the arrow keys move, the text never
// editable. A document with links (the help) follows them inside itself and opens nothing outside; one
// without (the tape) opens no link at all and lets the mouse select.
void setUpDocumentView(QTextBrowser& view, const QString& objectName, const QString& accessibleName,
                       bool followsLinks);

} // namespace orbetta::ui
