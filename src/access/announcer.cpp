#include "access/announcer.h"

namespace orbetta::access {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    // Appearing with the window, it would be spoken as an empty notification.
    setVisible(false);
}

void Announcer::announce(const QString& text) {
    setAccessibleName(text);
    // Only an object that appears is spoken; one already shown must disappear first.
    hide();
    show();
}

} // namespace orbetta::access
