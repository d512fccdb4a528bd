#pragma once

#include "ui/decimal_sign.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Numbers as a row's locale variables write them, such as "LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8": the
// variables named are set, the others of LC_ALL, LC_NUMERIC and LANG unset, and the decimal sign is chosen
// from them as at start-up. The variables come back and the sign is the point again when it goes. An empty
// text changes nothing.
class LocaleNumbers {
public:
    explicit LocaleNumbers(const QString& environment) : used_(!environment.isEmpty()) {
        if (!used_)
            return;
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (qEnvironmentVariableIsSet(kNames[i]))
                saved_[i] = qgetenv(kNames[i]);
            qunsetenv(kNames[i]);
        }
        for (const QString& setting : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            qputenv(setting.section(QLatin1Char('='), 0, 0).toLatin1().constData(),
                    setting.section(QLatin1Char('='), 1).toLatin1());
        orbetta::ui::chooseDecimalSign(orbetta::ui::numericLocaleName());
    }
    ~LocaleNumbers() {
        if (!used_)
            return;
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (saved_[i])
                qputenv(kNames[i], *saved_[i]);
            else
                qunsetenv(kNames[i]);
        }
        orbetta::ui::chooseDecimalSign("C");
    }
    LocaleNumbers(const LocaleNumbers&) = delete;
    LocaleNumbers& operator=(const LocaleNumbers&) = delete;

private:
    static constexpr std::array<const char*, 3> kNames{"LC_ALL", "LC_NUMERIC", "LANG"};
    bool used_;
    std::array<std::optional<QByteArray>, 3> saved_;
};
