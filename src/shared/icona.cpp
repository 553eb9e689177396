#include "shared/icona.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace {

// The picture of packaging/icons/tabella.svg (the desktop menu's icon), drawn from the same
// shapes on its 256 x 256 grid. Painted here, the window icon needs neither the SVG renderer
// nor any image plugin when the program starts.
void DisegnaIcona(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(rect.topLeft());
    p.scale(rect.width() / 256.0, rect.height() / 256.0);
    const QColor blu(0x00, 0x00, 0xc0);

    p.setPen(QPen(blu, 16));
    p.setBrush(QColor(0xff, 0xe0, 0xc0));
    p.drawRoundedRect(QRectF(12, 12, 232, 232), 40, 40);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x00, 0x00));
    p.drawRoundedRect(QRectF(78, 58, 100, 22), 6, 6);

    QPainterPath uno;
    uno.moveTo(86, 200);
    uno.lineTo(86, 134);
    uno.lineTo(68, 142);
    uno.lineTo(68, 122);
    uno.lineTo(92, 108);
    uno.lineTo(110, 108);
    uno.lineTo(110, 200);
    uno.closeSubpath();
    p.setBrush(blu);
    p.drawPath(uno);

    p.setPen(QPen(blu, 20));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(157, 154), 27, 38);
    p.restore();
}

class MotoreIcona final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        DisegnaIcona(*painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QImage immagine(size, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        QPainter p(&immagine);
        paint(&p, immagine.rect(), mode, state);
        p.end();
        return QPixmap::fromImage(std::move(immagine));
    }

    // The sizes a window manager is offered for the window's icon.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QIconEngine* clone() const override { return new MotoreIcona; }
};

} // namespace

QIcon IconaProgramma() {
    return QIcon(new MotoreIcona);
}
