#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

namespace orbetta::ui {

// The engine's UTF-8 text as the windows show it.
inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the keys' table (a spoken name, a word caption, a list entry, a prompt) in the user's language.
inline QString keyText(std::string_view text) {
    return QCoreApplication::translate("Keys", std::string(text).c_str());
}

} // namespace orbetta::ui
