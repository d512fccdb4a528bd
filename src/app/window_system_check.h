#pragma once

namespace orbetta {

// Guards the making of the application object. While it holds, Qt's messages are kept back. If Qt finds no
// window system to show the calculator on, the program prints one line on standard error saying why and what
// to do, and ends with status 1, instead of Qt's abort and its advice to reinstall. Once the application
// object exists, release() prints the kept messages as Qt would have printed them.
class WindowSystemCheck {
public:
    WindowSystemCheck();
    ~WindowSystemCheck();
    WindowSystemCheck(const WindowSystemCheck&) = delete;
    WindowSystemCheck& operator=(const WindowSystemCheck&) = delete;

    void release();
};

} // namespace orbetta
