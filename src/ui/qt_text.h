#pragma once

#include <QString>

#include <string_view>

namespace orbetta::ui {

// The engine's UTF-8 text as the windows show it.
inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace orbetta::ui
