#pragma once

#include "platform/colour.h"

#include <QAbstractButton>
#include <QColor>
#include <QWidget>

namespace platform {

class Control;

// The Qt colour for a design colour value; system colours come from the palette.
QColor ToQColor(colour::Value value);
// The installed face that stands in for a face a design names ("Arial", "MS Sans Serif",
// "Courier New"), or the name itself.
const QString& InstalledFace(const QString& design);

// Draws the windowless control kinds and the containers: labels, frames, picture boxes,
// shapes, lines and images.
class ControlWidget final : public QWidget {
public:
    ControlWidget(Control& control, QWidget* parent);
    Control& Owner() const { return control_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PaintLabel(QPainter& p);
    void PaintShape(QPainter& p);
    void PaintLine(QPainter& p);

    Control& control_;
};

// An option or command button drawn as a push button: filled with its back colour, caption
// centred, drawn pressed while its Value is set. It acts on the press of any mouse button.
class ButtonWidget final : public QAbstractButton {
public:
    ButtonWidget(Control& control, QWidget* parent);
    Control& Owner() const { return control_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool IsCommand() const;

    bool mouseHeld_ = false; // pressed by the mouse, not yet released

    friend class Control;
    Control& control_;
};

} // namespace platform
