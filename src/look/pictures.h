#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace orbetta::look {

// The small symbols on the graphical keys, drawn as shapes so they stay sharp at any scaling.
enum class Picture {
    None,
    DecimalPoint,
    DecimalComma, // the decimal key where numbers carry a comma
    Equals,
    Backspace,
    Plus,
    Minus,
    Times,
    Divide,
    TenToX,
    EToX,
    YRootOfX,
    SquareRoot,
    XToY,
    XSquared,
};

// Draws a picture designed on a 16 x 16 grid into the target square. With an opaque ground the picture's
// silver background is painted too; otherwise the key's own colour shows through.
void drawPicture(QPainter& painter, Picture picture, const QRectF& target, bool opaqueGround = false);

// The application icon: a spindle whose upper cone and middle band are cyan (grey in the small 16-pixel
// image), over a silver lower cone. Drawn for whatever size and scaling it is asked for.
QIcon applicationIcon();

} // namespace orbetta::look
