#include "look/classic_look.h"

#include "look/shared_palette_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

namespace orbetta::look {

QPalette classicPalette() {
    using namespace classic;
    QPalette p;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, kButtonFace);
        p.setColor(group, QPalette::WindowText, kWindowText);
        p.setColor(group, QPalette::Base, kButtonHighlight);
        p.setColor(group, QPalette::AlternateBase, kButtonFace);
        p.setColor(group, QPalette::Text, kWindowText);
        p.setColor(group, QPalette::Button, kButtonFace);
        p.setColor(group, QPalette::ButtonText, kWindowText);
        p.setColor(group, QPalette::BrightText, kButtonHighlight);
        p.setColor(group, QPalette::Light, kButtonHighlight);
        p.setColor(group, QPalette::Midlight, QColor(223, 223, 223));
        p.setColor(group, QPalette::Mid, QColor(160, 160, 160));
        p.setColor(group, QPalette::Dark, kButtonShadow);
        p.setColor(group, QPalette::Shadow, kWindowText);
        p.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        p.setColor(group, QPalette::HighlightedText, kButtonHighlight);
        p.setColor(group, QPalette::Link, QColor(0, 0, 255));
        p.setColor(group, QPalette::LinkVisited, QColor(128, 0, 128));
        p.setColor(group, QPalette::ToolTipBase, kToolTipBackground);
        p.setColor(group, QPalette::ToolTipText, kWindowText);
        p.setColor(group, QPalette::PlaceholderText, kButtonShadow);
    }
    p.setColor(QPalette::Disabled, QPalette::WindowText, kButtonShadow);
    p.setColor(QPalette::Disabled, QPalette::Text, kButtonShadow);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, kButtonShadow);
    p.setColor(QPalette::Inactive, QPalette::Highlight, kButtonShadow);
    return p;
}

QFont layoutFont(const QString& layoutFamily, qreal points, bool bold, bool italic) {
    // Liberation Sans has the metrics of Arial, which is also the nearest outline face to "MS Sans Serif";
    // "Arial Black" is its heaviest weight; the Greek letters of "Symbol" are serif letters.
    QString family = QStringLiteral("Liberation Sans");
    QFont::Weight weight = bold ? QFont::Bold : QFont::Normal;
    if (layoutFamily == QLatin1String("Arial Black"))
        weight = QFont::Black;
    else if (layoutFamily == QLatin1String("Symbol"))
        family = QStringLiteral("Liberation Serif");
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(weight);
    font.setItalic(italic);
    font.setStyleHint(family.endsWith(QLatin1String("Serif")) ? QFont::Serif : QFont::SansSerif);
    return font;
}

QFont defaultLayoutFont() {
    return layoutFont(QStringLiteral("MS Sans Serif"), 8.25);
}

void drawBevel(QPainter& painter, const QRect& rect, bool sunken) {
    using namespace classic;
    const QColor outerLight = sunken ? kButtonShadow : kButtonHighlight;
    const QColor outerDark = sunken ? kButtonHighlight : kWindowText;
    const QColor innerLight = sunken ? kWindowText : kButtonFace;
    const QColor innerDark = sunken ? kButtonFace : kButtonShadow;
    // Whole logical pixels rather than lines, so the edge stays sharp at any scaling.
    auto edge = [&painter](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), topLeft);
        painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), topLeft);
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), bottomRight);
        painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), bottomRight);
    };
    edge(rect, outerLight, outerDark);
    edge(rect.adjusted(1, 1, -1, -1), innerLight, innerDark);
}

void applyClassicLook() {
    // Without a desktop theme Qt has already made the Fusion style; a second one would only be thrown away.
    // The application lets go of its style when the shared-palette style takes it over.
    if (qobject_cast<SharedPaletteStyle*>(QApplication::style()) == nullptr) {
        QStyle* current = QApplication::style();
        QStyle* fusion = current->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0
                             ? current
                             : QStyleFactory::create(QStringLiteral("Fusion"));
        if (fusion != nullptr)
            QApplication::setStyle(new SharedPaletteStyle(fusion));
    }
    QApplication::setPalette(classicPalette());
    QApplication::setFont(defaultLayoutFont());
    QToolTip::setPalette(classicPalette());
    QToolTip::setFont(defaultLayoutFont());
}

} // namespace orbetta::look
