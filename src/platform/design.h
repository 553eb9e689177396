#pragma once

#include "platform/colour.h"

#include <QString>
#include <vector>

namespace platform {

// The kinds of control a window design can hold.
enum class ControlKind {
    Label,
    Frame,
    PictureBox,
    OptionButton,  // drawn as a push button, pressed while its Value is set
    CommandButton, // drawn as a push button
    Shape,
    Line,
    Image,
    Timer,
    Menu,
};

enum class Align { Left, Centre, Right };
enum class ShapeKind { Rectangle, RoundedRectangle, Circle };
enum class Dock { None, Left, Right };

struct FontSpec {
    QString name; // empty: the window's font
    double points = 0;
    bool bold = false;
};

// A control named by its design name and, inside a control array, its index.
struct ControlRef {
    ControlRef(QString n = {}, int i = -1) : name(std::move(n)), index(i) {}
    QString name;
    int index;
};

// One row of a window design. Geometry is in twips relative to the container; for a line the
// four numbers are X1, Y1, X2, Y2.
struct ControlDesign {
    QString name;
    int index = -1; // -1: not in a control array
    ControlKind kind = ControlKind::Label;
    ControlRef container; // empty name: the window's client area
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString caption;
    FontSpec font;
    colour::Value foreColour = colour::WindowText; // a shape's border, a line's colour
    colour::Value backColour = colour::ButtonFace; // a shape's fill
    bool visible = true;
    bool enabled = true;
    bool transparent = false; // labels and shapes: no background fill
    bool border = false;      // labels: single border; frames: etched border
    Align alignment = Align::Left;
    ShapeKind shape = ShapeKind::Rectangle;
    int borderWidth = 1; // shapes and lines, in pixels
    Dock dock = Dock::None;
    int tabIndex = -1; // focus order; only buttons take the focus
    int interval = 0;  // timers, in milliseconds
    // For assistive technology: the name to read when the caption is not meant to be read as
    // it is written (empty: the caption), whether the control is presented at all, and its
    // place in the reading order of its container (-1: after the numbered ones, in design
    // order).
    QString accessibleName;
    bool accessible = true;
    int readingOrder = -1;
};

// A row with its name, kind, container and geometry; every other property at its default.
ControlDesign Row(QString name, int index, ControlKind kind, ControlRef container, int left,
                  int top, int width, int height);

struct FormDesign {
    QString name;
    QString caption;
    colour::Value backColour = colour::ButtonFace;
    colour::Value foreColour = colour::WindowText;
    int scaleWidth = 0; // client area in the design, twips
    int scaleHeight = 0;
    bool maximised = false; // otherwise the design size, centred on the screen
    bool fixedSize = false; // the user cannot resize it
    bool icon = false;      // shows the program's icon
    FontSpec font;
    std::vector<ControlDesign> controls; // in the window's fixed enumeration order
};

// The row builders every design shares: a row of one kind with what that kind always has; a
// design sets the rest on the row it gets back.
ControlDesign LabelRow(QString name, int index, ControlRef container, QString caption, int left,
                       int top, int width, int height, FontSpec font);
ControlDesign FrameRow(QString name, ControlRef container, int left, int top, int width, int height,
                       colour::Value back);
ControlDesign ShapeRow(QString name, int index, ControlRef container, ShapeKind shape, int left,
                       int top, int width, int height, colour::Value back);
ControlDesign ButtonRow(ControlKind kind, QString name, int index, ControlRef container,
                        QString caption, int left, int top, int width, int height, FontSpec font,
                        colour::Value back, int tabIndex);
ControlDesign TimerRow(QString name, bool enabled, int interval);

// A window's own row: its name, caption, client area in twips, background and font.
FormDesign WindowDesign(QString name, QString caption, int scaleWidth, int scaleHeight,
                        colour::Value back, FontSpec font);
ControlDesign MenuRow(QString name, QString caption, bool enabled);

} // namespace platform
