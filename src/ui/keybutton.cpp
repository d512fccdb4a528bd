#include "ui/keybutton.h"

#include "desktop/window_lifetime.h"
#include "look/classic_look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QPainter>
#include <algorithm>

namespace orbetta::ui {

namespace {

// The heaviest weight the installed family has. Asking for more draws with that face anyway, so a caption
// can be drawn with it directly and share its font engine with the other captions that use it. Only a face
// that is bold already: a lighter one would be emboldened for a heavy request.
int heaviestInstalledWeight(const QString& family) {
    static QHash<QString, int> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd())
        return *found;
    int heaviest = 0;
    const QStringList styles = QFontDatabase::styles(family);
    for (const QString& style : styles)
        heaviest = std::max(heaviest, QFontDatabase::weight(family, style));
    known.insert(family, heaviest);
    return heaviest;
}

QFont captionFont(QFont font) {
    const int heaviest = heaviestInstalledWeight(font.family());
    if (heaviest >= QFont::Bold && font.weight() > heaviest)
        font.setWeight(static_cast<QFont::Weight>(heaviest));
    return font;
}

} // namespace

KeyButton::KeyButton(QWidget* parent) : QPushButton(parent), face_(look::classic::kButtonFace) {
    // The outline of the default key moves when the focus moves between keys.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (isDefault())
            update();
    });
}

KeyButton::~KeyButton() {
    desktop::stopListening(this);
}

void KeyButton::setFaceColour(const QColor& colour) {
    face_ = colour;
    update();
}

void KeyButton::setPicture(look::Picture picture, bool opaqueGround) {
    picture_ = picture;
    opaqueGround_ = opaqueGround;
    update();
}

bool KeyButton::answersEnter() const {
    if (hasFocus())
        return true;
    if (!isDefault())
        return false;
    // A focused key takes the outline from the default key, as the classic desktop does.
    const QWidget* focused = window()->focusWidget();
    return !(focused && focused != this && qobject_cast<const QPushButton*>(focused));
}

void KeyButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, face_);
    if (answersEnter()) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), look::classic::kWindowText);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), look::classic::kWindowText);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), look::classic::kWindowText);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), look::classic::kWindowText);
        r.adjust(1, 1, -1, -1);
    }
    const bool sunken = isDown();
    if (sunken) {
        // A pressed key shows a flat shadow line instead of the raised edge.
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), look::classic::kButtonShadow);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), look::classic::kButtonShadow);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), look::classic::kButtonShadow);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), look::classic::kButtonShadow);
    } else {
        look::drawBevel(p, r, false);
    }

    QRect content = r.adjusted(2, 2, -2, -2);
    if (sunken)
        content.translate(1, 1);
    if (picture_ != look::Picture::None) {
        const QRectF square(content.center().x() - 7, content.center().y() - 7, 16, 16);
        look::drawPicture(p, picture_, square, opaqueGround_);
    }
    if (!text().isEmpty()) {
        // The caption may use the edge's inner width, which the narrow function keys need.
        QRect captionRect = r.adjusted(1, 1, -1, -1);
        if (sunken)
            captionRect.translate(1, 1);
        p.setFont(captionFont(font()));
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
        if (!isEnabled()) {
            p.setPen(look::classic::kButtonHighlight);
            p.drawText(captionRect.translated(1, 1), flags, text());
        }
        p.setPen(isEnabled() ? look::classic::kWindowText : look::classic::kButtonShadow);
        p.drawText(captionRect, flags, text());
    }
    if (hasFocus()) {
        const QRect mark = r.adjusted(3, 3, -3, -3);
        for (int x = mark.left(); x <= mark.right(); x += 2) {
            p.fillRect(QRect(x, mark.top(), 1, 1), look::classic::kWindowText);
            p.fillRect(QRect(x, mark.bottom(), 1, 1), look::classic::kWindowText);
        }
        for (int y = mark.top(); y <= mark.bottom(); y += 2) {
            p.fillRect(QRect(mark.left(), y, 1, 1), look::classic::kWindowText);
            p.fillRect(QRect(mark.right(), y, 1, 1), look::classic::kWindowText);
        }
    }
}

} // namespace orbetta::ui
