// The main window as laid out: places, faces, fonts, colours, tab order and the state it opens in.
#include "main_window_fixture.h"

#include "look/classic_look.h"
#include "look/pictures.h"
#include "settings/preferences.h"
#include "ui/keybutton.h"

#include <QAccessible>
#include <QComboBox>
#include <QFontInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using orbetta::look::Picture;
using orbetta::ui::KeyButton;

namespace {

const QColor kFace(192, 192, 192);
const QColor kPaleYellow(255, 255, 225);
const QColor kMidGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kOff(255, 128, 128);

struct FontRow {
    QString family;
    double points;
    bool bold;
    bool italic;
    bool black;
};

const FontRow kDefault{"Liberation Sans", 8.25, false, false, false};
const FontRow kArial{"Liberation Sans", 8.25, false, false, false};
const FontRow kArialItalic{"Liberation Sans", 8.25, false, true, false};
const FontRow kArialSmall{"Liberation Sans", 6.75, false, false, false};
const FontRow kArialSmallItalic{"Liberation Sans", 6.75, false, true, false};
const FontRow kArialBoldItalic{"Liberation Sans", 8.25, true, true, false};

} // namespace

Q_DECLARE_METATYPE(FontRow)

class FrmCalcLayoutTest : public MainWindowTestCase {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void window();
    void geometry_data();
    void geometry();
    void keys_data();
    void keys();
    void display();
    void list();
    void tabOrder();
    void openingState();
    void startColour_data();
    void startColour();
    void chosenColourRecoloursWindowAndFramesOnly();
    void accessibleNames();
    void displayReportsChanges();
    void pictures_data();
    void pictures();
    void applicationIcon();

private:
};

void FrmCalcLayoutTest::initTestCase() {
    setUpProgram();
}

void FrmCalcLayoutTest::init() {
    makeWindow();
    showWindow();
}

void FrmCalcLayoutTest::cleanup() {
    closeWindow();
}

void FrmCalcLayoutTest::window() {
    QCOMPARE(calc_->windowTitle(), QStringLiteral("Orbetta"));
    QCOMPARE(calc_->geometry(), QRect(69, 97, 184, 298));
    QCOMPARE(calc_->minimumSize(), QSize(184, 298));
    QCOMPARE(calc_->maximumSize(), QSize(184, 298));
    const Qt::WindowFlags flags = calc_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!calc_->windowIcon().isNull());
    QCOMPARE(QFontInfo(calc_->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(calc_->font().pointSizeF(), 8.25);
}

void FrmCalcLayoutTest::geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // in the window's client area, in pixels at 100 %

    QTest::newRow("display") << "Text1" << QRect(8, 8, 169, 25);
    QTest::newRow("function panel") << "Frame2" << QRect(8, 32, 169, 115);
    QTest::newRow("keypad") << "Frame3" << QRect(8, 147, 169, 145);
    QTest::newRow("list") << "Combo1" << QRect(16, 120, 156, 21);

    const int keyX[] = {16, 48, 80, 112, 144};
    const int keyY[] = {163, 195, 227, 259};
    const char* keypad[4][5] = {{"Num(7)", "Num(8)", "Num(9)", "Command16", "Command17"},
                                {"Num(4)", "Num(5)", "Num(6)", "Oper(4)", "Oper(5)"},
                                {"Num(1)", "Num(2)", "Num(3)", "Oper(2)", "Oper(3)"},
                                {"Num(0)", "Command11", "Command12", "Command13", "Command20"}};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col)
            QTest::newRow(keypad[row][col]) << keypad[row][col] << QRect(keyX[col], keyY[row], 25, 25);

    const int fnY[] = {48, 67, 86, 105};
    const char* panel[4][5] = {{"Funct(0)", "Funct(4)", "Funct(8)", "Funct(19)", "Command2"},
                               {"Funct(1)", "Funct(5)", "Funct(9)", "Funct(13)", "Command3"},
                               {"Funct(2)", "Funct(6)", "Funct(10)", "Funct(14)", "Command4"},
                               {"Funct(3)", "Funct(7)", "Funct(11)", "Funct(15)", "Funct(17)"}};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col) {
            const bool raised = QByteArray(panel[row][col]) == "Funct(11)"; // 20 twips above its row
            QTest::newRow(panel[row][col])
                << panel[row][col] << QRect(keyX[col], fnY[row] - (raised ? 1 : 0), 26, 17);
        }
    QTest::newRow("function") << "Command1" << QRect(16, 124, 57, 17);
    QTest::newRow("fx") << "Funct(16)" << QRect(48, 124, 26, 17);
    QTest::newRow("random") << "Funct(12)" << QRect(80, 124, 57, 17);
    QTest::newRow("memory") << "Funct(18)" << QRect(144, 124, 26, 17);
}

