#include "look/contrast.h"

#include <algorithm>
#include <cmath>

namespace orbetta::look {

namespace {

// The relative luminance of an sRGB colour: each channel made linear, then weighted as the eye sees it.
double luminance(const QColor& colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableTextOn(const QColor& background) {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    // Black is kept where both read equally well: it is the layout's own text colour.
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

} // namespace orbetta::look
