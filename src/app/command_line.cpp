#include "app/command_line.h"

#include "ui/language.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <string_view>

namespace orbetta {

namespace {

const char* const kUsage = QT_TRANSLATE_NOOP(
    "CommandLine", "Usage: orbetta [option]\n"
                   "A scientific calculator in one small window, worked by mouse or keyboard.\n"
                   "\n"
                   "  -h, --help     shows this help and ends\n"
                   "  -v, --version  shows the version and ends\n"
                   "\n"
                   "Qt's standard options are understood too, such as -platform xcb or -platform wayland.\n"
                   "The keys and files are described in the manual page: man orbetta\n");

void writeUsage(std::FILE* stream, const QString& usage) {
    const QByteArray text = usage.toUtf8();
    std::fwrite(text.data(), 1, static_cast<std::size_t>(text.size()), stream);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--")
            break;
        if (argument == "--version" || argument == "-v") {
            std::printf("Orbetta %s\n", ORBETTA_VERSION);
            return 0;
        }
        if (argument == "--help" || argument == "-h" || argument == "-?") {
            writeUsage(stdout, orbetta::ui::translateEarly("CommandLine", kUsage));
            return 0;
        }
    }
    return std::nullopt;
}

int refuseArguments(int argc, char* argv[]) {
    if (argc < 2)
        return 0;
    writeUsage(stderr, QCoreApplication::translate("CommandLine", "orbetta: unknown option %1\n")
                           .arg(QString::fromLocal8Bit(argv[1])));
    writeUsage(stderr, QCoreApplication::translate("CommandLine", kUsage));
    return 2;
}

} // namespace orbetta
