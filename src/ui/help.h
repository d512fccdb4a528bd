#pragma once

#include <QString>

class QKeyEvent;
class QWidget;

// Opens the help file "Orbetta.hlp" at its contents in a modeless viewer owned by the given window. There is
// one viewer at a time: a second request brings it forward. Without a help file nothing happens.
void openHelp(QWidget* owner);

// Where the help file lies for a program in programDir: beside it, or in ../share/orbetta/ for an installed
// program; the language's own, "Orbetta_de.hlp", where there is one. Empty when there is none.
QString findHelpFile(const QString& programDir, const QString& language = {});

// Opens the given help file (HTML) at its top in the one viewer, or brings the open viewer forward.
// Returns false, and opens nothing, when the file cannot be read.
bool showHelpFile(QWidget* owner, const QString& path);

// F1 in a dialog opens the help, owned by the main window that owns the dialog. Returns true when the press
// was F1 and has been taken.
bool openHelpOnF1(QWidget* dialog, QKeyEvent* event);
