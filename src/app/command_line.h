#pragma once

#include <optional>

namespace orbetta {

// Answers --version and --help before any window system is touched, so both work without a display. Every
// other argument is left to Qt (-platform, -style, ...). Returns the exit status when the program has
// answered and must end, nothing when it goes on to open its window.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// What is left of the arguments once Qt has taken its own: the program takes no other, so the first one left
// is named in one line on standard error, followed by the usage. Returns the exit status: 0 when nothing is
// left, else 2.
int refuseArguments(int argc, char* argv[]);

} // namespace orbetta
