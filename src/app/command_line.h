#pragma once

#include <optional>

namespace orbetta {

// Answers --version and --help before any window system is touched, so both work without a display. Every
// other argument is left to Qt (-platform, -style, ...). Returns the exit status when the program has
// answered and must end, nothing when it goes on to open its window.
std::optional<int> answerCommandLine(int argc, char* argv[]);

} // namespace orbetta
