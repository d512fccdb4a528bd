#include "ui/keyboard.h"

#include "core/keys.h"

#include <QKeyEvent>

namespace orbetta::ui {

namespace {

// The first character of the key's text, unless it is a control character from a key that types nothing.
std::optional<int> textCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    const char16_t first = text.at(0).unicode();
    if (first < 32 || first == 127)
        return std::nullopt;
    return static_cast<int>(first);
}

} // namespace

std::optional<int> typedCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const int key = event.key();

    if (alt && !control)
        return std::nullopt;
    if (modifiers.testFlag(Qt::KeypadModifier) && (key == Qt::Key_Period || key == Qt::Key_Comma))
        return '.';
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnterCode;
    case Qt::Key_Backspace:
        return kBackspaceCode;
    case Qt::Key_Escape:
        return kEscapeCode;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    // Control with a letter types its control code; Control with Alt may be the key that types a third
    // character on some layouts, which the text below carries.
    if (control && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        switch (key) {
        case Qt::Key_BracketLeft:
            return 27;
        case Qt::Key_Backslash:
            return 28;
        case Qt::Key_BracketRight:
            return 29;
        default:
            return std::nullopt;
        }
    }
    return textCharacter(event);
}

std::optional<int> typedIntoBox(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (event.modifiers().testFlag(Qt::KeypadModifier) &&
        (event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma))
        return textCharacter(event);
    return typedCharacter(event);
}

} // namespace orbetta::ui
