#pragma once

#include "look/classic_look.h"
#include "settings/preferences.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

// The main window with its boxes, beep and program end recorded instead of shown, sounded or done.
class RecordingCalc : public MainWindow {
public:
    struct Box {
        std::string text;
        orbetta::Icon icon;
    };

    void beep() override { ++beeps; }
    void message(std::string_view text, orbetta::Icon icon) override {
        if (realBoxes)
            MainWindow::message(text, icon);
        boxes.push_back({std::string(text), icon});
    }

    template <class T = QWidget> T* control(const char* name) const {
        T* found = findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qWarning("no control named %s", name);
        return found;
    }

    // Clicks the controls named in a space-separated list, as a mouse would.
    void click(const QString& names) {
        for (const QString& name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QTest::mouseClick(control(name.toLatin1().constData()), Qt::LeftButton);
    }

    // Types characters into whatever has the focus.
    void type(const QString& characters) {
        for (QChar c : characters)
            QTest::keyClick(receiver(), c.toLatin1());
    }

    QWidget* receiver() { return QApplication::focusWidget() ? QApplication::focusWidget() : this; }

    QString display() const { return control<QWidget>("Text1")->property("text").toString(); }

    int beeps = 0;
    std::vector<Box> boxes;
    bool realBoxes = false;
    int programEnds = 0;

protected:
    void endProgram() override { ++programEnds; }
};

// What the main window's tests share: for the whole program a private home, configuration and state folder
// and the classic look; for each test a window of its own in the default colour, ended with the test.
class MainWindowTestCase : public QObject {
protected:
    // From initTestCase().
    void setUpProgram() {
        QVERIFY(settingsHome_.isValid());
        qputenv("XDG_CONFIG_HOME", settingsHome_.path().toLocal8Bit());
        qputenv("HOME", settingsHome_.path().toLocal8Bit());
        qputenv("XDG_STATE_HOME", settingsHome_.path().toLocal8Bit());
        orbetta::look::applyClassicLook();
    }

    // From init(): a new window in the default colour, not shown yet.
    void makeWindow() {
        orbetta::preferences::colourSetting = "&HC0C0C0";
        calc_ = std::make_unique<RecordingCalc>();
    }

    // Shows the window and waits until it is active, or only until it is on the screen.
    enum class Wait { Active, Exposed };
    void showWindow(Wait wait = Wait::Active) {
        calc_->show();
        if (wait == Wait::Exposed) {
            QVERIFY(QTest::qWaitForWindowExposed(calc_.get()));
            return;
        }
        calc_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calc_.get()));
    }

    // From cleanup(): the window and whatever it left to be deleted are gone.
    void closeWindow() {
        calc_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir settingsHome_;
    std::unique_ptr<RecordingCalc> calc_;
};
