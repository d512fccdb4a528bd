// The controls of the main window as laid out: positions in twips (15 to the pixel), captions or pictures,
// tool tips, styles, colours, fonts and tab order.
#include "access/accessibility.h"
#include "access/announcer.h"
#include "core/keys.h"
#include "look/classic_look.h"
#include "look/font_configuration.h"
#include "ui/decimal_sign.h"
#include "ui/display.h"
#include "ui/function_list.h"
#include "ui/keyboard.h"
#include "ui/keybutton.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

#include <QFrame>

#include <algorithm>
#include <cstring>
#include <vector>

using orbetta::look::Picture;
using orbetta::ui::decimalSign;
using orbetta::ui::KeyButton;
namespace classic = orbetta::look::classic;

namespace {

int pixels(int twips) {
    return (twips * 2 + 15) / 30;
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

enum class Panel { Functions, Keypad };

struct FontChoice {
    const char* family; // nullptr: the window's default font
    double points;
    bool bold;
    bool italic;
};

constexpr FontChoice kDefault{nullptr, 8.25, false, false};
constexpr FontChoice kArialItalicSmall{"Arial", 6.75, false, true};
constexpr FontChoice kArialItalic{"Arial", 8.25, false, true};
constexpr FontChoice kArial{"Arial", 8.25, false, false};
constexpr FontChoice kArialSmall{"Arial", 6.75, false, false};
constexpr FontChoice kArialBoldItalic{"Arial", 8.25, true, true};

enum class Face {
    Standard,
    ToolTipBackground,
    InactiveCaptionText,
    Workspace,
    Shadow,
    Off,
    WindowBackground
};

QColor faceColour(Face face) {
    switch (face) {
    case Face::Standard:
    case Face::InactiveCaptionText:
        return classic::kButtonFace;
    case Face::ToolTipBackground:
        return classic::kToolTipBackground;
    case Face::Workspace:
    case Face::Shadow:
        return classic::kButtonShadow;
    case Face::Off:
        return QColor(255, 128, 128);
    case Face::WindowBackground:
        return classic::kButtonHighlight;
    }
    return classic::kButtonFace;
}

// Where a key stands and how it looks; its caption, tool tip and chord are its row of the key table.
struct KeyLayout {
    orbetta::KeyArray array;
    int index;
    Panel panel;
    int left, top, width, height; // twips, in the panel
    Picture picture;
    Face face; // Standard: a key of standard style
    FontChoice font;
    int tabIndex;
};

// Keypad: square keys of 375 twips in five columns and four rows.
constexpr int kCol[] = {120, 600, 1080, 1560, 2040};
constexpr int kRow[] = {240, 720, 1200, 1680};
constexpr int kKey = 375;
// Function panel: 385 by 255 twips.
constexpr int kFnRow[] = {240, 520, 810, 1100, 1380};
constexpr int kFnW = 385;
constexpr int kFnH = 255;
constexpr int kFnWide = 855;

using enum orbetta::KeyArray;
using enum Panel;

const KeyLayout kKeys[] = {
    // The keypad.
    {Num, 7, Keypad, kCol[0], kRow[0], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 24},
    {Num, 8, Keypad, kCol[1], kRow[0], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 25},
    {Num, 9, Keypad, kCol[2], kRow[0], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 26},
    {Command, 16, Keypad, kCol[3], kRow[0], kKey, kKey, Picture::Backspace, Face::Workspace, kDefault, 2},
    {Command,
     17,
     Keypad,
     kCol[4],
     kRow[0],
     kKey,
     kKey,
     Picture::None,
     Face::Shadow,
     {"Arial Black", 8.25, false, false},
     31},
    {Num, 4, Keypad, kCol[0], kRow[1], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 21},
    {Num, 5, Keypad, kCol[1], kRow[1], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 22},
    {Num, 6, Keypad, kCol[2], kRow[1], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 23},
    {Oper, 4, Keypad, kCol[3], kRow[1], kKey, kKey, Picture::Times, Face::Standard, kDefault, 30},
    {Oper, 5, Keypad, kCol[4], kRow[1], kKey, kKey, Picture::Divide, Face::Standard, kDefault, 32},
    {Num, 1, Keypad, kCol[0], kRow[2], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 18},
    {Num, 2, Keypad, kCol[1], kRow[2], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 19},
    {Num, 3, Keypad, kCol[2], kRow[2], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 20},
    {Oper, 2, Keypad, kCol[3], kRow[2], kKey, kKey, Picture::Plus, Face::Standard, kDefault, 29},
    {Oper, 3, Keypad, kCol[4], kRow[2], kKey, kKey, Picture::Minus, Face::InactiveCaptionText, kDefault, 33},
    {Num, 0, Keypad, kCol[0], kRow[3], kKey, kKey, Picture::None, Face::ToolTipBackground, kDefault, 17},
    {Command, 11, Keypad, kCol[1], kRow[3], kKey, kKey, Picture::DecimalPoint, Face::InactiveCaptionText,
     kDefault, 27},
    {Command, 12, Keypad, kCol[2], kRow[3], kKey, kKey, Picture::None, Face::Standard, kDefault, 28},
    {Command, 13, Keypad, kCol[3], kRow[3], kKey, kKey, Picture::Equals, Face::InactiveCaptionText, kDefault,
     1},
    {Command, 20, Keypad, kCol[4], kRow[3], kKey, kKey, Picture::None, Face::Off, kDefault, 3},

    // The function panel.
    {Funct, 0, Functions, kCol[0], kFnRow[0], kFnW, kFnH, Picture::None, Face::Standard, kArialItalicSmall,
     6},
    {Funct, 4, Functions, kCol[1], kFnRow[0], kFnW, kFnH, Picture::None, Face::Standard, kArialItalicSmall,
     7},
    {Funct, 8, Functions, kCol[2], kFnRow[0], kFnW, kFnH, Picture::YRootOfX, Face::Standard, kDefault, 15},
    {Funct, 19, Functions, kCol[3], kFnRow[0], kFnW, kFnH, Picture::None, Face::Standard, kArialSmall, 42},
    {Command, 2, Functions, kCol[4], kFnRow[0], kFnW, kFnH, Picture::None, Face::WindowBackground,
     kArialBoldItalic, 45},
    {Funct, 1, Functions, kCol[0], kFnRow[1], kFnW, kFnH, Picture::None, Face::Standard, kArialItalic, 5},
    {Funct, 5, Functions, kCol[1], kFnRow[1], kFnW, kFnH, Picture::None, Face::Standard, kArialItalicSmall,
     8},
    {Funct, 9, Functions, kCol[2], kFnRow[1], kFnW, kFnH, Picture::SquareRoot, Face::Standard, kDefault, 10},
    {Funct,
     13,
     Functions,
     kCol[3],
     kFnRow[1],
     kFnW,
     kFnH,
     Picture::None,
     Face::Standard,
     {"Symbol", 8.25, false, false},
     35},
    {Command, 3, Functions, kCol[4], kFnRow[1], kFnW, kFnH, Picture::None, Face::WindowBackground,
     kArialBoldItalic, 46},
    {Funct, 2, Functions, kCol[0], kFnRow[2], kFnW, kFnH, Picture::TenToX, Face::Standard, kDefault, 36},
    {Funct, 6, Functions, kCol[1], kFnRow[2], kFnW, kFnH, Picture::None, Face::Standard, kArialItalicSmall,
     9},
    {Funct, 10, Functions, kCol[2], kFnRow[2], kFnW, kFnH, Picture::XToY, Face::Standard, kDefault, 11},
    {Funct, 14, Functions, kCol[3], kFnRow[2], kFnW, kFnH, Picture::None, Face::Standard, kArialItalic, 13},
    {Command, 4, Functions, kCol[4], kFnRow[2], kFnW, kFnH, Picture::None, Face::WindowBackground,
     kArialBoldItalic, 47},
    {Funct, 3, Functions, kCol[0], kFnRow[3], kFnW, kFnH, Picture::EToX, Face::Standard, kDefault, 37},
    {Funct, 7, Functions, kCol[1], kFnRow[3], kFnW, kFnH, Picture::None, Face::Standard, kArialItalicSmall,
     4},
    {Funct, 11, Functions, kCol[2], 1080, kFnW, kFnH, Picture::XSquared, Face::Standard, kDefault, 12},
    {Funct, 15, Functions, kCol[3], kFnRow[3], kFnW, kFnH, Picture::None, Face::Standard, kDefault, 14},
    {Funct, 17, Functions, kCol[4], kFnRow[3], kFnW, kFnH, Picture::None, Face::Standard, kArial, 40},
    {Command, 1, Functions, kCol[0], kFnRow[4], kFnWide, kFnH, Picture::None, Face::Standard, kArialItalic,
     44},
    {Funct, 16, Functions, kCol[1], kFnRow[4], kFnW, kFnH, Picture::None, Face::Standard, kArialItalic, 39},
    {Funct, 12, Functions, kCol[2], kFnRow[4], kFnWide, kFnH, Picture::None, Face::Standard, kArial, 34},
    {Funct, 18, Functions, kCol[4], kFnRow[4], kFnW, kFnH, Picture::None, Face::Standard, kArial, 41},
};

// Only the addition key keeps the silver ground of its picture opaque.
bool opaqueGround(const KeyLayout& key) {
    return key.array == Oper && key.index == 2;
}

QString controlName(orbetta::KeyArray array, int index) {
    switch (array) {
    case Num:
        return QStringLiteral("Num(%1)").arg(index);
    case Oper:
        return QStringLiteral("Oper(%1)").arg(index);
    case Funct:
        return QStringLiteral("Funct(%1)").arg(index);
    case Command:
        return QStringLiteral("Command%1").arg(index);
    }
    return {};
}

QFont fontOf(const FontChoice& font) {
    if (!font.family)
        return orbetta::look::defaultLayoutFont();
    return orbetta::look::layoutFont(QString::fromLatin1(font.family), font.points, font.bold, font.italic);
}

bool sameChoice(const FontChoice& a, const FontChoice& b) {
    const bool sameFamily =
        a.family == b.family || (a.family && b.family && std::strcmp(a.family, b.family) == 0);
    return sameFamily && a.points == b.points && a.bold == b.bold && a.italic == b.italic;
}

// The few fonts of the layout, each made once and shared by every key that uses it, so each is matched to an
// installed face once.
class FontSet {
public:
    const QFont& operator[](const FontChoice& choice) {
        for (const auto& [known, font] : made_)
            if (sameChoice(known, choice))
                return font;
        return made_.emplace_back(choice, fontOf(choice)).second;
    }

private:
    std::vector<std::pair<FontChoice, QFont>> made_;
};

// A panel has no spoken name: a screen reader would repeat it each time Tab crosses from one panel to the
// other, while every key names itself.
QFrame* makePanel(QWidget* window, const char* name, const QRect& geometry) {
    auto* frame = new QFrame(window);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken); // the classic etched edge of an untitled frame
    frame->setLineWidth(1);
    frame->setMidLineWidth(0);
    frame->setAutoFillBackground(true);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

void MainWindow::buildControls() {
    setObjectName(QStringLiteral("frmCalc"));
    setWindowTitle(QStringLiteral("Orbetta"));
    setWindowIcon(orbetta::look::applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setPalette(orbetta::look::classicPalette());
    setAutoFillBackground(true);
    setFont(orbetta::look::defaultLayoutFont());
    setGeometry(twipsRect(1035, 1455, 2760, 4470));
    setFixedSize(size());

    std::vector<std::pair<int, QWidget*>> tabOrder;
    std::vector<QWidget*> spoken; // named as their tool tip says, or their caption without one

    Frame2 = makePanel(this, "Frame2", twipsRect(120, 480, 2535, 1730));
    Frame3 = makePanel(this, "Frame3", twipsRect(120, 2210, 2535, 2175));

    FontSet fonts;
    for (const KeyLayout& row : kKeys) {
        QWidget* panel = row.panel == Functions ? Frame2 : Frame3;
        auto* key = new KeyButton(panel);
        key->setObjectName(controlName(row.array, row.index));
        key->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        const orbetta::KeyRow* words = orbetta::keyRowOf(row.array, row.index);
        key->setText(orbetta::ui::keyText(words->caption));
        key->setFont(fonts[row.font]);
        key->setFaceColour(faceColour(row.face));
        // A mathematics caption: the decimal key shows the sign it types.
        const bool comma = row.picture == Picture::DecimalPoint && decimalSign() == ',';
        key->setPicture(comma ? Picture::DecimalComma : row.picture, opaqueGround(row));
        if (words->spokenName)
            key->setToolTip(orbetta::ui::keyText(words->spokenName));
        spoken.push_back(key);
        // The chord is what a screen reader reports as the key's shortcut.
        if (words->chord)
            key->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + (words->chord - 'A'))));
        tabOrder.emplace_back(row.tabIndex, key);
        switch (row.array) {
        case orbetta::KeyArray::Num:
            Num[row.index] = key;
            break;
        case orbetta::KeyArray::Oper:
            Oper[row.index] = key;
            break;
        case orbetta::KeyArray::Funct:
            Funct[row.index] = key;
            break;
        case orbetta::KeyArray::Command:
            Command[row.index] = key;
            break;
        }
    }
    Command[13]->setDefault(true);
    Funct[16]->hide();
    Funct[16]->setEnabled(false);