void FrmCalcLayoutTest::geometry() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QWidget* w = calc_->control(name.toLatin1().constData());
    QVERIFY(w);
    QCOMPARE(QRect(w->mapTo(calc_.get(), QPoint(0, 0)), w->size()), rect);
}

void FrmCalcLayoutTest::keys_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<FontRow>("font");
    QTest::addColumn<bool>("picture");

    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("Num(%1)").arg(i);
        QTest::newRow(qPrintable(name))
            << name << QString::number(i) << QString() << kPaleYellow << kDefault << false;
    }
    QTest::newRow("decimal point") << "Command11"
                                   << ""
                                   << "decimal point" << kFace << kDefault << true;
    QTest::newRow("sign change") << "Command12"
                                 << "+/-"
                                 << "sign change" << kFace << kDefault << false;
    QTest::newRow("equal") << "Command13"
                           << ""
                           << "equal" << kFace << kDefault << true;
    QTest::newRow("backspace") << "Command16"
                               << ""
                               << "backspace" << kMidGrey << kDefault << true;
    QTest::newRow("clear all") << "Command17"
                               << "CE"
                               << "clear all" << kMidGrey
                               << FontRow{"Liberation Sans", 8.25, false, false, true} << false;
    QTest::newRow("off") << "Command20"
                         << "&off"
                         << "Exit" << kOff << kDefault << false;
    QTest::newRow("addition") << "Oper(2)"
                              << ""
                              << "addition" << kFace << kDefault << true;
    QTest::newRow("subtraction") << "Oper(3)"
                                 << ""
                                 << "subtraction" << kFace << kDefault << true;
    QTest::newRow("multiplication") << "Oper(4)"
                                    << ""
                                    << "multiplication" << kFace << kDefault << true;
    QTest::newRow("division") << "Oper(5)"
                              << ""
                              << "division" << kFace << kDefault << true;

    QTest::newRow("log") << "Funct(0)"
                         << "log"
                         << "common logarithm" << kFace << kArialSmallItalic << false;
    QTest::newRow("ln") << "Funct(1)"
                        << "ln"
                        << "natural logarithm" << kFace << kArialItalic << false;
    QTest::newRow("10^x") << "Funct(2)"
                          << ""
                          << "common antilog" << kFace << kDefault << true;
    QTest::newRow("e^x") << "Funct(3)"
                         << ""
                         << "natural antilog" << kFace << kDefault << true;
    QTest::newRow("sin") << "Funct(4)"
                         << "sin"
                         << "Sine" << kFace << kArialSmallItalic << false;
    QTest::newRow("cos") << "Funct(5)"
                         << "cos"
                         << "Cosine" << kFace << kArialSmallItalic << false;
    QTest::newRow("tan") << "Funct(6)"
                         << "tan"
                         << "Tangent" << kFace << kArialSmallItalic << false;
    QTest::newRow("atn") << "Funct(7)"
                         << "atn"
                         << "Arctangent" << kFace << kArialSmallItalic << false;
    QTest::newRow("y root") << "Funct(8)"
                            << ""
                            << "y root of x" << kFace << kDefault << true;
    QTest::newRow("square root") << "Funct(9)"
                                 << ""
                                 << "square root" << kFace << kDefault << true;
    QTest::newRow("power") << "Funct(10)"
                           << ""
                           << "x to the power of y" << kFace << kDefault << true;
    QTest::newRow("square") << "Funct(11)"
                            << ""
                            << "square" << kFace << kDefault << true;
    QTest::newRow("random") << "Funct(12)"
                            << "random #"
                            << "random number" << kFace << kArial << false;
    QTest::newRow("pi") << "Funct(13)" << QString(QChar(0x03C0)) << "Pi number" << kFace
                        << FontRow{"Liberation Serif", 8.25, false, false, false} << false;
    QTest::newRow("reciprocal") << "Funct(14)"
                                << "1/x"
                                << "reciprocal" << kFace << kArialItalic << false;
    QTest::newRow("percent") << "Funct(15)"
                             << "%"
                             << "percent" << kFace << kDefault << false;
    QTest::newRow("fx") << "Funct(16)"
                        << "fx"
                        << "more functions" << kFace << kArialItalic << false;
    QTest::newRow("recall") << "Funct(17)"
                            << "RM"
                            << "recall from memory" << kFace << kArial << false;
    QTest::newRow("store") << "Funct(18)"
                           << "M"
                           << "memory" << kFace << kArial << false;
    QTest::newRow("angle") << "Funct(19)"
                           << "deg"
                           << "degree (click to change radian)" << kFace << kArialSmall << false;
    QTest::newRow("function") << "Command1"
                              << "function"
                              << "additional trigonometric functions" << kFace << kArialItalic << false;
    QTest::newRow("help") << "Command2"
                          << "?"
                          << "Help" << kWhite << kArialBoldItalic << false;
    QTest::newRow("about") << "Command3"
                           << "!"
                           << "About Orbetta" << kWhite << kArialBoldItalic << false;
    QTest::newRow("colour") << "Command4"
                            << "col"
                            << "Layout Preferences" << kWhite << kArialBoldItalic << false;
}

