#pragma once

#include <QString>

#include <algorithm>

namespace orbetta::access {

// What the program's text interfaces share with a screen reader.

// The text from startOffset to endOffset, both brought inside the text.
inline QString textBetween(const QString& all, int startOffset, int endOffset) {
    const auto start = std::clamp<qsizetype>(startOffset, 0, all.size());
    const auto end = std::clamp<qsizetype>(endOffset, start, all.size());
    return all.mid(start, end - start);
}

// No text attributes are told: the whole text of count characters is one run without any.
inline QString noAttributes(int count, int offset, int* startOffset, int* endOffset) {
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = count;
    return {};
}

} // namespace orbetta::access
