#include "look/pictures.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

#include <algorithm>

namespace orbetta::look {

namespace {

const QColor kInk{0, 0, 0};
const QColor kCyan{0, 255, 255};
const QColor kDarkBlue{0, 0, 128};
const QColor kSilver{192, 192, 192};
const QColor kGrey{128, 128, 128};

QPen strokePen(const QColor& colour, qreal width = 1.3) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A small "x" with its top-left corner at (left, top), size units square.
QPainterPath letterX(qreal left, qreal top, qreal size) {
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(left + size, top + size);
    path.moveTo(left + size, top);
    path.lineTo(left, top + size);
    return path;
}

QPainterPath letterY(qreal left, qreal top, qreal size) {
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(left + size / 2, top + size * 0.6);
    path.moveTo(left + size, top);
    path.lineTo(left + size * 0.3, top + size * 1.3);
    return path;
}

QPainterPath rootSign(qreal left, qreal bottom, qreal right, qreal top) {
    QPainterPath path;
    path.moveTo(left, bottom - 4.5);
    path.lineTo(left + 1.5, bottom - 5.5);
    path.lineTo(left + 4, bottom);
    path.lineTo(left + 7, top);
    path.lineTo(right, top);
    return path;
}

void drawSymbol(QPainter& p, Picture picture) {
    switch (picture) {
    case Picture::None:
        break;
    case Picture::DecimalPoint:
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QRectF(6.5, 9.5, 3, 3));
        break;
    case Picture::DecimalComma: {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QRectF(6.5, 8.5, 3, 3));
        QPainterPath tail;
        tail.moveTo(9.4, 10);
        tail.quadTo(9.6, 12.8, 6.9, 14.2);
        p.setPen(strokePen(kInk, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tail);
        break;
    }
    case Picture::Equals:
        p.fillRect(QRectF(3, 5, 10, 2), kInk);
        p.fillRect(QRectF(3, 9, 10, 2), kInk);
        break;
    case Picture::Backspace: {
        QPainterPath arrow;
        arrow.moveTo(1, 8);
        arrow.lineTo(6.5, 2.5);
        arrow.lineTo(6.5, 5.5);
        arrow.lineTo(15, 5.5);
        arrow.lineTo(15, 10.5);
        arrow.lineTo(6.5, 10.5);
        arrow.lineTo(6.5, 13.5);
        arrow.closeSubpath();
        p.setPen(QPen(kCyan, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(kInk);
        p.drawPath(arrow);
        break;
    }
    case Picture::Plus:
        p.fillRect(QRectF(3, 7, 10, 2), kInk);
        p.fillRect(QRectF(7, 3, 2, 10), kInk);
        break;
    case Picture::Minus:
        p.fillRect(QRectF(3, 7, 10, 2), kInk);
        break;
    case Picture::Times:
        p.setPen(strokePen(kInk, 1.8));
        p.drawPath(letterX(4.5, 4.5, 7));
        break;
    case Picture::Divide:
        p.setPen(strokePen(kInk, 1.8));
        p.drawLine(QPointF(4.5, 13), QPointF(11.5, 3));
        break;
    case Picture::TenToX: {
        QPainterPath one;
        one.moveTo(1.2, 6.5);
        one.lineTo(3, 4.8);
        one.lineTo(3, 13.2);
        p.setPen(strokePen(kInk));
        p.setBrush(Qt::NoBrush);
        p.drawPath(one);
        p.drawEllipse(QRectF(5, 4.8, 4, 8.4));
        p.drawPath(letterX(10.5, 1.5, 4));
        break;
    }
    case Picture::EToX: {
        QPainterPath e;
        e.moveTo(2, 9.5);
        e.lineTo(8, 9.5);
        e.arcTo(QRectF(2, 6, 6, 7), 0, 300);
        p.setPen(strokePen(kInk));
        p.setBrush(Qt::NoBrush);
        p.drawPath(e);
        p.drawPath(letterX(10.5, 1.5, 4));
        break;
    }
    case Picture::YRootOfX:
        p.setPen(strokePen(kInk, 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(letterY(0.8, 1, 3.2));
        p.drawPath(rootSign(1, 14.5, 15.2, 2.5));
        p.drawPath(letterX(9.2, 6.8, 4.6));
        break;
    case Picture::SquareRoot: {
        const QPainterPath root = rootSign(1.2, 13.6, 14.4, 2.2);
        p.setBrush(Qt::NoBrush);
        p.setPen(strokePen(kDarkBlue, 1.6));
        p.drawPath(root.translated(0.9, 0.9));
        p.setPen(strokePen(kInk, 1.3));
        p.drawPath(root);
        break;
    }
    case Picture::XToY:
        p.setPen(strokePen(kInk));
        p.setBrush(Qt::NoBrush);
        p.drawPath(letterX(2, 7, 6));
        p.drawPath(letterY(10, 1.5, 4));
        break;
    case Picture::XSquared: {
        p.setPen(strokePen(kInk));
        p.setBrush(Qt::NoBrush);
        p.drawPath(letterX(2, 7, 6));
        QPainterPath two;
        two.moveTo(10.2, 3.6);
        two.cubicTo(10.4, 1.4, 14.2, 1.4, 13.8, 3.8);
        two.lineTo(10.2, 8.0);
        two.lineTo(14.2, 8.0);
        p.setPen(strokePen(kInk, 1.1));
        p.drawPath(two);
        break;
    }
    }
}

// The spindle on a grid of `grid` units: 32 for the large image, 16 for the small one.
void drawSpindle(QPainter& p, int grid) {
    const bool small = grid <= 16;
    const QColor body = small ? kGrey : kCyan;
    const qreal u = grid / 32.0;
    const qreal mid = grid / 2.0;
    const qreal bandTop = (small ? 12 : 13) * u;
    const qreal bandBottom = (small ? 20 : 19) * u;
    const qreal coneHalf = 11 * u;
    const QPen outline(QColor(64, 64, 64), small ? 0.6 : 1.0);

    QPainterPath upper;
    upper.moveTo(mid, 0.5 * u);
    upper.lineTo(mid + coneHalf, bandTop);
    upper.lineTo(mid - coneHalf, bandTop);
    upper.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(upper);
    p.save();
    p.setClipPath(upper);
    for (qreal y : {4.0, 8.5})
        p.fillRect(QRectF(0, y * u, grid, 2 * u), kSilver);
    p.restore();
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(upper);

    // The lower cone is silver, lit from the left.
    QPainterPath lower;
    lower.moveTo(mid - coneHalf, bandBottom);
    lower.lineTo(mid + coneHalf, bandBottom);
    lower.lineTo(mid, grid - 0.5 * u);
    lower.closeSubpath();
    QLinearGradient metal(mid - coneHalf, 0, mid + coneHalf, 0);
    metal.setColorAt(0.0, QColor(240, 240, 240));
    metal.setColorAt(0.45, kSilver);
    metal.setColorAt(1.0, kGrey);
    p.setBrush(metal);
    p.drawPath(lower);

    p.setBrush(body);
    if (small)
        p.setPen(Qt::NoPen);
    p.drawRect(QRectF(0.5 * u, bandTop, grid - 1.0 * u, bandBottom - bandTop));
}

class SpindleIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const int side = std::min(rect.width(), rect.height());
        const int grid = side <= 20 ? 16 : 32;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / qreal(grid), side / qreal(grid));
        drawSpindle(*painter, grid);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // The size is in device pixels; the figure is chosen and drawn for its logical size. The figure is the
    // same in every mode and state, and the window system asks for the same sizes more than once while a
    // window is made, so each size is drawn once.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        const QString cacheKey = QStringLiteral("orbetta-spindle-%1x%2@%3")
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(qRound(scale * 100));
        QPixmap image;
        if (QPixmapCache::find(cacheKey, &image))
            return image;
        image = QPixmap(size);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), (QSizeF(size) / scale).toSize()), mode, state);
        painter.end();
        QPixmapCache::insert(cacheKey, image);
        return image;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(16, 16), QSize(32, 32)}; }
    QIconEngine* clone() const override { return new SpindleIconEngine; }
    QString key() const override { return QStringLiteral("orbetta-spindle"); }
};

} // namespace

void drawPicture(QPainter& painter, Picture picture, const QRectF& target, bool opaqueGround) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / 16.0, target.height() / 16.0);
    if (opaqueGround)
        painter.fillRect(QRectF(0, 0, 16, 16), kSilver);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSymbol(painter, picture);
    painter.restore();
}

QIcon applicationIcon() {
    return QIcon(new SpindleIconEngine);
}

} // namespace orbetta::look
