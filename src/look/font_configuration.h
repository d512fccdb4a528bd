#pragma once

#include <thread>

namespace orbetta::look {

// Reads the installed fonts' configuration (the configuration files and the caches of the font list) on a
// thread of its own while the application object connects to the window system. The first text a window
// measures needs it; read then, on the one thread that also builds and paints the window, it is the largest
// single part of what fonts cost the first frame. The locale is set first, as the application object would
// set it, so that the configuration is read as it would be later.
//
// The environment must not change while the thread runs, since the configuration is found through it:
// finish() waits for the thread and must be called before the program changes the environment. Where the
// window system will take the desktop's start-up notice out of the environment while connecting, nothing is
// read early.
class FontConfigurationReader {
public:
    FontConfigurationReader();
    ~FontConfigurationReader();
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

    void finish();

private:
    std::thread reader_;
};

} // namespace orbetta::look