void FrmCalcLayoutTest::keys() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(QColor, face);
    QFETCH(FontRow, font);
    QFETCH(bool, picture);

    auto* key = calc_->control<KeyButton>(name.toLatin1().constData());
    QVERIFY(key);
    QCOMPARE(key->text(), caption);
    QCOMPARE(key->toolTip(), toolTip);
    QCOMPARE(key->faceColour(), face);
    QCOMPARE(key->picture() != Picture::None, picture);
    QCOMPARE(key->font().family(), font.family);
    QCOMPARE(QFontInfo(key->font()).family(), font.family); // the font is installed, not substituted
    QCOMPARE(key->font().pointSizeF(), font.points);
    QCOMPARE(key->font().weight(), font.black ? QFont::Black : font.bold ? QFont::Bold : QFont::Normal);
    QCOMPARE(key->font().italic(), font.italic);
}

void FrmCalcLayoutTest::display() {
    auto* text1 = calc_->control<QLineEdit>("Text1");
    QVERIFY(text1->isReadOnly());
    QCOMPARE(text1->maxLength(), 24);
    QVERIFY(text1->alignment().testFlag(Qt::AlignRight));
    QCOMPARE(text1->palette().color(QPalette::Base), QColor(0, 0, 0));
    QCOMPARE(text1->palette().color(QPalette::Text), QColor(0, 255, 255));
    QCOMPARE(QFontInfo(text1->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(text1->font().pointSizeF(), 8.25);
    QVERIFY(text1->font().bold());

    static_cast<orbetta::Host&>(*calc_).show("1234567890123456789012345678");
    QCOMPARE(calc_->display(), QStringLiteral("123456789012345678901234"));
    QCOMPARE(calc_->displayText(), std::string("123456789012345678901234"));
}

void FrmCalcLayoutTest::list() {
    auto* combo = calc_->control<QComboBox>("Combo1");
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->toolTip(), QStringLiteral("click the down-arrow to list available functions"));
    QCOMPARE(combo->palette().color(QPalette::Base), kWhite);
    QCOMPARE(combo->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(combo->count(), 20);
    QCOMPARE(combo->itemText(0), QStringLiteral("Secant"));
    QCOMPARE(combo->itemText(7), QStringLiteral("Inverse Cotangent"));
    QCOMPARE(combo->itemText(19), QStringLiteral("Inverse Hyperbolic Cotangent"));
    for (int i = 0; i < 20; ++i)
        QCOMPARE(combo->itemText(i), QString::fromLatin1(orbetta::kListFunctions[i]));
    QCOMPARE(combo->currentText(), QStringLiteral(" "));
    QCOMPARE(calc_->listText(), std::string(" "));
}

void FrmCalcLayoutTest::tabOrder() {
    const QStringList expected = {
        "Command13", "Command16", "Command20", "Funct(7)",  "Funct(1)",  "Funct(0)",  "Funct(4)",
        "Funct(5)",  "Funct(6)",  "Funct(9)",  "Funct(10)", "Funct(11)", "Funct(14)", "Funct(15)",
        "Funct(8)",  "Num(0)",    "Num(1)",    "Num(2)",    "Num(3)",    "Num(4)",    "Num(5)",
        "Num(6)",    "Num(7)",    "Num(8)",    "Num(9)",    "Command11", "Command12", "Oper(2)",
        "Oper(4)",   "Command17", "Oper(5)",   "Oper(3)",   "Funct(12)", "Funct(13)", "Funct(2)",
        "Funct(3)",  "Text1",     "Funct(16)", "Funct(17)", "Funct(18)", "Funct(19)", "Combo1",
        "Command1",  "Command2",  "Command3",  "Command4"};
    QStringList chain;
    QWidget* start = calc_->control("Command13");
    QWidget* w = start;
    do {
        QString name = w->objectName();
        if (name.isEmpty() && w->parentWidget())
            name = w->parentWidget()->objectName(); // the list's own line
        if (expected.contains(name) && !chain.contains(name))
            chain << name;
        w = w->nextInFocusChain();
    } while (w != start);
    QCOMPARE(chain, expected);
}

void FrmCalcLayoutTest::openingState() {
    QCOMPARE(QApplication::focusWidget(), calc_->control("Command13"));
    QVERIFY(!calc_->control("Combo1")->isVisible());
    QVERIFY(!calc_->control("Funct(16)")->isVisible());
    QVERIFY(!calc_->control("Funct(16)")->isEnabled());
    for (auto* key : calc_->findChildren<KeyButton*>()) {
        if (key->objectName() == QLatin1String("Funct(16)"))
            continue;
        QVERIFY2(key->isVisible() && key->isEnabled(), qPrintable(key->objectName()));
    }
    QCOMPARE(calc_->display(), QString());
    QCOMPARE(calc_->angleCaption(), std::string("deg"));
    QVERIFY(qobject_cast<QPushButton*>(calc_->control("Command13"))->isDefault());
}

void FrmCalcLayoutTest::startColour_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("default") << "&HC0C0C0" << kFace;
    QTest::newRow("decimal red") << "255" << QColor(255, 0, 0);
    QTest::newRow("hex blue") << "&HFF0000" << QColor(0, 0, 255);
}

void FrmCalcLayoutTest::startColour() {
    QFETCH(QString, setting);
    QFETCH(QColor, colour);
    calc_.reset();
    orbetta::preferences::colourSetting = setting.toStdString();
    calc_ = std::make_unique<RecordingCalc>();
    for (const char* name : {"Frame2", "Frame3"})
        QCOMPARE(calc_->control(name)->palette().color(QPalette::Window), colour);
    QCOMPARE(calc_->palette().color(QPalette::Window), colour);
}

void FrmCalcLayoutTest::chosenColourRecoloursWindowAndFramesOnly() {
    const QColor red(255, 0, 0);
    QVERIFY(!calc_->twoValueDialog());
    calc_->applyChosenColour(red);

    QCOMPARE(calc_->palette().color(QPalette::Window), red);
    QCOMPARE(calc_->control("Frame2")->palette().color(QPalette::Window), red);
    QCOMPARE(calc_->control("Frame3")->palette().color(QPalette::Window), red);
    QCOMPARE(orbetta::preferences::colourSetting, std::string("255"));
    // The two-value dialog is loaded for it, but not shown.
    QVERIFY(calc_->twoValueDialog());
    QVERIFY(!calc_->twoValueDialog()->isVisible());

    QCOMPARE(calc_->control<KeyButton>("Num(5)")->faceColour(), kPaleYellow);
    QCOMPARE(calc_->control<KeyButton>("Command12")->faceColour(), kFace);
    auto* text1 = calc_->control("Text1");
    QCOMPARE(text1->palette().color(QPalette::Base), QColor(0, 0, 0));
    QCOMPARE(text1->palette().color(QPalette::Window), kFace);
    auto* combo = calc_->control("Combo1");
    QCOMPARE(combo->palette().color(QPalette::Base), kWhite);
    QCOMPARE(combo->palette().color(QPalette::Window), kFace);

    calc_->applyChosenColour(QColor(0, 0, 255));
    QCOMPARE(orbetta::preferences::colourSetting, std::string("16711680"));
    calc_->applyChosenColour(QColor(1, 2, 3));
    QCOMPARE(orbetta::preferences::colourSetting, std::to_string(1 + 2 * 256 + 3 * 65536));
}

void FrmCalcLayoutTest::accessibleNames() {
    // Nothing is named while no screen reader listens; everything as soon as one does.
    QCOMPARE(calc_->control("Command13")->accessibleName(), QString());
    calc_->click("Funct(19) Funct(19)");
    QAccessible::setActive(true);
    QCOMPARE(calc_->control("Num(7)")->accessibleName(), QStringLiteral("7"));
    QCOMPARE(calc_->control("Text1")->accessibleName(), QStringLiteral("display"));
    QCOMPARE(calc_->control("Funct(19)")->accessibleName(),
             QStringLiteral("degree (click to change to radian)"));
    QCOMPARE(calc_->control("Command13")->accessibleName(), QStringLiteral("equal"));
    QCOMPARE(calc_->control("Funct(9)")->accessibleName(), QStringLiteral("square root"));
    QAccessibleInterface* equal = QAccessible::queryAccessibleInterface(calc_->control("Command13"));
    QVERIFY(equal);
    QCOMPARE(equal->text(QAccessible::Name), QStringLiteral("equal"));

    calc_->click("Funct(19)");
    QCOMPARE(calc_->control("Funct(19)")->accessibleName(),
             QStringLiteral("radian (click to change to degree)"));
}

namespace {
QList<QAccessible::Event> g_accessibilityEvents;
QObject* g_watched = nullptr;
void recordAccessibility(QAccessibleEvent* event) {
    if (event->object() == g_watched)
        g_accessibilityEvents << event->type();
}
} // namespace

void FrmCalcLayoutTest::displayReportsChanges() {
    g_watched = calc_->control("Text1");
    g_accessibilityEvents.clear();
    QAccessible::installUpdateHandler(recordAccessibility);
    QAccessible::setActive(true);
    const bool active = QAccessible::isActive();
    calc_->click("Num(4) Num(2)");
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::setActive(false);

    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(g_watched);
    QVERIFY(display);
    QCOMPARE(display->text(QAccessible::Value), QStringLiteral("42"));
    if (!active)
        QSKIP("no accessibility bridge on this platform: change events are not sent");
    QVERIFY(g_accessibilityEvents.contains(QAccessible::TextUpdated) ||
            g_accessibilityEvents.contains(QAccessible::ValueChanged));
}

void FrmCalcLayoutTest::pictures_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<qreal>("scale");
    for (int p = int(Picture::DecimalPoint); p <= int(Picture::XSquared); ++p)
        for (qreal scale : {1.0, 2.0})
            QTest::newRow(qPrintable(QStringLiteral("picture %1 at %2x").arg(p).arg(scale))) << p << scale;
}

