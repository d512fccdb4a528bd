#pragma once

class QWidget;

// Opens the help file at its contents in a modeless viewer owned by the given window.
void openHelp(QWidget* owner);
