#include "ui/colour_chooser.h"

#include "desktop/modal_loop.h"

#include <QColorDialog>
#include <QCoreApplication>

namespace {

ColourChoiceStep& choiceStep() {
    static ColourChoiceStep step;
    return step;
}

std::optional<QColor> runChooser(QColorDialog& chooser) {
    const orbetta::desktop::ModalLoop loop;
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.selectedColor();
}

} // namespace

void setColourChoiceStep(ColourChoiceStep step) {
    choiceStep() = std::move(step);
}

std::optional<QColor> chooseColour(QWidget* owner) {
    // What the user last confirmed in the chooser during this run; the chooser's own default before that.
    static QColor lastConfirmed = Qt::white;

    // Of a fixed size: a title and a close control only, no minimize or maximize.
    QColorDialog chooser(owner);
    chooser.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    chooser.setWindowTitle(QCoreApplication::translate("ColourChooser", "Orbetta Color"));
    chooser.setModal(true);
    chooser.setCurrentColor(lastConfirmed);

    const std::optional<QColor> chosen = choiceStep() ? choiceStep()(chooser) : runChooser(chooser);
    if (!chosen || !chosen->isValid())
        return std::nullopt;
    // A colour of the calculator is 24 bits: red, green and blue.
    lastConfirmed = QColor(chosen->red(), chosen->green(), chosen->blue());
    return lastConfirmed;
}
