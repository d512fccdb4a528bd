#pragma once

#include <QPalette>
#include <QProxyStyle>

#include <vector>

namespace orbetta::look {

// The Fusion style, drawing every widget of the same colours with one and the same palette.
//
// Fusion keeps what it draws of buttons, combo boxes, spin boxes, sliders and arrows in Qt's pixmap cache,
// under a name that holds the identity of the palette drawn with. Every window the program makes resolves
// fresh palettes for its widgets, so each new dialog, message box or About window drew under new names:
// the cache filled up to its limit with pixmaps never drawn again, and Qt 6.4 keeps the name of every pixmap
// that leaves its cache. Drawn with a shared palette of the same colours, a button looks the same and finds
// the pixmap drawn for the last window like it.
class SharedPaletteStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Takes ownership of the style it draws with.
    explicit SharedPaletteStyle(QStyle* fusion);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The shared palette with the colours of the given one, in its current colour group.
    QPalette shared(const QPalette& palette) const;

    // How many palettes are kept; the one used least recently makes way for a new one.
    static constexpr std::size_t kPalettesKept = 16;

private:
    template <class Draw> void drawShared(const QStyleOption* option, Draw&& draw) const;

    mutable std::vector<QPalette> palettes_; // most recently used first
};

} // namespace orbetta::look
