#include "platform/style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

namespace platform {

namespace {

// A standard icon of a style, asked of the style the first time it is drawn or measured.
class DeferredIcon final : public QIconEngine {
public:
    DeferredIcon(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }
    QIconEngine* clone() const override { return new DeferredIcon(*this); }

private:
    const QIcon& Icon() {
        if (!read_) {
            read_ = true;
            if (style_ != nullptr) {
                icon_ = style_->standardIcon(which_);
            }
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    bool read_ = false;
    QIcon icon_;
};

class ProgramStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (option == nullptr && (which == SP_ToolBarHorizontalExtensionButton ||
                                  which == SP_ToolBarVerticalExtensionButton)) {
            return QIcon(new DeferredIcon(baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void InstallProgramStyle() {
    QStyle* current = QApplication::style();
    if (dynamic_cast<ProgramStyle*>(current) == nullptr) {
        // The desktop's own style (or the one named with -style) underneath.
        QApplication::setStyle(new ProgramStyle(QStyleFactory::create(current->name())));
    }
}

} // namespace platform
