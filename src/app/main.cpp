#include "app/command_line.h"
#include "app/window_system_check.h"
#include "desktop/fixed_size_guard.h"
#include "desktop/keep_on_top.h"
#include "desktop/window_system_choice.h"
#include "look/classic_look.h"
#include "look/font_configuration.h"
#include "look/pictures.h"
#include "settings/preferences.h"
#include "ui/decimal_sign.h"
#include "ui/language.h"
#include "ui/main_window.h"

#include <QApplication>

namespace {

// The start-up procedure: the colour preference is read, the main window loads, is kept on top when the user
// chose so and is shown, and from then on the program only answers events.
void Main() {
    orbetta::preferences::readColourSetting();
    auto* window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose); // unloading the main window destroys it
    window->setAlwaysOnTop(orbetta::preferences::readAlwaysOnTop());
    // A change the window manager makes is the user's choice too, and kept as one.
    orbetta::desktop::followWindowManagersAbove(window,
                                                [](bool on) { orbetta::preferences::writeAlwaysOnTop(on); });
    window->show();
}

} // namespace

int main(int argc, char* argv[]) {
    // --version and --help are answered without a window system.
    if (const std::optional<int> status = orbetta::answerCommandLine(argc, argv))
        return *status;
    const bool xwaylandChosen = orbetta::desktop::chooseWindowSystem(argc, argv);
    // Read while the application object connects to the window system and the controls are made.
    orbetta::look::startReadingFontConfiguration();
    // Without a display the program says so in one line instead of Qt's abort; with one nothing changes.
    orbetta::WindowSystemCheck windowSystem;
    QApplication app(argc, argv);
    windowSystem.release();
    // Nothing is loaded for English.
    orbetta::ui::installTranslations();
    // Qt has taken the options it knows (-platform, -style, ...) out of the arguments.
    if (const int status = orbetta::refuseArguments(argc, argv))
        return status;
    // The choice was for this program alone; anything it starts chooses for itself.
    if (xwaylandChosen) {
        orbetta::look::finishReadingFontConfiguration(); // it is found through the environment
        qunsetenv("QT_QPA_PLATFORM");
    }
    QApplication::setApplicationName(QStringLiteral("Orbetta"));
    QApplication::setApplicationVersion(QStringLiteral(ORBETTA_VERSION));
    // Ties the windows to the installed desktop entry (the application id on Wayland).
    QApplication::setDesktopFileName(QStringLiteral("org.orbetta.Orbetta"));
    QApplication::setWindowIcon(orbetta::look::applicationIcon());
    orbetta::look::applyClassicLook();
    orbetta::desktop::FixedSizeGuard::install();
    orbetta::ui::chooseDecimalSign(orbetta::ui::numericLocaleName());
    Main();
    return app.exec();
}
