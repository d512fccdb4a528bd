#include "ui/decimal_sign.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <cstdlib>

namespace orbetta::ui {

namespace {

char chosenSign = '.';

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string numericLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

char decimalSignOf(std::string_view localeName) {
    // "de_DE.UTF-8" and "de_DE@euro" name the locale "de_DE"; Qt's own data knows its numbers, whether or
    // not the system has generated the locale.
    const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX")
        return '.';
    const QLocale locale(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    return locale.decimalPoint() == QLatin1String(",") ? ',' : '.';
}

void chooseDecimalSign(std::string_view localeName) {
    chosenSign = decimalSignOf(localeName);
}

char decimalSign() {
    return chosenSign;
}

std::string shownNumbers(std::string_view text) {
    std::string shown(text);
    if (chosenSign == '.')
        return shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] != '.')
            continue;
        const char before = i > 0 ? shown[i - 1] : ' ';
        const char after = i + 1 < shown.size() ? shown[i + 1] : ' ';
        const bool alone = (before == ' ' || before == '-') && after == ' ';
        if (isDigit(before) || isDigit(after) || alone)
            shown[i] = chosenSign;
    }
    return shown;
}

std::string engineNumber(std::string_view text) {
    std::string number(text);
    if (chosenSign == ',')
        std::ranges::replace(number, ',', '.');
    return number;
}

std::string pastedNumber(std::string_view text) {
    if (chosenSign == ',' && std::ranges::count(text, ',') == 1 && text.find('.') == std::string_view::npos)
        return engineNumber(text);
    return std::string(text);
}

} // namespace orbetta::ui
