// The soak run's machinery: the program's start and end, the hooks that answer for a person, the events
// after each action, the checks and the counts.
#include "soak_run.h"

#include "settings/preferences.h"
#include "ui/colour_chooser.h"
#include "ui/two_value_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace preferences = orbetta::preferences;

namespace {

constexpr std::size_t kFaultsKept = 50;
// What the main window may gain over its life: the list's drop-down and what Qt creates on first use.
constexpr int kObjectsGainAllowed = 64;

// The last actions, where a crash handler can write them out without allocating: the one under way and
// those before it.
constexpr std::size_t kRecentActions = 32;
constexpr std::size_t kRecentLength = 128;
char recentActions[kRecentActions][kRecentLength];
unsigned long long lastActionNumber = 0;

// A real message box runs its own event loop; this answers it from there, as a person would.
void closeBoxWhenShown(int attempts = 0) {
    QTimer::singleShot(0, qApp, [attempts] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (attempts > 100000)
            qFatal("a message box never appeared");
        closeBoxWhenShown(attempts + 1);
    });
}

// The widgets that exist, but for Qt's own stand-in for the desktop, which lives as long as the application.
QWidgetList liveWidgets() {
    QWidgetList widgets = QApplication::allWidgets();
    widgets.removeIf([](const QWidget* widget) { return widget->windowType() == Qt::Desktop; });
    return widgets;
}

std::string widgetNames(const QWidgetList& widgets) {
    std::string text;
    for (const QWidget* widget : widgets) {
        if (!text.empty())
            text += ", ";
        text += widget->metaObject()->className();
        if (!widget->objectName().isEmpty())
            text += " " + widget->objectName().toStdString();
    }
    return text;
}

// The objects a window owns, without the windows it owns (dialog, About, help viewer, drop-down), which are
// checked on their own.
int ownObjects(const QObject* parent) {
    int count = 0;
    for (const QObject* child : parent->children()) {
        if (child->isWidgetType() && static_cast<const QWidget*>(child)->isWindow())
            continue;
        count += 1 + ownObjects(child);
    }
    return count;
}

std::string settingOf(const QColor& colour) {
    return std::to_string(colour.red() + 256 * colour.green() + 65536 * colour.blue());
}

// Deletes windows that should not exist any more; a window deleted with its owner is not deleted again.
void destroyWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

} // namespace

// The program's main window with its beeps and boxes reported to the run, and an end of the program that
// leaves the process running so that the next action can start it again.
class SoakCalc : public MainWindow {
public:
    explicit SoakCalc(SoakRun& run) : run_(run) {}
    // The windows still open when the main window goes, which it destroys with it.
    ~SoakCalc() override {
        const std::pair<const char*, QWidget*> windows[] = {
            {"destroyed with the two-value dialog open", twoValueDialog()},
            {"destroyed with About open", aboutWindow()},
            {"destroyed with the tape open", tapeWindow()},
            {"destroyed with help open", findChild<QWidget*>("HelpViewer", Qt::FindDirectChildrenOnly)}};
        for (const auto& [what, window] : windows)
            if (window && window->isVisible())
                run_.note(what);
    }

    void beep() override { run_.note("beep"); }
    void message(std::string_view text, orbetta::Icon icon) override {
        run_.note("message box");
        if (run_.realBoxNow()) {
            run_.note("message box shown for real");
            closeBoxWhenShown();
            MainWindow::message(text, icon);
        }
    }

protected:
    void endProgram() override { run_.programEnded(); }

private:
    SoakRun& run_;
};

// A person who opens a file dialog by accident closes it again.
class FileDialogCanceller : public QObject {
public:
    explicit FileDialogCanceller(SoakRun& run) : run_(run) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QFileDialog*>(watched)) {
                run_.note("file dialog cancelled");
                QTimer::singleShot(0, dialog, &QDialog::reject);
            }
        return false;
    }

private:
    SoakRun& run_;
};

SoakRun::SoakRun(unsigned long long seed, bool trace) : random_(seed), trace_(trace) {
    fileDialogs_ = std::make_unique<FileDialogCanceller>(*this);
    // The first file dialog loads the desktop's file types and icons for the rest of the run, as it does for
    // a person once; it is opened before the first measurement so that the growth compared is the program's.
    {
        QFileDialog first;
        first.open();
        QCoreApplication::processEvents();
    }
    TwoValueDialog::setFeedback(
        {[this] { note("dialog beep"); },
         [this](QWidget* parent, const QString& text, orbetta::Icon icon) {
             note("dialog message box");
             if (!realBoxNow())
                 return;
             note("dialog message box shown for real");
             closeBoxWhenShown();
             QMessageBox box(icon == orbetta::Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                             QStringLiteral("Orbetta"), text, QMessageBox::Ok, parent);
             box.exec();
         }});
    setColourChoiceStep([this](QColorDialog& chooser) -> std::optional<QColor> {
        if (oneIn(4)) {
            note("colour cancelled");
            return std::nullopt;
        }
        const QColor colour(below(256), below(256), below(256));
        const bool shown = oneIn(4);
        if (shown) {
            chooser.show();
            QCoreApplication::processEvents();
        }
        chooser.setCurrentColor(colour);
        const QColor chosen = chooser.currentColor();
        if (shown)
            chooser.hide();
        note("colour chosen");
        chosenSetting_ = settingOf(chosen);
        return chosen;
    });
    defineActions();
}

SoakRun::~SoakRun() {
    delete calc_;
    TwoValueDialog::setFeedback({});
    setColourChoiceStep({});
}

