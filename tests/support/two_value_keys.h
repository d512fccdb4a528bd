#pragma once

#include "core/keys.h"

#include <QString>

namespace orbetta::testing {

// The two-value key whose dialog bears this caption, compared exactly. Any other caption stands for the sine
// key, which opens no two-value dialog.
inline Function twoValueKeyCaptioned(const QString& caption) {
    for (const TwoValueRow& row : kTwoValueKeys) {
        if (caption.toStdString() == row.caption)
            return row.function;
    }
    return Function::Sine;
}

} // namespace orbetta::testing
