#include "platform/widgets.h"

#include "platform/control.h"
#include "platform/twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace platform {

QColor ToQColor(colour::Value value) {
    if (colour::IsSystem(value)) {
        const QPalette palette = QApplication::palette();
        switch (value) {
        case colour::WindowBackground:
            return palette.color(QPalette::Base);
        case colour::WindowText:
            return palette.color(QPalette::Text);
        case colour::ButtonText:
            return palette.color(QPalette::ButtonText);
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// The faces the designs name, as this system has them: the installed metric-compatible stand-ins
// (fonts-liberation), looked up once. A face without one keeps its name, and fontconfig finds
// the nearest; "Courier" is left to fontconfig too, as the printed page's font rule finds it.
const QString& InstalledFace(const QString& design) {
    static const QHash<QString, QString> faces = [] {
        QHash<QString, QString> map;
        const QStringList families = QFontDatabase::families();
        const std::pair<const char*, const char*> standIns[] = {
            {"Arial", "Liberation Sans"},
            {"MS Sans Serif", "Liberation Sans"},
            {"Courier New", "Liberation Mono"},
        };
        for (const auto& [face, standIn] : standIns) {
            if (families.contains(QLatin1String(standIn))) {
                map.insert(QLatin1String(face), QLatin1String(standIn));
            }
        }
        return map;
    }();
    const auto it = faces.constFind(design);
    return it != faces.cend() ? *it : design;
}

namespace {

QFont ToQFont(const FontSpec& design, double scale) {
    QFont font(InstalledFace(design.name));
    if (design.points > 0) {
        font.setPointSizeF(design.points * scale);
    }
    font.setBold(design.bold);
    return font;
}

// Captions break lines at a carriage return, with or without a line feed after it.
QString DisplayText(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

Qt::Alignment ToQt(Align align) {
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

MouseArgs ToArgs(const QMouseEvent* event) {
    MouseArgs args;
    switch (event->button()) {
    case Qt::RightButton:
        args.button = 2;
        break;
    case Qt::MiddleButton:
        args.button = 4;
        break;
    default:
        args.button = 1;
        break;
    }
    const auto mods = event->modifiers();
    args.shift = (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
                 (mods & Qt::AltModifier ? 4 : 0);
    args.x = PixelsToTwips(qRound(event->position().x()));
    args.y = PixelsToTwips(qRound(event->position().y()));
    return args;
}

// The raised (or sunken) edge of a button: a light and a black edge, a grey one inside, in the
// rectangle less its last column and row. Solid one-pixel rectangles, the cheapest thing a
// painter fills.
void DrawBevel(QPainter& p, const QRect& r, bool sunken) {
    const QColor light(255, 255, 255);
    const QColor dark(128, 128, 128);
    const QColor darkest(0, 0, 0);
    const QColor topLeft = sunken ? darkest : light;
    const QColor bottomRight = sunken ? light : darkest;
    const int x = r.x();
    const int y = r.y();
    const int w = r.width() - 1;
    const int h = r.height() - 1;
    p.fillRect(x, y, w, 1, topLeft);
    p.fillRect(x, y, 1, h, topLeft);
    p.fillRect(x, y + h - 1, w, 1, bottomRight);
    p.fillRect(x + w - 1, y, 1, h, bottomRight);
    if (sunken) {
        p.fillRect(x + 1, y + 1, w - 2, 1, dark);
        p.fillRect(x + 1, y + 1, 1, h - 2, dark);
    } else {
        p.fillRect(x + 1, y + h - 2, w - 2, 1, dark);
        p.fillRect(x + w - 2, y + 1, 1, h - 2, dark);
    }
}

} // namespace

ControlWidget::ControlWidget(Control& control, QWidget* parent)
    : QWidget(parent), control_(control) {
    setFocusPolicy(Qt::NoFocus);
    if (control.Kind() == ControlKind::Line || control.Kind() == ControlKind::Shape) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void ControlWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    switch (control_.Kind()) {
    case ControlKind::Label:
        PaintLabel(p);
        break;
    case ControlKind::Frame:
        p.fillRect(rect(), ToQColor(control_.back_));
        if (control_.border_) {
            const QRect r = rect().adjusted(0, 0, -1, -1);
            p.setPen(QColor(128, 128, 128));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(QColor(255, 255, 255));
            p.drawRect(r.adjusted(1, 1, 0, 0));
        }
        break;
    case ControlKind::PictureBox:
    case ControlKind::Image:
        p.fillRect(rect(), ToQColor(control_.back_));
        break;
    case ControlKind::Shape:
        PaintShape(p);
        break;
    case ControlKind::Line:
        PaintLine(p);
        break;
    default:
        break;
    }
}

void ControlWidget::PaintLabel(QPainter& p) {
    if (!control_.transparent_) {
        p.fillRect(rect(), ToQColor(control_.back_));
    }
    QRect textRect = rect();
    if (control_.border_) {
        p.setPen(QColor(0, 0, 0));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        textRect.adjust(2, 2, -2, -2);
    }
    p.setFont(ToQFont(control_.font_, control_.fontScale_));
    p.setPen(isEnabled() ? ToQColor(control_.fore_) : QColor(128, 128, 128));
    p.drawText(textRect,
               static_cast<int>(ToQt(control_.alignment_) | Qt::AlignTop) | Qt::TextWordWrap,
               DisplayText(control_.caption_));
}

void ControlWidget::PaintShape(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const int pen = control_.borderWidth_;
    QPen border(ToQColor(control_.fore_));
    border.setWidth(pen);
    p.setPen(border);
    p.setBrush(control_.transparent_ ? QBrush(Qt::NoBrush) : QBrush(ToQColor(control_.back_)));
    const qreal half = pen / 2.0;
    QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    switch (control_.shape_) {
    case ShapeKind::Rectangle:
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawRect(r);
        break;
    case ShapeKind::RoundedRectangle: {
        const qreal radius = std::min(r.width(), r.height()) / 6.0;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case ShapeKind::Circle: {
        const qreal d = std::min(r.width(), r.height());
        p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
        break;
    }
    }
}

void ControlWidget::PaintLine(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(ToQColor(control_.fore_));
    pen.setWidth(control_.borderWidth_);
    p.setPen(pen);
    const QPoint origin = geometry().topLeft();
    const QPoint a(TwipsToPixels(control_.X1()), TwipsToPixels(control_.Y1()));
    const QPoint b(TwipsToPixels(control_.X2()), TwipsToPixels(control_.Y2()));
    p.drawLine(a - origin, b - origin);
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    control_.DeliverMouseDown(ToArgs(event));
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    control_.DeliverMouseDown(ToArgs(event));
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    control_.DeliverMouseUp(ToArgs(event));
}

ButtonWidget::ButtonWidget(Control& control, QWidget* parent)
    : QAbstractButton(parent), control_(control) {
    setFocusPolicy(Qt::StrongFocus);
    setText(control.Caption());
    // A command button is pressed as the desktop's buttons are (left click, Space, Enter, or
    // an assistive tool's press); all of them come here.
    // An option button is clicked only by an assistive tool's press (its mouse and keys are
    // handled below), which the window treats as Enter on it.
    connect(this, &QAbstractButton::clicked, this, [this] { control_.DeliverClick(); });
}

bool ButtonWidget::IsCommand() const {
    return control_.Kind() == ControlKind::CommandButton;
}

void ButtonWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool pressed = control_.value_ || (IsCommand() && isDown());
    p.fillRect(rect(), ToQColor(control_.back_));
    DrawBevel(p, rect(), pressed);
    p.setFont(ToQFont(control_.font_, control_.fontScale_));
    p.setPen(isEnabled() ? ToQColor(control_.fore_) : QColor(128, 128, 128));
    const QRect textRect =
        rect().adjusted(3, 3, -3, -3).translated(pressed ? 1 : 0, pressed ? 1 : 0);
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, DisplayText(control_.caption_));
    if (!IsCommand() && hasFocus()) {
        // The focus is shown by the background colour and, so that it can be found at a
        // glance, by a dark blue outline just inside the edge.
        constexpr int kSpessore = 3;
        QPen outline(QColor(0, 0, 128), kSpessore);
        outline.setJoinStyle(Qt::MiterJoin);
        p.setPen(outline);
        p.setBrush(Qt::NoBrush);
        const qreal half = kSpessore / 2.0;
        p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
}

// An option button acts at once on the press of any mouse button; the second press of a
// double click is a press too. Qt's own press, release and click handling is not used for it.
// A command button reports the press too, and is otherwise pressed as the desktop's buttons are.
void ButtonWidget::mousePressEvent(QMouseEvent* event) {
    if (IsCommand()) {
        control_.DeliverMouseDown(ToArgs(event));
        QAbstractButton::mousePressEvent(event);
        return;
    }
    mouseHeld_ = true;
    control_.SetValue(true);
    control_.DeliverMouseDown(ToArgs(event));
}

void ButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    mouseHeld_ = false;
    control_.DeliverMouseUp(ToArgs(event));
    if (IsCommand()) {
        QAbstractButton::mouseReleaseEvent(event);
    }
}

void ButtonWidget::mouseMoveEvent(QMouseEvent* event) {
    if (IsCommand()) {
        QAbstractButton::mouseMoveEvent(event);
    } else {
        event->ignore();
    }
}

// Option buttons leave keys to the window's key handling: Qt's own Space-clicks and arrow-key
// moves are not wanted on them. A command button also takes Enter, once per stroke.
void ButtonWidget::keyPressEvent(QKeyEvent* event) {
    if (!IsCommand()) {
        KeyArgs args{VirtualKey(*event), ShiftState(*event), event->isAutoRepeat()};
        control_.DeliverKeyDown(args);
        int ascii = AsciiCode(*event);
        if (ascii != 0) {
            control_.DeliverKeyPress(ascii, event->isAutoRepeat());
        }
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

// The key up of a stroke goes to the button that has the focus at release; the releases of
// auto-repeat are not key ups.
void ButtonWidget::keyReleaseEvent(QKeyEvent* event) {
    if (IsCommand()) {
        QAbstractButton::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        const KeyArgs args{VirtualKey(*event), ShiftState(*event), false};
        control_.DeliverKeyUp(args);
    }
    event->accept();
}

// A button switched off while the mouse holds it down never receives the release: it is not
// left drawn pressed.
void ButtonWidget::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled() && mouseHeld_) {
        mouseHeld_ = false;
        if (!control_.Detached()) {
            control_.SetValue(false);
        }
    }
}

void ButtonWidget::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    control_.DeliverFocus(true);
}

void ButtonWidget::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    control_.DeliverFocus(false);
}

} // namespace platform
