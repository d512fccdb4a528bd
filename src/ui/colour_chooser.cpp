#include "ui/colour_chooser.h"

#include "access/announcer.h"
#include "desktop/modal_loop.h"

#include <QColorDialog>
#include <QCoreApplication>

#include <functional>
#include <utility>

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

// Hears a grid of swatches move its cursor: the grid's class is private to Qt, so its signal is reached by
// name, which needs a receiving slot.
class SwatchWatch : public QObject {
    Q_OBJECT
public:
    SwatchWatch(QObject* grid, std::function<void(int, int)> moved)
        : QObject(grid), moved_(std::move(moved)) {}

public slots:
    void moved(int row, int column) { moved_(row, column); }

private:
    std::function<void(int, int)> moved_;
};

// The chooser's two grids of swatches, its basic and its custom colours, are painted cells a screen reader
// knows nothing of: the grid is told by its label alone. Each grid's description follows the swatch the arrow
// keys reach, in the form the chooser's own HTML box shows a colour, and is read with the grid when it takes
// the focus; each move of the focused grid's cursor tells the colour reached.
void describeSwatches(QColorDialog& chooser) {
    QList<QWidget*> grids;
    for (QWidget* child : chooser.findChildren<QWidget*>())
        if (child->inherits("QtPrivate::QWellArray") || child->inherits("QWellArray"))
            grids << child;
    if (grids.size() != 2)
        return; // a chooser laid out otherwise is left as it is
    auto* announcer = new orbetta::access::Announcer(&chooser);
    announcer->setObjectName(QStringLiteral("ColourAnnouncer"));
    // The basic colours fill six rows and the custom ones two, each column from the top down.
    const bool basicFirst = grids[0]->sizeHint().height() >= grids[1]->sizeHint().height();
    for (int i = 0; i < 2; ++i) {
        QWidget* grid = grids[i];
        const bool basic = (i == 0) == basicFirst;
        const int rows = basic ? 6 : 2;
        const auto describe = [grid, basic, rows, announcer](int row, int column) {
            const int index = row + column * rows;
            const QColor colour =
                basic ? QColorDialog::standardColor(index) : QColorDialog::customColor(index);
            const QString name = row < 0 || column < 0 || !colour.isValid() ? QString() : colour.name();
            grid->setAccessibleDescription(name);
            // A changed description alone is not spoken: the toolkit reports it without the new text.
            if (grid->hasFocus() && !name.isEmpty())
                announcer->announce(name);
        };
        describe(0, 0); // where the arrow keys start
        QObject::connect(grid, SIGNAL(currentChanged(int, int)), new SwatchWatch(grid, describe),
                         SLOT(moved(int, int)));
    }
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
    describeSwatches(chooser); // before the preselection, which moves a grid's cursor to its colour
    chooser.setCurrentColor(lastConfirmed);

    const std::optional<QColor> chosen = choiceStep() ? choiceStep()(chooser) : runChooser(chooser);
    if (!chosen || !chosen->isValid())
        return std::nullopt;
    // A colour of the calculator is 24 bits: red, green and blue.
    lastConfirmed = QColor(chosen->red(), chosen->green(), chosen->blue());
    return lastConfirmed;
}

#include "colour_chooser.moc"
