#include "app/window_system_check.h"

#include "ui/language.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Said while the application object is being made, before its translations are installed.
QString early(const char* text) {
    return orbetta::ui::translateEarly("WindowSystem", text);
}

// A message Qt gave while the application object was being made. The texts are copied: the context of a
// platform plugin that failed points into a library that Qt unloads again.
struct KeptMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    bool hasCategory;
    QString text;
};

// Qt's own words for a platform plugin that is not installed, one that is installed but could not start, and
// the end of the search.
const QLatin1String kMissingPlugin("Could not find the Qt platform plugin \"");
const QLatin1String kFailedPlugin("Could not load the Qt platform plugin \"");
const QLatin1String kNoPlatform("no Qt platform plugin could be initialized");

std::mutex keptLock; // the Wayland plugin may report from its own thread
std::vector<KeptMessage> kept;
QtMessageHandler previousHandler = nullptr;
bool holding = false;

void printKept() {
    for (const KeptMessage& message : kept) {
        const QMessageLogContext context(message.file.empty() ? nullptr : message.file.c_str(), message.line,
                                         message.function.empty() ? nullptr : message.function.c_str(),
                                         message.hasCategory ? message.category.c_str() : nullptr);
        previousHandler(message.type, context, message.text);
    }
    kept.clear();
}

// The plugin name that follows one of Qt's texts, or nothing when the message is not that text.
QString pluginNamed(const QString& text, QLatin1String words) {
    const qsizetype start = text.indexOf(words);
    if (start < 0)
        return {};
    const qsizetype begin = start + words.size();
    return text.mid(begin, text.indexOf('"', begin) - begin);
}

QString whyPluginFailed(const QString& plugin) {
    if (plugin == QLatin1String("xcb")) {
        const QString display = qEnvironmentVariable("DISPLAY");
        return display.isEmpty()
                   ? early(QT_TRANSLATE_NOOP("WindowSystem", "DISPLAY is not set"))
                   : early(QT_TRANSLATE_NOOP("WindowSystem", "no X server answers at DISPLAY=%1"))
                         .arg(display);
    }
    if (plugin.startsWith(QLatin1String("wayland"))) {
        const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
        return display.isEmpty()
                   ? early(QT_TRANSLATE_NOOP("WindowSystem", "WAYLAND_DISPLAY is not set"))
                   : early(QT_TRANSLATE_NOOP("WindowSystem",
                                             "no Wayland compositor answers at WAYLAND_DISPLAY=%1"))
                         .arg(display);
    }
    return early(QT_TRANSLATE_NOOP("WindowSystem", "Qt's platform plugin \"%1\" could not start"))
        .arg(plugin);
}

QString whyPluginMissing(const QString& plugin) {
    if (plugin.startsWith(QLatin1String("wayland")))
        return early(QT_TRANSLATE_NOOP(
            "WindowSystem", "Qt's Wayland platform plugin is not installed (package qt6-wayland)"));
    return early(QT_TRANSLATE_NOOP("WindowSystem", "Qt has no platform plugin \"%1\"")).arg(plugin);
}

// Why no window could be opened, from what Qt tried, in the order it tried.
QString whyNoWindow() {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return early(QT_TRANSLATE_NOOP("WindowSystem",
                                       "no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)"));
    QStringList reasons;
    for (const KeptMessage& message : kept) {
        QString reason;
        if (const QString plugin = pluginNamed(message.text, kMissingPlugin); !plugin.isEmpty())
            reason = whyPluginMissing(plugin);
        else if (const QString failed = pluginNamed(message.text, kFailedPlugin); !failed.isEmpty())
            reason = whyPluginFailed(failed);
        if (!reason.isEmpty() && !reasons.contains(reason))
            reasons << reason;
    }
    QString why = reasons.isEmpty()
                      ? early(QT_TRANSLATE_NOOP("WindowSystem", "no platform plugin of Qt could start"))
                      : reasons.join(early(QT_TRANSLATE_NOOP("WindowSystem", " and ")));
    if (!platform.isEmpty())
        why += QStringLiteral(" (QT_QPA_PLATFORM=%1)").arg(platform);
    return why;
}

// A word the shell takes as it stands, or the word in single quotes.
std::string shellWord(const std::string& word) {
    if (!word.empty() &&
        word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                               "_./+-") == std::string::npos)
        return word;
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// How this very program is started from the current folder: by its name where the search path finds it (an
// installed program), else by its path, relative when it lies below the current folder (build/orbetta in a
// checkout).
std::string howToStartThisProgram() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return "orbetta";
    const fs::path name = program.filename();
    const char* searchPath = std::getenv("PATH");
    std::string_view folders = searchPath ? searchPath : "";
    while (!folders.empty()) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
        // An empty entry or "." would find it only from this folder: that is the relative case below.
        if (folder.empty() || folder.front() != '/')
            continue;
        std::error_code different;
        if (fs::equivalent(fs::path(folder) / name, program, different))
            return shellWord(name.string());
    }
    const fs::path here = fs::current_path(error);
    if (!error) {
        const fs::path relative = program.lexically_relative(here);
        if (!relative.empty() && *relative.begin() != "..")
            return shellWord((relative.has_parent_path() ? relative : fs::path(".") / relative).string());
    }
    return shellWord(program.string());
}

void keepMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(keptLock);
    if (!holding) { // a message from another thread just after release()
        previousHandler(type, context, text);
        return;
    }
    if (type == QtFatalMsg && text.contains(kNoPlatform)) {
        const QString why = whyNoWindow();
        if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS"))
            printKept(); // asked for Qt's account of the search
        const QString line =
            early(QT_TRANSLATE_NOOP("WindowSystem",
                                    "orbetta: cannot open a window: %1; run it in a desktop session, or "
                                    "as xvfb-run -a %2 for a virtual screen\n"))
                .arg(why, QString::fromStdString(howToStartThisProgram()));
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        // Nothing has been made that needs taking down, and exit() would run Qt's clean-up half way into
        // making the application object.
        std::_Exit(EXIT_FAILURE);
    }
    if (type == QtFatalMsg) {
        printKept();
        previousHandler(type, context, text);
        return;
    }
    kept.push_back({type, context.file ? context.file : "", context.line,
                    context.function ? context.function : "", context.category ? context.category : "",
                    context.category != nullptr, text});
}

} // namespace

namespace orbetta {

WindowSystemCheck::WindowSystemCheck() {
    const std::lock_guard lock(keptLock);
    holding = true;
    previousHandler = qInstallMessageHandler(keepMessage);
}

WindowSystemCheck::~WindowSystemCheck() {
    release();
}

void WindowSystemCheck::release() {
    const std::lock_guard lock(keptLock);
    if (!holding)
        return;
    holding = false;
    qInstallMessageHandler(previousHandler);
    printKept();
}

} // namespace orbetta
