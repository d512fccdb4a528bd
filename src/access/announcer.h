#pragma once

#include <QWidget>

namespace orbetta::access {

// Tells a screen reader a text whatever has the focus: an object of the notification role that takes the text
// as its name and is hidden and shown again, which screen readers speak. It has no size, paints nothing and
// never takes the focus, so a sighted user never meets it. It stays hidden until the first announcement.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // The same text twice is spoken twice: each call hides and shows the object again.
    void announce(const QString& text);
};

} // namespace orbetta::access
