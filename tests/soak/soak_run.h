#pragma once

#include "ui/main_window.h"

#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

class QAbstractButton;
class QWidget;

// Writes the actions that led to a crash to the standard error; safe in a signal handler.
void writeRecentActions();

// The random actions of the soak run on the program's windows, and what they found. The main window is
// created as the program's start-up creates it; after the off key or its close control has ended it, the next
// action starts the program again.
class SoakRun {
public:
    SoakRun(unsigned long long seed, bool trace);
    ~SoakRun();
    SoakRun(const SoakRun&) = delete;
    SoakRun& operator=(const SoakRun&) = delete;

    // One random action, then the events it caused, then the checks.
    void step(unsigned long long number);
    // Handles every pending event, deferred deletions included.
    void settle();
    // Ends the program through the main window's close control, which unloads the other windows, and checks
    // that no window is left. The next action starts the program again.
    void endProgram();
    // Ends the program and removes the hooks.
    void finish();

    void printCounts() const;
    const std::vector<std::string>& faults() const { return faults_; }

    // What the windows' hooks report: beeps, boxes, the end of the program.
    void note(const std::string& what) { ++events_[what]; }
    void programEnded();
    bool realBoxNow() { return oneIn(25); }

private:
    struct Action {
        const char* name;
        int weight;
        std::function<bool()> available;
        std::function<void()> run;
    };

    void defineActions();
    void startProgram();
    void check(const char* action);
    void fault(const std::string& what);
    // What the action under way does, for the trace and for a crash report; set before it acts.
    void describe(const std::string& detail);

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    bool oneIn(int n) { return below(n) == 0; }
    template <class T> const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    // A control of the main window itself; the dialog it owns has controls of the same names.
    template <class T> T* control(const char* name) const;
    QAbstractButton* key(const std::string& name) const;
    void press(QAbstractButton* button);
    void pressKey(const std::vector<std::string>& names);
    void typeIntoMainWindow();
    void finishAnimatedClicks();
    TwoValueDialog* dialog() const;
    QWidget* about() const;
    QWidget* helpViewer() const;
    bool listShown() const;
    void typeIntoDialog();
    void pasteIntoDialog();

    std::mt19937_64 random_;
    bool trace_;
    unsigned long long number_ = 0;
    const char* name_ = "";
    std::string detail_;
    QPointer<MainWindow> calc_;
    std::unique_ptr<QObject> fileDialogs_; // answers a file dialog opened by a key
    std::string savedColour_ = "&HC0C0C0"; // what the next start must read from the settings file
    std::string chosenSetting_;            // the preference text of the colour last chosen in the chooser
    std::vector<Action> actions_;
    std::map<std::string, unsigned long long> counts_;
    std::map<std::string, unsigned long long> events_;
    std::vector<std::string> faults_;
    int startObjects_ = 0; // objects of the main window just after it was loaded
    int mostObjectsGained_ = 0;
};

template <class T> T* SoakRun::control(const char* name) const {
    for (T* found : calc_->template findChildren<T*>(QString::fromLatin1(name)))
        if (found->window() == calc_)
            return found;
    qFatal("the main window has no control %s", name);
}