    // The display is the first control that measures its text.
    orbetta::look::finishReadingFontConfiguration();
    Text1 = new orbetta::ui::DisplayBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(120, 120, 2535, 375));
    QPalette displayColours = orbetta::look::classicPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        displayColours.setColor(group, QPalette::Base, classic::kWindowText);
        displayColours.setColor(group, QPalette::Text, classic::kDisplayText);
    }
    Text1->setPalette(displayColours);
    Text1->setFont(orbetta::look::layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    tabOrder.emplace_back(38, Text1);

    Combo1 = new orbetta::ui::FunctionList(Frame2);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(twipsRect(120, 1320, 2340, 315));
    QPalette listColours = orbetta::look::classicPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        listColours.setColor(group, QPalette::Base, classic::kButtonHighlight);
        listColours.setColor(group, QPalette::Text, QColor(0, 0, 0));
    }
    Combo1->setPalette(listColours);
    // The list names no font and takes the window's. Setting one anyway would also build its hidden
    // drop-down.
    Combo1->setToolTip(tr("click the down-arrow to list available functions"));
    Combo1->setEditText(QStringLiteral(" "));
    Combo1->hide();
    Combo1->raise(); // when shown it lies over the keys of the fifth row
    tabOrder.emplace_back(43, Combo1);

    // Speaks results to a screen reader; not a control, so it has no tab index.
    Announcer = new orbetta::access::Announcer(this);
    Announcer->setObjectName(QStringLiteral("Announcer"));

    spoken.push_back(Combo1);
    orbetta::access::whenScreenReaderListens(this, [this, spoken] {
        for (QWidget* control : spoken) {
            const auto* key = qobject_cast<QPushButton*>(control);
            control->setAccessibleName(control->toolTip().isEmpty() && key ? key->text()
                                                                           : control->toolTip());
        }
        Text1->setAccessibleName(tr("display"));
    });

    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    Command[13]->setFocus(Qt::OtherFocusReason);
}
