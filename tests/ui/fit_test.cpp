// Every caption, label, button and prompt of the fixed windows fits its control, in every shipped language
// and in a pseudo-language whose texts are about 40 % longer and accented. A shipped language's misfit fails;
// the pseudo-language's misfits are listed, since its texts are longer than any translation needs to be.

#include "core/keys.h"
#include "core/words.h"
#include "main_window_fixture.h"
#include "ui/about_window.h"
#include "ui/colour_chooser.h"
#include "ui/language.h"
#include "ui/tape_window.h"
#include "ui/two_value_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTranslator>
#include <QtTest>

namespace {

// A text about 40 % longer, its letters accented, its placeholders, underlined letter and lines kept.
QString pseudo(const QString& text) {
    static const QString plain = QStringLiteral("aeiouyAEIOUYcnsz");
    static const QString accented = QStringLiteral("áéîõüýÅÉÎÕÜÝçñšž");
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const qsizetype words =
            line.contains(QLatin1Char('\t')) ? line.indexOf(QLatin1Char('\t')) : line.size();
        const qsizetype letters = line.left(words).count(QRegularExpression(QStringLiteral("\\w")));
        for (qsizetype i = 0; i < words; ++i) {
            const qsizetype at = plain.indexOf(line.at(i));
            const QChar before = i > 0 ? line.at(i - 1) : QChar();
            if (at >= 0 && before != QLatin1Char('%') &&
                before != QLatin1Char('&')) // %n, an underlined letter
                line[i] = accented.at(at);
        }
        if (letters > 0) // the other 40 %
            line.insert(words, QLatin1Char(' ') + QString((letters * 2 + 4) / 5, QChar(0x00B7)));
    }
    return lines.join(QLatin1Char('\n'));
}

// The program's own texts, as the German translation knows them, in the pseudo-language; others untouched.
class PseudoTranslator : public QTranslator {
public:
    PseudoTranslator() {
        if (!known_.load(QStringLiteral(ORBETTA_BUILD_DIR "/translations/orbetta_de.qm")))
            qFatal("cannot read the German translation");
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        return known_.translate(context, source, disambiguation, n).isEmpty()
                   ? QString()
                   : pseudo(QString::fromUtf8(source));
    }

private:
    QTranslator known_;
};

std::string pseudoWords(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str()).toStdString();
}

// The widest line of a control's text as it is drawn: without the "&" that underlines a letter, and without a
// menu's key.
int widest(const QFontMetrics& metrics, QString text) {
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    int width = 0;
    for (const QString& line : text.left(text.indexOf(QLatin1Char('\t'))).split(QLatin1Char('\n')))
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

// What does not fit in a window: "Funct(12) 'random #': 52 > 40".
QStringList misfitsIn(QWidget* window) {
    QStringList misfits;
    const auto note = [&](QWidget* control, const QString& text, int need, int room) {
        if (need > room)
            misfits << QStringLiteral("%1 %2 '%3': %4 > %5")
                           .arg(window->objectName(), control->objectName(), text)
                           .arg(need)
                           .arg(room);
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(control->font());
        const int room = control->contentsRect().width();
        auto* button = qobject_cast<QAbstractButton*>(control);
        auto* label = qobject_cast<QLabel*>(control);
        if (label && (label->text().isEmpty() || !label->pixmap().isNull()))
            continue;
        if (auto* check = qobject_cast<QCheckBox*>(control)) {
            const int box = check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check) +
                            check->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check);
            note(check, check->text(), box + widest(metrics, check->text()), room);
        } else if (button || (label && !label->wordWrap())) {
            const QString text = button ? button->text() : label->text();
            note(control, text, widest(metrics, text), room);
        } else if (label) {
            note(label, label->text(), label->heightForWidth(label->width()), label->height());
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
            // The box wraps its lines; it shows as many as its height holds, the last one nearly whole.
            note(edit, edit->toPlainText(), int(edit->document()->size().height()),
                 qRound(edit->viewport()->height() / double(metrics.lineSpacing())));
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            // The longest English entries are cut already; no entry may be cut more than they are.
            int field =
                combo->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                    .width();
            for (const orbetta::ListFunctionRow& row : orbetta::kListFunctionRows)
                field = std::max(field, metrics.horizontalAdvance(QString::fromUtf8(row.name)));
            for (int i = 0; i < combo->count(); ++i)
                note(combo, combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)), field);
        }
    }
    return misfits;
}

