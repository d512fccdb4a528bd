#pragma once

#include "ui/decimal_sign.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <utility>

// English words and German numbers: a decimal comma.
inline const QString kGermanNumbers = QStringLiteral("LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8");

// The locale variables a row names, such as "LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8", set and the others
// unset, with the decimal sign chosen from them as at start-up; the variables come back and the sign is the
// point again when it goes. An empty text changes nothing.
class LocaleNumbers {
public:
    explicit LocaleNumbers(const QString& environment) : used_(!environment.isEmpty()) {
        if (!used_)
            return;
        for (auto& [name, value] : saved_) {
            value = qgetenv(name); // null when unset
            qunsetenv(name);
        }
        for (const QString& setting : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            qputenv(setting.section(QLatin1Char('='), 0, 0).toLatin1().constData(),
                    setting.section(QLatin1Char('='), 1).toUtf8());
        orbetta::ui::chooseDecimalSign(orbetta::ui::numericLocaleName());
    }
    ~LocaleNumbers() {
        if (!used_)
            return;
        for (const auto& [name, value] : saved_)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        orbetta::ui::chooseDecimalSign("C");
    }
    LocaleNumbers(const LocaleNumbers&) = delete;
    LocaleNumbers& operator=(const LocaleNumbers&) = delete;

private:
    bool used_;
    std::array<std::pair<const char*, QByteArray>, 5> saved_{
        {{"LANGUAGE", {}}, {"LC_ALL", {}}, {"LC_MESSAGES", {}}, {"LC_NUMERIC", {}}, {"LANG", {}}}};
};
