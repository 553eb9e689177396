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
    p.setPen(Qt::NoPen);

    // The rim (16 wide, on the edge of the 232 x 232 square with corners of radius 40) and the
    // background inside it, as two filled shapes: cheaper to paint than a stroke.
    p.setBrush(blu);
    p.drawRoundedRect(QRectF(4, 4, 248, 248), 48, 48);
    p.setBrush(QColor(0xff, 0xe0, 0xc0));
    p.drawRoundedRect(QRectF(20, 20, 216, 216), 32, 32);

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
    // The zero: a ring 20 wide around the ellipse of radii 27 and 38.
    uno.addEllipse(QPointF(157, 154), 37, 48);
    uno.addEllipse(QPointF(157, 154), 17, 28);
    uno.setFillRule(Qt::OddEvenFill);
    p.setBrush(blu);
    p.drawPath(uno);
    p.restore();
}

class MotoreIcona final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        DisegnaIcona(*painter, rect);
    }

    // Painted once per size: every window of the program shares the icon.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        for (const QPixmap& fatta : fatte_) {
            if (fatta.size() == size) {
                return fatta;
            }
        }
        QImage immagine(size, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        QPainter p(&immagine);
        paint(&p, immagine.rect(), mode, state);
        p.end();
        fatte_.push_back(QPixmap::fromImage(std::move(immagine)));
        return fatte_.back();
    }

    // The sizes a window manager is offered for the window's icon.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QIconEngine* clone() const override { return new MotoreIcona; }

private:
    QList<QPixmap> fatte_;
};

} // namespace

QIcon IconaProgramma() {
    return QIcon(new MotoreIcona);
}
