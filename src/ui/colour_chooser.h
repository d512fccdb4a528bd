#pragma once

#include <QColor>
#include <functional>
#include <optional>

class QColorDialog;
class QWidget;

// Shows the colour chooser "Orbetta Color" modally, preselecting the colour last confirmed in it during this
// run. Returns the chosen colour (opaque), or nothing when the user cancelled.
std::optional<QColor> chooseColour(QWidget* owner);

// The interactive step of chooseColour: given the prepared chooser, returns the confirmed colour or nothing.
// Tests replace it to answer without a person; an empty function restores the chooser's own modal run.
using ColourChoiceStep = std::function<std::optional<QColor>(QColorDialog& chooser)>;
void setColourChoiceStep(ColourChoiceStep step);
