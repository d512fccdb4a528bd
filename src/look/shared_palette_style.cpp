#include "look/shared_palette_style.h"

#include <QStyleOption>

#include <algorithm>

namespace orbetta::look {

namespace {

// Draws with a copy of the option that carries the given palette, when the option is of the kind named.
template <class Option, class Draw>
bool drawCopy(const QStyleOption* option, const SharedPaletteStyle& style, Draw& draw) {
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (typed == nullptr)
        return false;
    Option copy(*typed);
    copy.palette = style.shared(option->palette);
    draw(&copy);
    return true;
}

} // namespace

SharedPaletteStyle::SharedPaletteStyle(QStyle* fusion) : QProxyStyle(fusion) {}

QPalette SharedPaletteStyle::shared(const QPalette& palette) const {
    auto found = std::find_if(palettes_.begin(), palettes_.end(), [&](const QPalette& kept) {
        return palette.isCopyOf(kept) || palette == kept; // the same colours in every group and role
    });
    if (found == palettes_.end()) {
        if (palettes_.size() >= kPalettesKept)
            palettes_.pop_back();
        palettes_.insert(palettes_.begin(), palette);
    } else if (found != palettes_.begin()) {
        std::rotate(palettes_.begin(), found, found + 1);
    }
    // A copy shares the kept palette's identity; the colour group drawn in is the caller's.
    QPalette result = palettes_.front();
    result.setCurrentColorGroup(palette.currentColorGroup());
    return result;
}

// The kinds of option whose drawing Fusion keeps in the pixmap cache; any other goes on as it came.
template <class Draw> void SharedPaletteStyle::drawShared(const QStyleOption* option, Draw&& draw) const {
    if (option != nullptr) {
        switch (option->type) {
        case QStyleOption::SO_Default:
            if (drawCopy<QStyleOption>(option, *this, draw))
                return;
            break;
        case QStyleOption::SO_Button:
            if (drawCopy<QStyleOptionButton>(option, *this, draw))
                return;
            break;
        case QStyleOption::SO_ComboBox:
            if (drawCopy<QStyleOptionComboBox>(option, *this, draw))
                return;
            break;
        case QStyleOption::SO_SpinBox:
            if (drawCopy<QStyleOptionSpinBox>(option, *this, draw))
                return;
            break;
        case QStyleOption::SO_Slider:
            if (drawCopy<QStyleOptionSlider>(option, *this, draw))
                return;
            break;
        default:
            break;
        }
    }
    draw(option);
}

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    drawShared(option, [&](const QStyleOption* drawn) {
        QProxyStyle::drawPrimitive(element, drawn, painter, widget);
    });
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    drawShared(option,
               [&](const QStyleOption* drawn) { QProxyStyle::drawControl(element, drawn, painter, widget); });
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget* widget) const {
    // Only complex kinds reach here, so every copy made is complex too.
    drawShared(option, [&](const QStyleOption* drawn) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex*>(drawn), painter,
                                        widget);
    });
}

} // namespace orbetta::look
