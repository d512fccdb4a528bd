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
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QStyleOptionButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The texts the program has for translation, by context, as lupdate found them.
QSet<QString> translatableTexts() {
    QSet<QString> texts;
    QFile file(QStringLiteral(ORBETTA_SOURCE_DIR "/translations/orbetta_de.ts"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            texts.insert(context + QLatin1Char('\x04') + xml.readElementText());
    }
    return texts;
}

// A text about 40 % longer, its letters accented, its placeholders, underlined letter and lines kept.
QString pseudo(const QString& text) {
    static const QString plain = QStringLiteral("aeiouyAEIOUYcnsz");
    static const QString accented = QStringLiteral("áéîõüýÅÉÎÕÜÝçñšž");
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        QString words = tab < 0 ? line : line.left(tab);
        const QString rest = tab < 0 ? QString() : line.mid(tab);
        QString out;
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QChar c = words.at(i);
            if (c == QLatin1Char('%') && i + 1 < words.size()) { // %1, %n
                out += c;
                out += words.at(++i);
                continue;
            }
            const qsizetype at = plain.indexOf(c);
            out += at < 0 || (i > 0 && words.at(i - 1) == QLatin1Char('&')) ? c : accented.at(at);
        }
        const qsizetype letters = words.count(QRegularExpression(QStringLiteral("\\w")));
        if (letters > 0)
            out += QLatin1Char(' ') + QString((letters * 2 + 4) / 5, QChar(0x00B7)); // the other 40 %
        lines << out + rest;
    }
    return lines.join(QLatin1Char('\n'));
}

class PseudoTranslator : public QTranslator {
public:
    PseudoTranslator() : texts_(translatableTexts()) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        const QString text = QString::fromUtf8(source);
        if (!texts_.contains(QString::fromUtf8(context) + QLatin1Char('\x04') + text))
            return {};
        return pseudo(text);
    }

private:
    QSet<QString> texts_;
};

std::string pseudoWords(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str()).toStdString();
}

// A control's text as it is drawn: without the "&" that underlines a letter, and without a menu's key.
QString shown(QString text) {
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return text.left(text.indexOf(QLatin1Char('\t')));
}

int widest(const QFontMetrics& metrics, const QString& text) {
    int width = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
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
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!control->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(control->font());
        const QRect room = control->contentsRect();
        if (auto* check = qobject_cast<QCheckBox*>(control)) {
            const int box = check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check) +
                            check->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check);
            note(check, check->text(), box + widest(metrics, shown(check->text())), room.width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            if (!button->text().isEmpty())
                note(button, button->text(), widest(metrics, shown(button->text())), room.width());
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            if (label->wordWrap())
                note(label, label->text(), label->heightForWidth(label->width()), label->height());
            else
                note(label, label->text(), widest(metrics, shown(label->text())), room.width());
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
            // The box wraps its lines; it shows as many as its height holds, the last one nearly whole.
            const int lines = int(edit->document()->size().height());
            note(edit, edit->toPlainText(), lines,
                 qRound(edit->viewport()->height() / double(metrics.lineSpacing())));
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            // The longest English entries are cut already; no entry may be cut more than they are.
            int room = field.width();
            for (const orbetta::ListFunctionRow& row : orbetta::kListFunctionRows)
                room = std::max(room, metrics.horizontalAdvance(QString::fromUtf8(row.name)));
            for (int i = 0; i < combo->count(); ++i)
                note(combo, combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)), room);
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
    void initTestCase();
    void cleanup();

    void everyTextFits_data();
    void everyTextFits();

private:
    QStringList misfitsOfEveryWindow();
    std::unique_ptr<PseudoTranslator> pseudo_;
};

void FitTest::initTestCase() {
    setUpProgram();
}

void FitTest::cleanup() {
    closeWindow();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("HelpViewer"))
            delete widget;
    setColourChoiceStep({});
    orbetta::ui::removeTranslations();
    if (pseudo_) {
        QCoreApplication::removeTranslator(pseudo_.get());
        pseudo_.reset();
    }
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
    calc_->control<QAbstractButton>("Command3")->click();
    if (QWidget* about = topLevelNamed(QStringLiteral("frmAbout"))) {
        misfits << misfitsIn(about);
        about->close();
    }
    calc_->toggleTape();
    if (QWidget* tape = calc_->tapeWindow()) {
        misfits << misfitsIn(tape);
        tape->close();
    }
    calc_->control<QAbstractButton>("Command2")->click();
    if (QWidget* help = topLevelNamed(QStringLiteral("HelpViewer"))) {
        misfits << misfitsIn(help);
        help->close();
    }
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
        pseudo_ = std::make_unique<PseudoTranslator>();
        QCoreApplication::installTranslator(pseudo_.get());
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
