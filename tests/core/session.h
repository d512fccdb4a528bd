#pragma once

#include "core/failure.h"
#include "support/recording_host.h"

#include <QString>
#include <QStringList>

namespace orbetta::testing {

// The error report's box texts, as the calculator words them.
inline QString reportOf(FailureKind kind) {
    const std::string text = describe(kind);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline const QString kNotANumber = reportOf(FailureKind::NotANumber);
inline const QString kOverflow = reportOf(FailureKind::Overflow);
inline const QString kDivisionByZero = reportOf(FailureKind::DivisionByZero);
inline const QString kInvalidArgument = reportOf(FailureKind::InvalidArgument);

// Fixed-text refusals as they appear among the recorded events (exclamation icon).
inline const QString kCantDivide = QStringLiteral("!can't divide by 0!");
inline const QString kCantLog = QStringLiteral("!can't take log of 0 or - numbers");
inline const QString kAntilogRange = QStringLiteral("!x must be >-323 and <307");
inline const QString kExpRange = QStringLiteral("!x must be >-744 and <709");
inline const QString kNegativeRoot = QStringLiteral("!can't take square root of a negative number");
inline const QString kSquareRange = QStringLiteral("!outside the range: >1E-162 and <1E+103");

// The events of a failing guarded step: a beep, then the description box without icon.
inline QStringList report(const QString& description) {
    return {QStringLiteral("beep"), description};
}

// A calculator just loaded into its window, with everything the window would show recorded.
struct Session {
    RecordingHost host;
    Calculator calc{host};

    Session() { calc.start(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Session& press(const QString& keys) {
        testing::press(calc, host, keys.toStdString());
        return *this;
    }
    QString display() const { return QString::fromStdString(host.display); }
    QString valueText() const { return QString::fromStdString(calc.entryText); }
    QString resultText() const { return QString::fromStdString(calc.result.toText()); }
    QStringList tape() const {
        QStringList out;
        for (const std::string& line : host.tape)
            out << QString::fromStdString(line);
        return out;
    }
    QStringList events() const {
        QStringList out;
        for (const std::string& e : host.events)
            out << QString::fromStdString(e);
        return out;
    }
};

} // namespace orbetta::testing