QWidget* topLevelNamed(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

} // namespace

class FitTest : public MainWindowTestCase {
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup();

    void everyTextFits_data();
    void everyTextFits();

private:
    QStringList misfitsOfEveryWindow();
    PseudoTranslator pseudo_;
};

void FitTest::cleanup() {
    closeWindow();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("HelpViewer"))
            delete widget;
    setColourChoiceStep({});
    orbetta::ui::removeTranslations();
    QCoreApplication::removeTranslator(&pseudo_);
}

QStringList FitTest::misfitsOfEveryWindow() {
    QStringList misfits;
    calc_ = std::make_unique<RecordingCalc>();
    showWindow();
    misfits << misfitsIn(calc_.get());
    // The list shows every entry in turn in its field.
    calc_->click("Command1");
    misfits << misfitsIn(calc_.get());
    calc_->setListVisible(false);
    for (const char* key : {"Funct(8)", "Funct(10)", "Funct(12)"}) {
        calc_->control<QAbstractButton>(key)->click();
        TwoValueDialog* dialog = calc_->twoValueDialog();
        if (!dialog || !QTest::qWaitForWindowExposed(dialog)) {
            misfits << QStringLiteral("%1 opened no dialog").arg(key);
            continue;
        }
        misfits << misfitsIn(dialog);
        dialog->hide();
    }
    const auto measure = [&](QWidget* window) {
        if (window) {
            misfits << misfitsIn(window);
            window->close();
        }
    };
    calc_->control<QAbstractButton>("Command3")->click();
    measure(topLevelNamed(QStringLiteral("frmAbout")));
    calc_->toggleTape();
    measure(calc_->tapeWindow());
    calc_->control<QAbstractButton>("Command2")->click();
    measure(topLevelNamed(QStringLiteral("HelpViewer")));
    setColourChoiceStep([&](QColorDialog& chooser) -> std::optional<QColor> {
        chooser.setObjectName(QStringLiteral("ColourChooser"));
        chooser.show();
        if (QTest::qWaitForWindowExposed(&chooser))
            misfits << misfitsIn(&chooser);
        return std::nullopt;
    });
    calc_->control<QAbstractButton>("Command4")->click();
    return misfits;
}

void FitTest::everyTextFits_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    for (std::string_view language : orbetta::ui::kShippedLanguages)
        QTest::newRow(std::string(language).c_str()) << QString::fromUtf8(language.data(), language.size());
    QTest::newRow("pseudo-language") << "pseudo";
}

void FitTest::everyTextFits() {
    QFETCH(QString, language);
    if (language == QLatin1String("pseudo")) {
        QCoreApplication::installTranslator(&pseudo_);
        orbetta::setTranslator(&pseudoWords);
    } else {
        const QByteArray name = language.toLatin1();
        const auto environment = [&](const char* variable) {
            return std::string_view(variable) == "LANGUAGE" ? name.constData() : nullptr;
        };
        QCOMPARE(orbetta::ui::installTranslations(environment, QStringLiteral(ORBETTA_BUILD_DIR)),
                 language == QLatin1String("en") ? QString() : language);
    }
    QStringList misfits = misfitsOfEveryWindow();
    misfits.removeDuplicates();
    if (language == QLatin1String("pseudo")) {
        for (const QString& misfit : misfits)
            qInfo("does not fit: %s", qPrintable(misfit));
        return;
    }
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
}

QTEST_MAIN(FitTest)
#include "fit_test.moc"
