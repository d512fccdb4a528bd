#include "look/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <clocale>
#include <cstdlib>

namespace orbetta::look {

namespace {

// The variables in which a launching desktop hands over its start-up notice; the window system's connection
// reads and removes them, which another thread reading the environment at that moment could trip over.
bool startupNoticeGiven() {
    return std::getenv("DESKTOP_STARTUP_ID") != nullptr || std::getenv("XDG_ACTIVATION_TOKEN") != nullptr;
}

} // namespace

FontConfigurationReader::FontConfigurationReader() {
    if (startupNoticeGiven())
        return;
    std::setlocale(LC_ALL, "");
    // Once read, the configuration is the current one, which Qt's font database takes as it is.
    reader_ = std::thread([] { FcInit(); });
}

FontConfigurationReader::~FontConfigurationReader() {
    finish();
}

void FontConfigurationReader::finish() {
    if (reader_.joinable())
        reader_.join();
}

} // namespace orbetta::look
