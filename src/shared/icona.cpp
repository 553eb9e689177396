#include "shared/icona.h"

// The same picture as the desktop menu's icon; the SVG icon engine draws it at the sizes a
// window asks for, when it asks.
QIcon IconaProgramma() {
    return QIcon(QStringLiteral(":/icone/tabella.svg"));
}
