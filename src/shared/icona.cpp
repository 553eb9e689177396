#include "shared/icona.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The same picture as the desktop menu's icon, drawn at the sizes a window asks for.
QIcon IconaProgramma() {
    QSvgRenderer svg(QStringLiteral(":/icone/tabella.svg"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        svg.render(&p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
