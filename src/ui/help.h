#pragma once

class QString;
class QWidget;

// Opens the help file "Orbetta.hlp" at its contents in a modeless viewer owned by the given window. There is
// one viewer at a time: a second request brings it forward. Without a help file nothing happens.
void openHelp(QWidget* owner);

// Where the help file lies for a program in programDir: beside it, or in ../share/orbetta/ for an installed
// program. Empty when neither exists.
QString findHelpFile(const QString& programDir);

// Opens the given help file (HTML) at its top in the one viewer, or brings the open viewer forward.
// Returns false, and opens nothing, when the file cannot be read.
bool showHelpFile(QWidget* owner, const QString& path);
