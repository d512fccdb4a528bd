// What a screen reader is told: once per user action, at its end, with the display as it then stands.
#include "session.h"

#include <QTest>

using namespace orbetta;
using namespace orbetta::testing;

namespace {

// Boxes, beeps and announcements on one time line, so that the order of a box and what follows it shows.
class TimelineHost : public RecordingHost {
public:
    void announce(std::string_view text) override {
        RecordingHost::announce(text);
        events.push_back("say:" + std::string(text));
    }
    // With a calculator, the window gets the focus back while each box is still closing, and tells the
    // display.
    void message(std::string_view text, Icon icon) override {
        RecordingHost::message(text, icon);
        if (calc)
            events.push_back("return:" + calc->displayWordsOnReturn());
    }
    Calculator* calc = nullptr;
};

} // namespace

class AnnouncementTest : public QObject {
    Q_OBJECT
private slots:
    void policy_data();
    void policy();
};

void AnnouncementTest::policy_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("timeline");

    const QStringList none;
    const QString rad = QStringLiteral("say:radian (click to change to degree)");
    const QString deg = QStringLiteral("say:degree (click to change to radian)");
    QTest::newRow("digits are not told; backspace tells what is left, CE that it cleared")
        << "1 2 . 5 bs CE" << QStringList{"say:12.", "say:cleared"};
    QTest::newRow("backspace to an empty display") << "7 bs" << QStringList{"say:empty"};
    QTest::newRow("backspace after a result erases nothing")
        << "2 + 3 = bs" << QStringList{"say:5", "say:nothing to erase"};
    QTest::newRow("a second point is refused in words")
        << "1 . 5 ." << QStringList{"beep", "say:the entry has a point already"};
    QTest::newRow("sign change of an empty display") << "+/-" << QStringList{"say:the display is empty"};
    QTest::newRow("sign change is told") << "1 2 . 5 +/-" << QStringList{"say:-12.5"};
    QTest::newRow("12 + 3 =") << "1 2 + 3 =" << QStringList{"say:15"};
    QTest::newRow("equal twice is told twice") << "2 + 3 = =" << QStringList{"say:5", "say:5"};
    QTest::newRow("typed equal") << "key:1 key:2 key:+ key:3 key:=" << QStringList{"say:15"};
    QTest::newRow("Enter and l") << "key:2 key:+ key:3 key:enter key:l" << QStringList{"say:5", "say:5"};
    QTest::newRow("a chain tells only its end") << "2 + 3 + 4 * 2 =" << QStringList{"say:18"};
    QTest::newRow("an operation key is not told") << "5 +" << none;
    QTest::newRow("a long result as displayed")
        << "1 / 3 = +/- * 1000000000000000000000 ="
        << QStringList{"say:0.333333333333333", "say:-0.333333333333333", "say:-3.333E+20"};
    QTest::newRow("divide by zero: box, then the display") << "1 / 0 =" << QStringList{kCantDivide, "say:0"};
    QTest::newRow("divide by zero, the focus back before the key's end: the display told once")
        << "return: 1 / 0 =" << QStringList{kCantDivide, "return:0"};
    QTest::newRow("refused function, the focus back: the entry told once")
        << "return: 5 +/- F0" << QStringList{"say:-5", kCantLog, "return:-5"};
    QTest::newRow("refusal inside a chain") << "8 / 0 +" << QStringList{kCantDivide, "say:empty"};
    QTest::newRow("error report, then the empty display")
        << "5 + =" << QStringList{"beep", kNotANumber, "say:empty"};
    QTest::newRow("two reports in one key, one announcement")
        << "5 + +" << QStringList{"beep", kNotANumber, "beep", kNotANumber, "say:empty"};
    QTest::newRow("typed operation that fails") << "key:+" << QStringList{"beep", kNotANumber, "say:empty"};
    QTest::newRow("function value") << "9 F9" << QStringList{"say:3"};
    QTest::newRow("refused function shows the entry again")
        << "5 +/- F0" << QStringList{"say:-5", kCantLog, "say:-5"};
    QTest::newRow("deferred function is told at equal") << "F9 9 =" << QStringList{"say:3"};
    QTest::newRow("deferred function under an operation key") << "5 + F9 9 +" << none;
    QTest::newRow("pi") << "F13" << QStringList{"say:3.14159265358979"};
    QTest::newRow("memory store and recall are told")
        << "2 F18 CE F17" << QStringList{"say:2 in memory", "say:cleared", "say:2"};
    QTest::newRow("memory store of an empty display")
        << "F18" << QStringList{"beep", kNotANumber, "say:empty"};
    QTest::newRow("angle key tells the new mode") << "F19 F19" << QStringList{rad, deg};
    QTest::newRow("two-value key opens the dialog silently") << "9 F8" << none;
    QTest::newRow("two-value result") << "F10 xy:1024" << QStringList{"say:1024"};
    QTest::newRow("function button alone") << "2 fn" << none;
    QTest::newRow("list choice") << "2 fn list:Secant" << QStringList{"say:1.00060954429882"};
    QTest::newRow("deferred list choice")
        << "fn list:Hyperbolic_Cosine 1 =" << QStringList{"say:1.54308063481524"};
    QTest::newRow("list function failing")
        << "2 fn list:Inverse_Sine" << QStringList{"beep", kInvalidArgument, "say:2"};
    QTest::newRow("unmapped character beeps and says so")
        << "7 key:a" << QStringList{"beep", "say:a is not taken here"};
    QTest::newRow("Escape") << "key:esc" << QStringList{"beep", "say:Escape is not taken here; c clears"};
    QTest::newRow("a comma") << "key:,"
                             << QStringList{"beep", "say:comma is not taken here; the point is a full stop"};
    QTest::newRow("Ctrl+B") << "key:\x02" << QStringList{"beep", "say:Ctrl+B is not taken here"};
    QTest::newRow("paste tells the new display") << "paste:15" << QStringList{"say:15"};
    QTest::newRow("refused paste says why")
        << "7 paste:two" << QStringList{"beep", "say:the clipboard holds no number"};
    QTest::newRow("paste of blanks") << "7 paste:__" << QStringList{"beep", "say:nothing to paste"};
}

void AnnouncementTest::policy() {
    QFETCH(QString, keys);
    QFETCH(QStringList, timeline);

    TimelineHost host;
    Calculator calc(host);
    calc.start();
    if (keys.startsWith(QStringLiteral("return: "))) {
        host.calc = &calc;
        keys = keys.mid(8);
    }
    press(calc, host, keys.toStdString());
    QStringList seen;
    for (const std::string& event : host.events)
        seen << QString::fromStdString(event);
    QCOMPARE(seen, timeline);
    QCOMPARE(host.announcements.size(), std::size_t(timeline.filter(QStringLiteral("say:")).size()));
}

QTEST_APPLESS_MAIN(AnnouncementTest)
#include "test_announcements.moc"
