#pragma once

#include "ui/main_window.h"

#include <QApplication>
#include <QTest>

#include <string>
#include <vector>

// The main window with its boxes, beep and program end recorded instead of shown, sounded or done.
class RecordingCalc : public frmCalc {
public:
    struct Box {
        std::string text;
        orbetta::Icon icon;
    };

    void beep() override { ++beeps; }
    void message(std::string_view text, orbetta::Icon icon) override {
        if (realBoxes)
            frmCalc::message(text, icon);
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
