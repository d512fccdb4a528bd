#pragma once

#include <QColor>

namespace orbetta::look {

// The contrast between two colours as the web's accessibility guidelines measure it: from 1 (the same
// luminance) to 21 (black on white). Normal text needs 4.5 to be read with ease.
double contrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever reads better on the background. One of the two always reaches 4.5:1.
QColor readableTextOn(const QColor& background);

} // namespace orbetta::look
