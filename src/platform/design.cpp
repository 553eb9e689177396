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

} // namespace platform
