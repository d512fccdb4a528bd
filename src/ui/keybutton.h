#pragma once

#include "look/pictures.h"

#include <QColor>
#include <QPushButton>

namespace orbetta::ui {

// A key of the calculator drawn in the classic three-dimensional look whatever the desktop theme: a face of
// its own colour (the light grey button face for keys of standard style), a raised edge that sinks while
// pressed, a caption or a picture, and a dotted focus mark. The key that would answer Enter wears a black
// outline.
class KeyButton : public QPushButton {
    Q_OBJECT
public:
    explicit KeyButton(QWidget* parent = nullptr);
    ~KeyButton() override;

    QColor faceColour() const { return face_; }
    void setFaceColour(const QColor& colour);

    look::Picture picture() const { return picture_; }
    // The picture's silver ground is painted instead of letting the face show through.
    void setPicture(look::Picture picture, bool opaqueGround = false);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool answersEnter() const;

    QColor face_;
    look::Picture picture_ = look::Picture::None;
    bool opaqueGround_ = false;
};

} // namespace orbetta::ui
