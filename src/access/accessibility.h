#pragma once

#include <functional>

class QObject;

namespace orbetta::access {

// Gives the windows the roles a screen reader needs to follow the focus: a main window or help viewer that is
// a plain widget is a window (not a filler), the two key panels are groupings (not frames, which a screen
// reader takes for windows of their own), the announcer is a notification in a status bar, a text browser
// (the help) is a document a screen reader reads by line, word and character, and the text of every line edit
// and spin box (the display's among them) is read whole. Safe to call more than once.
void installAccessibleRoles();

// Runs apply now if a screen reader listens, otherwise as soon as one connects, and never if none does, so
// that a program nobody reads aloud pays nothing for it at start-up: naming a control already builds its
// accessible object and looks for accessibility plugins. Nothing runs once owner is gone.
void whenScreenReaderListens(QObject* owner, std::function<void()> apply);

// A screen reader listens, or listened since the program started.
bool screenReaderListens();

} // namespace orbetta::access
