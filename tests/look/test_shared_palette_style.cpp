// The style draws the buttons of every new window with one palette per set of colours, so what Fusion keeps
// in the pixmap cache for one window serves the next one like it, and the cache does not fill with drawings
// of windows that are gone.
#include "core/calculator.h"
#include "look/classic_look.h"
#include "look/shared_palette_style.h"
#include "support/recording_host.h"
#include "ui/two_value_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// Records the identity of the palette each button panel is drawn with, below the shared-palette style.
class PanelRecorder : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelButtonCommand)
            drawnWith.push_back(option->palette.cacheKey());
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable std::vector<qint64> drawnWith;
};

PanelRecorder* recorder = nullptr;

} // namespace

class SharedPaletteStyleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        orbetta::look::applyClassicLook();
        QVERIFY(qobject_cast<orbetta::look::SharedPaletteStyle*>(QApplication::style()) != nullptr);
        recorder = new PanelRecorder(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setStyle(new orbetta::look::SharedPaletteStyle(recorder));
    }

    void newWindowsDrawAlike_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<bool>("same");
        const QColor none;
        QTest::newRow("two-value dialogs") << "xyentry" << none << none << true;
        // OK keeps its own colours whatever background the dialog is given.
        QTest::newRow("two-value dialogs, other backgrounds")
            << "xyentry" << QColor(255, 0, 0) << QColor(0, 0, 255) << true;
        QTest::newRow("plain dialogs") << "dialog" << QColor(10, 20, 30) << QColor(10, 20, 30) << true;
        // Other colours draw otherwise, so they must not share.
        QTest::newRow("plain dialogs, other colours")
            << "dialog" << QColor(255, 0, 0) << QColor(0, 0, 255) << false;
    }
    void newWindowsDrawAlike() {
        QFETCH(QString, window);
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(bool, same);
        orbetta::testing::RecordingHost host;
        orbetta::Calculator calc(host);
        std::vector<qint64> drawn;
        for (const QColor& colour : {first, second}) {
            std::unique_ptr<QWidget> made;
            if (window == "xyentry") {
                auto dialog = std::make_unique<TwoValueDialog>(calc);
                if (colour.isValid())
                    dialog->setBackground(colour);
                made = std::move(dialog);
            } else {
                made = std::make_unique<QDialog>();
                QPalette palette = made->palette();
                palette.setColor(QPalette::Window, colour);
                made->setPalette(palette);
                new QPushButton(QStringLiteral("OK"), made.get());
            }
            recorder->drawnWith.clear();
            made->grab();
            QVERIFY(!recorder->drawnWith.empty());
            drawn.push_back(recorder->drawnWith.front());
        }
        QCOMPARE(drawn.front() == drawn.back(), same);
    }
};

QTEST_MAIN(SharedPaletteStyleTest)
#include "test_shared_palette_style.moc"