// Every picture leaves ink inside its 16 x 16 square and none outside, at 100 % and at 200 %.
void FrmCalcLayoutTest::pictures() {
    QFETCH(int, picture);
    QFETCH(qreal, scale);
    QImage image(QSize(32, 32) * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        orbetta::look::drawPicture(painter, Picture(picture), QRectF(8, 8, 16, 16));
    }
    int inside = 0;
    int outside = 0;
    const QRect square(QPoint(8, 8) * scale, QSize(16, 16) * scale);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                ++(square.adjusted(-1, -1, 1, 1).contains(x, y) ? inside : outside);
    QVERIFY(inside > 4 * scale * scale);
    QCOMPARE(outside, 0);
}

void FrmCalcLayoutTest::applicationIcon() {
    const QIcon icon = orbetta::look::applicationIcon();
    for (int side : {16, 32}) {
        const QImage image = icon.pixmap(QSize(side, side), 2.0).toImage();
        QCOMPARE(image.size(), QSize(side, side) * 2);
        // Transparent in the corners, drawn in the middle, symmetric about the vertical axis.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QVERIFY(qAlpha(image.pixel(image.width() / 2, image.height() / 2)) > 0);
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width() / 2; ++x)
                QCOMPARE(qAlpha(image.pixel(x, y)) > 128,
                         qAlpha(image.pixel(image.width() - 1 - x, y)) > 128);
    }
    // The upper cone and the band are cyan in the large image and grey in the small one.
    auto cyanPixels = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += QColor(image.pixel(x, y)) == QColor(0, 255, 255) ? 1 : 0;
        return count;
    };
    const QImage large = icon.pixmap(QSize(32, 32), 1.0).toImage();
    const QImage small = icon.pixmap(QSize(16, 16), 1.0).toImage();
    QCOMPARE(QColor(large.pixel(4, 16)), QColor(0, 255, 255));
    QVERIFY(cyanPixels(large) > 100);
    QCOMPARE(cyanPixels(small), 0);
    QCOMPARE(QColor(small.pixel(4, 8)), kMidGrey);
}

QTEST_MAIN(FrmCalcLayoutTest)
#include "main_window_layout_test.moc"
