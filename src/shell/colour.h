#pragma once

#include <QColor>
#include <optional>

class QWidget;

// Shows the colour chooser modally, preselecting the colour last confirmed in it during this run.
// Returns the chosen colour, or nothing when the user cancelled.
std::optional<QColor> chooseColour(QWidget* owner);
