#include "app/command_line.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace orbetta {

namespace {

constexpr std::string_view kUsage =
    "Usage: orbetta [option]\n"
    "A scientific calculator in one small window, worked by mouse or keyboard.\n"
    "\n"
    "  -h, --help     shows this help and ends\n"
    "  -v, --version  shows the version and ends\n"
    "\n"
    "Qt's standard options are understood too, such as -platform xcb or -platform wayland.\n"
    "The keys and files are described in the manual page: man orbetta\n";

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
            std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
            return 0;
        }
    }
    return std::nullopt;
}

int refuseArguments(int argc, char* argv[]) {
    if (argc < 2)
        return 0;
    const std::string line = std::string("orbetta: unknown option ") + argv[1] + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fwrite(kUsage.data(), 1, kUsage.size(), stderr);
    return 2;
}

} // namespace orbetta
