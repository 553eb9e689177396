#include "platform/design.h"

namespace platform {

ControlDesign Row(QString name, int index, ControlKind kind, ControlRef container, int left,
                  int top, int width, int height) {
    ControlDesign d;
    d.name = std::move(name);
    d.index = index;
    d.kind = kind;
    d.container = std::move(container);
    d.left = left;
    d.top = top;
    d.width = width;
    d.height = height;
    return d;
}

ControlDesign LabelRow(QString name, int index, ControlRef container, QString caption, int left,
                       int top, int width, int height, FontSpec font) {
    ControlDesign d = Row(std::move(name), index, ControlKind::Label, std::move(container), left,
                          top, width, height);
    d.caption = std::move(caption);
    d.font = std::move(font);
    return d;
}

ControlDesign FrameRow(QString name, ControlRef container, int left, int top, int width, int height,
                       colour::Value back) {
    ControlDesign d = Row(std::move(name), -1, ControlKind::Frame, std::move(container), left, top,
                          width, height);
    d.backColour = back;
    return d;
}

ControlDesign ShapeRow(QString name, int index, ControlRef container, ShapeKind shape, int left,
                       int top, int width, int height, colour::Value back) {
    ControlDesign d = Row(std::move(name), index, ControlKind::Shape, std::move(container), left,
                          top, width, height);
    d.shape = shape;
    d.backColour = back;
    return d;
}

ControlDesign ButtonRow(ControlKind kind, QString name, int index, ControlRef container,
                        QString caption, int left, int top, int width, int height, FontSpec font,
                        colour::Value back, int tabIndex) {
    ControlDesign d =
        Row(std::move(name), index, kind, std::move(container), left, top, width, height);
    d.caption = std::move(caption);
    d.font = std::move(font);
    d.foreColour = colour::ButtonText;
    d.backColour = back;
    d.tabIndex = tabIndex;
    return d;
}

ControlDesign TimerRow(QString name, bool enabled, int interval) {
    ControlDesign d = Row(std::move(name), -1, ControlKind::Timer, {}, 0, 0, 0, 0);
    d.enabled = enabled;
    d.interval = interval;
    return d;
}

FormDesign WindowDesign(QString name, QString caption, int scaleWidth, int scaleHeight,
                        colour::Value back, FontSpec font) {
    FormDesign f;
    f.name = std::move(name);
    f.caption = std::move(caption);
    f.backColour = back;
    f.scaleWidth = scaleWidth;
    f.scaleHeight = scaleHeight;
    f.font = std::move(font);
    return f;
}

ControlDesign MenuRow(QString name, QString caption, bool enabled) {
    ControlDesign d = Row(std::move(name), -1, ControlKind::Menu, {}, 0, 0, 0, 0);
    d.caption = std::move(caption);
    d.enabled = enabled;
    return d;
}

} // namespace platform