void SoakRun::step(unsigned long long number) {
    number_ = number;
    if (calc_ && !calc_->isVisible()) {
        fault("the main window was hidden but not destroyed");
        delete calc_;
    }
    if (!calc_)
        startProgram();

    std::vector<int> weights;
    for (const Action& action : actions_)
        weights.push_back(action.available() ? action.weight : 0);
    std::discrete_distribution<std::size_t> choose(weights.begin(), weights.end());
    const Action& action = actions_[choose(random_)];

    name_ = action.name;
    lastActionNumber = number;
    describe({});
    ++counts_[action.name];
    action.run();
    if (trace_)
        std::fputs(recentActions[number % kRecentActions], stderr);
    settle();
    check(action.name);
}

void SoakRun::describe(const std::string& detail) {
    detail_ = detail;
    std::replace_if(
        detail_.begin(), detail_.end(), [](char c) { return c == '\n' || c == '\t'; }, ' ');
    std::snprintf(recentActions[number_ % kRecentActions], kRecentLength, "#%llu %s %s\n", number_, name_,
                  detail_.c_str());
}

void writeRecentActions() {
    constexpr char kHeading[] = "soak: stopped during the last of these actions:\n";
    ssize_t ignored = ::write(STDERR_FILENO, kHeading, sizeof kHeading - 1);
    const unsigned long long first =
        lastActionNumber > kRecentActions ? lastActionNumber - kRecentActions + 1 : 1;
    for (unsigned long long n = first; n <= lastActionNumber; ++n) {
        const char* line = recentActions[n % kRecentActions];
        ignored = ::write(STDERR_FILENO, line, std::strlen(line));
    }
    (void)ignored;
}

void SoakRun::settle() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // Outside an event loop deleteLater waits for one; the program's own loop would have run it by now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void SoakRun::startProgram() {
    // Everything of the last run went with its main window.
    const QWidgetList left = liveWidgets();
    if (!left.isEmpty()) {
        fault("widgets outlived the main window: " + widgetNames(left));
        destroyWindows();
    }
    // As the program starts: the colour preference, then the main window, destroyed when it is closed.
    preferences::colourSetting = preferences::readSetting("Settings", "Option4", "&HC0C0C0", "orbetta.ini");
    if (preferences::colourSetting != savedColour_)
        fault("the colour preference read at start is " + preferences::colourSetting +
              ", the off key saved " + savedColour_);
    calc_ = new SoakCalc(*this);
    calc_->setAttribute(Qt::WA_DeleteOnClose);
    calc_->show();
    note("program start");
    settle();
    startObjects_ = ownObjects(calc_);
}

void SoakRun::programEnded() {
    note("program end");
    savedColour_ = preferences::colourSetting;
}

void SoakRun::check(const char* action) {
    if (!calc_)
        return;
    const int gained = ownObjects(calc_) - startObjects_;
    mostObjectsGained_ = std::max(mostObjectsGained_, gained);
    if (gained > kObjectsGainAllowed)
        fault("the main window gained " + std::to_string(gained) + " objects since it was loaded, after " +
              action);
    const QString display = control<QLineEdit>("Text1")->text();
    if (display.size() > 24)
        fault(std::string("the display holds ") + std::to_string(display.size()) + " characters after " +
              action);
    const auto dialogs = calc_->findChildren<TwoValueDialog*>();
    if (dialogs.size() > 1)
        fault(std::to_string(dialogs.size()) + " two-value dialogs after " + action);
    const auto abouts = calc_->findChildren<AboutWindow*>();
    if (abouts.size() > 1 || (abouts.size() == 1 && !abouts.front()->isVisible()))
        fault("an About window was closed but not destroyed, or opened twice, after " + std::string(action));
    QWidgetList viewers;
    for (QWidget* child : calc_->findChildren<QWidget*>("HelpViewer", Qt::FindDirectChildrenOnly))
        viewers << child;
    if (viewers.size() > 1 || (viewers.size() == 1 && !viewers.front()->isVisible()))
        fault("a help viewer was closed but not destroyed, or opened twice, after " + std::string(action));
}

void SoakRun::fault(const std::string& what) {
    note("fault");
    if (faults_.size() < kFaultsKept)
        faults_.push_back("action " + std::to_string(number_) + ": " + what);
}

void SoakRun::endProgram() {
    if (calc_) {
        note("program ended between actions");
        calc_->close(); // as the user closing it: the other windows go with it
    }
    settle();
    if (calc_) {
        fault("the main window was not destroyed on closing");
        delete calc_;
    }
    if (const QWidgetList left = liveWidgets(); !left.isEmpty()) {
        fault("widgets outlived the main window: " + widgetNames(left));
        destroyWindows();
    }
}

void SoakRun::finish() {
    endProgram();
    TwoValueDialog::setFeedback({});
    setColourChoiceStep({});
    QGuiApplication::clipboard()->clear();
    settle();
}

void SoakRun::printCounts() const {
    unsigned long long total = 0;
    std::printf("soak: actions:\n");
    for (const auto& [name, count] : counts_) {
        std::printf("  %-24s %10llu\n", name.c_str(), count);
        total += count;
    }
    std::printf("  %-24s %10llu\nsoak: what the windows did:\n", "total", total);
    for (const auto& [name, count] : events_)
        std::printf("  %-40s %10llu\n", name.c_str(), count);
    std::printf("  %-40s %10d\n", "objects of a main window when loaded", startObjects_);
    std::printf("  %-40s %10d\n", "most objects a main window gained", mostObjectsGained_);
}
