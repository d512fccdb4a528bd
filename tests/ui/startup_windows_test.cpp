// Start-up builds only what the first frame shows: the windows, boxes and drop-downs the user has not asked
// for yet are made on first use, and then work as laid out.
#include "main_window_fixture.h"

#include "look/classic_look.h"
#include "settings/preferences.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class StartupWindowsTest : public MainWindowTestCase {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void nothingBuiltBeforeUse_data();
    void nothingBuiltBeforeUse();
    void onlyTheMainWindowIsTopLevel();
    void listDropDownBuiltOnFirstOpening();

private:
    QComboBox* list() const { return calc_->control<QComboBox>("Combo1"); }
};

void StartupWindowsTest::initTestCase() {
    setUpProgram();
}

void StartupWindowsTest::init() {
    makeWindow();
    showWindow(Wait::Exposed);
}

void StartupWindowsTest::cleanup() {
    closeWindow();
}

void StartupWindowsTest::nothingBuiltBeforeUse_data() {
    QTest::addColumn<QString>("name"); // an object name or a class the widget inherits
    QTest::newRow("two-value dialog") << "xyentry";
    QTest::newRow("About window") << "frmAbout";
    QTest::newRow("help viewer") << "HelpViewer";
    QTest::newRow("colour chooser") << "QColorDialog";
    QTest::newRow("message box") << "QMessageBox";
    QTest::newRow("drop-down of the function list") << "QAbstractItemView";
}

void StartupWindowsTest::nothingBuiltBeforeUse() {
    QFETCH(QString, name);
    const QByteArray className = name.toLatin1();
    for (QWidget* widget : QApplication::allWidgets()) {
        const bool built = widget->objectName() == name || widget->inherits(className.constData());
        QVERIFY2(!built, qPrintable(QStringLiteral("built at start-up: %1 (%2)")
                                        .arg(name, QString::fromLatin1(widget->metaObject()->className()))));
    }
    QVERIFY(!calc_->twoValueDialog());
    QVERIFY(!calc_->aboutWindow());
}

void StartupWindowsTest::onlyTheMainWindowIsTopLevel() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.front(), calc_.get());
}

void StartupWindowsTest::listDropDownBuiltOnFirstOpening() {
    calc_->click("Command1"); // shows the list
    QVERIFY(list()->isVisible());
    QVERIFY(list()->isEditable());

    list()->showPopup();
    QAbstractItemView* dropDown = list()->view();
    QVERIFY(QTest::qWaitForWindowExposed(dropDown->window()));
    QCOMPARE(dropDown->model()->rowCount(), 20);
    // Made late, it still takes the list's font and colours.
    QCOMPARE(dropDown->font(), list()->font());
    QCOMPARE(QFontInfo(dropDown->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(dropDown->palette().color(QPalette::Base), list()->palette().color(QPalette::Base));
    list()->hidePopup();
}

QTEST_MAIN(StartupWindowsTest)
#include "startup_windows_test.moc"
