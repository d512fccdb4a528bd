#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QPainter;
class QRect;

namespace orbetta::look {

// The desktop colour roles the windows were designed with, as fixed colours, so the calculator looks the same
// on a light or a dark desktop theme.
namespace classic {
inline const QColor kButtonFace{192, 192, 192};      // button face, scroll bars, inactive caption text
inline const QColor kButtonShadow{128, 128, 128};    // button shadow, application workspace
inline const QColor kButtonHighlight{255, 255, 255}; // button highlight, window background
inline const QColor kWindowText{0, 0, 0};
inline const QColor kToolTipBackground{255, 255, 225};
inline const QColor kDisplayText{0, 255, 255};
} // namespace classic

// A palette in which every role has its classic colour, so a widget given it inherits nothing from its
// parent.
QPalette classicPalette();

// The installed font that stands for a font named in the window layouts ("MS Sans Serif", "Arial", "Arial
// Black", "Symbol"), at the given point size.
QFont layoutFont(const QString& layoutFamily, qreal points, bool bold = false, bool italic = false);
// The font of controls that name none: "MS Sans Serif" 8.25 pt.
QFont defaultLayoutFont();

// A classic three-dimensional edge two pixels wide, raised (a key) or sunken (a pressed key, a text box).
void drawBevel(QPainter& painter, const QRect& rect, bool sunken);

// Makes tool tips, message boxes and the other windows of the program use the classic look too.
void applyClassicLook();

} // namespace orbetta::look
