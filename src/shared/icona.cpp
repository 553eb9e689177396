#include "shared/icona.h"

#include <QPainter>
#include <QPixmap>

QIcon IconaProgramma() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal edge = size / 16.0;
        const QRectF box(edge, edge, size - 2 * edge, size - 2 * edge);
        p.setPen(QPen(QColor(0, 0, 192), edge));
        p.setBrush(QColor(255, 224, 192));
        p.drawRoundedRect(box, size / 6.0, size / 6.0);
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(qMax(6, size * 9 / 20));
        p.setFont(font);
        p.setPen(QColor(255, 0, 0));
        p.drawText(QRectF(box.left(), box.top(), box.width(), box.height() * 0.45), Qt::AlignCenter,
                   QStringLiteral("\u2212"));
        p.setPen(QColor(0, 0, 192));
        p.drawText(
            QRectF(box.left(), box.top() + box.height() * 0.4, box.width(), box.height() * 0.55),
            Qt::AlignCenter, QStringLiteral("10"));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
