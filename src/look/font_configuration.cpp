#include "look/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <clocale>
#include <cstdlib>
#include <thread>

namespace orbetta::look {

namespace {

// Waited for at the latest when the program ends.
struct Reader {
    std::thread thread;
    ~Reader() {
        if (thread.joinable())
            thread.join();
    }
};

Reader& reader() {
    static Reader instance;
    return instance;
}

// The variables in which a launching desktop hands over its start-up notice; the window system's connection
// reads and removes them, which the reading thread could trip over while it looks up the configuration's
// place.
bool startupNoticeGiven() {
    return std::getenv("DESKTOP_STARTUP_ID") != nullptr || std::getenv("XDG_ACTIVATION_TOKEN") != nullptr;
}

} // namespace

void startReadingFontConfiguration() {
    if (reader().thread.joinable() || startupNoticeGiven())
        return;
    std::setlocale(LC_ALL, "");
    // Once read, the configuration is the current one, which Qt's font database takes as it is.
    reader().thread = std::thread([] { FcInit(); });
}

void finishReadingFontConfiguration() {
    if (reader().thread.joinable())
        reader().thread.join();
}

} // namespace orbetta::look
