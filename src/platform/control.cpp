#include "platform/control.h"

#include "platform/accessibility.h"
#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QAction>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace platform {

Control::Control(const ControlDesign& design, QObject* owner)
    : QObject(owner), kind_(design.kind), dock_(design.dock), borderWidth_(design.borderWidth),
      left_(design.left), top_(design.top), width_(design.width), height_(design.height),
      name_(design.name), index_(design.index), tabIndex_(design.tabIndex), font_(design.font),
      caption_(design.caption), fore_(design.foreColour), back_(design.backColour),
      visible_(design.visible), enabled_(design.enabled), transparent_(design.transparent),
      border_(design.border), alignment_(design.alignment), shape_(design.shape),
      interval_(design.interval), accessibleName_(design.accessibleName),
      accessible_(design.accessible), readingOrder_(design.readingOrder) {
    if (kind_ == ControlKind::Timer) {
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, [this] {
            if (tick_ && !detached_) {
                tick_();
            }
        });
    }
}

Control::~Control() = default;

QWidget* Control::Widget() const {
    return widget_.data();
}
QAction* Control::Action() const {
    return action_.data();
}

void Control::Attach(QWidget* widget) {
    widget_ = widget;
    widget->setObjectName(index_ < 0 ? name_ : name_ + u'(' + QString::number(index_) + u')');
    widget->setAccessibleName(AccessibleName());
    widget->setEnabled(enabled_);
    widget->setVisible(visible_);
    ApplyGeometry();
}

void Control::Attach(QAction* action) {
    action_ = action;
    action->setObjectName(name_);
    action->setEnabled(enabled_);
    action->setVisible(visible_);
    connect(action, &QAction::triggered, this, [this] {
        if (click_) {
            click_();
        }
    });
}

void Control::Move(double left, double top, double width, double height) {
    if (!HasGeometry()) {
        throw RuntimeError("the control has no position");
    }
    if (width < 0 || height < 0) {
        throw RuntimeError("negative size"); // a size below zero is refused
    }
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    ApplyGeometry();
}

// A line keeps its end points in the four geometry fields.
void Control::SetX1(double v) {
    left_ = v;
    ApplyGeometry();
}

void Control::SetY1(double v) {
    top_ = v;
    ApplyGeometry();
}

void Control::SetX2(double v) {
    width_ = v;
    ApplyGeometry();
}

void Control::SetY2(double v) {
    height_ = v;
    ApplyGeometry();
}

void Control::ApplyGeometry() {
    if (batch_) {
        moved_ = true; // applied once, when the batch ends
        return;
    }
    QWidget* w = widget_.data();
    if (w == nullptr) {
        return;
    }
    if (kind_ == ControlKind::Line) {
        // The widget covers the line's bounding box, with room for the pen.
        const int margin = std::max(1, borderWidth_);
        const int x1 = TwipsToPixels(left_), y1 = TwipsToPixels(top_);
        const int x2 = TwipsToPixels(width_), y2 = TwipsToPixels(height_);
        const int x = std::min(x1, x2) - margin, y = std::min(y1, y2) - margin;
        const QRect box(x, y, std::abs(x2 - x1) + 2 * margin + 1,
                        std::abs(y2 - y1) + 2 * margin + 1);
        if (box == w->geometry()) {
            w->update(); // the same box, another diagonal
        } else {
            w->setGeometry(box);
        }
        return;
    }
    int x = TwipsToPixels(left_), y = TwipsToPixels(top_);
    int wide = std::max(0, TwipsToPixels(width_)), high = std::max(0, TwipsToPixels(height_));
    if (dock_ != Dock::None && w->parentWidget() != nullptr) {
        // Docked to an edge of the container: full height, at the left or right edge.
        const QWidget* box = w->parentWidget();
        y = 0;
        high = box->height();
        x = dock_ == Dock::Left ? 0 : box->width() - wide;
        left_ = PixelsToTwips(x);
        top_ = 0;
        height_ = PixelsToTwips(high);
    }
    w->setGeometry(x, y, wide, high);
}

void Control::Repaint() {
    if (widget_) {
        widget_->update();
    }
}

void Control::SetCaption(const QString& text) {
    if (text == caption_) {
        return;
    }
    caption_ = text;
    if (auto* button = qobject_cast<QAbstractButton*>(widget_.data())) {
        button->setText(text);
    }
    if (widget_) {
        widget_->setAccessibleName(AccessibleName()); // announces the change
    }
    if (action_) {
        action_->setText(text);
    }
    Repaint();
    if (change_) {
        change_();
    }
}

void Control::SetBackColor(colour::Value v) {
    back_ = v;
    Repaint();
}

void Control::SetForeColor(colour::Value v) {
    fore_ = v;
    Repaint();
}

void Control::SetVisible(bool on) {
    visible_ = on;
    if (widget_) {
        widget_->setVisible(on);
    }
    if (action_) {
        action_->setVisible(on);
    }
}

void Control::SetEnabled(bool on) {
    enabled_ = on;
    if (widget_) {
        widget_->setEnabled(on);
    }
    if (action_) {
        action_->setEnabled(on);
    }
    UpdateTimer();
}

void Control::SetValue(bool on) {
    if (value_ == on) {
        return;
    }
    value_ = on;
    if (on && kind_ == ControlKind::OptionButton && widget_ && widget_->parentWidget()) {
        // Option buttons of one container exclude each other.
        for (auto* sibling : widget_->parentWidget()->findChildren<ButtonWidget*>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (sibling != widget_) {
                sibling->control_.SetValue(false);
            }
        }
    }
    Repaint();
}

void Control::SetInterval(int ms) {
    interval_ = ms;
    UpdateTimer();
}

void Control::OnTimer(std::function<void()> handler) {
    tick_ = std::move(handler);
    UpdateTimer();
}

void Control::OnMouseDown(std::function<void(const MouseArgs&)> handler) {
    mouseDown_ = std::move(handler);
}

void Control::OnMouseUp(std::function<void(const MouseArgs&)> handler) {
    mouseUp_ = std::move(handler);
}

// A timer runs only while it is enabled, has an interval and has something to do: a timer
// whose ticks would do nothing never wakes the program up.
void Control::UpdateTimer() {
    if (timer_ == nullptr) {
        return;
    }
    const bool run = enabled_ && interval_ > 0 && tick_;
    if (run) {
        if (!timer_->isActive() || timer_->interval() != interval_) {
            timer_->start(interval_);
        }
    } else {
        timer_->stop();
    }
}

bool Control::TimerRunning() const {
    return timer_ != nullptr && timer_->isActive();
}

QString Control::AccessibleName() const {
    if (!accessibleName_.isEmpty()) {
        return accessibleName_;
    }
    // One line per line of the caption, without the spaces that only pad it on the screen.
    const bool padded =
        !caption_.isEmpty() && (caption_.front().isSpace() || caption_.back().isSpace());
    if (!padded && !caption_.contains(u'\r') && !caption_.contains(u'\n')) {
        return caption_; // a typed answer, a button: as it is
    }
    QString name = caption_;
    name.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    name.replace(u'\r', u'\n');
    QStringList lines = name.split(u'\n');
    for (QString& line : lines) {
        line = line.trimmed();
    }
    return lines.join(u'\n');
}

void Control::SetAccessibleDescription(const QString& text) {
    if (widget_ && widget_->accessibleDescription() != text) {
        widget_->setAccessibleDescription(text); // announces the change
    }
}

bool Control::Presented() const {
    return accessible_ && kind_ != ControlKind::Line && kind_ != ControlKind::Shape &&
           kind_ != ControlKind::Timer;
}

void Control::ZOrder() {
    if (widget_) {
        widget_->raise();
        AnnounceStacking(widget_);
    }
}

bool Control::SetFocus() {
    QWidget* w = widget_.data();
    if (w == nullptr || w->focusPolicy() == Qt::NoFocus || !w->isVisible() || !w->isEnabled()) {
        return false;
    }
    w->setFocus(Qt::OtherFocusReason);
    return w->window()->focusWidget() == w;
}

bool Control::HasFocus() const {
    const QWidget* w = widget_.data();
    return w != nullptr && w->window()->focusWidget() == w;
}

// The window is gone: its timer stops at once, and nothing more is delivered to its handlers
// (which would otherwise load the window again by referring to it).
void Control::Detach() {
    detached_ = true;
    if (timer_ != nullptr) {
        timer_->stop();
    }
}

void Control::DeliverClick() {
    if (click_ && !detached_) {
        click_();
    }
}

void Control::DeliverMouseDown(const MouseArgs& args) {
    if (mouseDown_ && !detached_) {
        mouseDown_(args);
    }
}

void Control::DeliverMouseUp(const MouseArgs& args) {
    if (mouseUp_ && !detached_) {
        mouseUp_(args);
    }
}

void Control::DeliverFocus(bool gained) {
    const auto& handler = gained ? gotFocus_ : lostFocus_;
    if (handler && !detached_) {
        handler();
    }
}

void Control::DeliverKeyDown(KeyArgs& args) {
    if (keyDown_ && !detached_) {
        keyDown_(args);
    }
}

void Control::DeliverKeyPress(int& ascii, bool repeat) {
    if (keyPress_ && !detached_) {
        keyPress_(ascii, repeat);
    }
}

void Control::DeliverKeyUp(const KeyArgs& args) {
    if (keyUp_ && !detached_) {
        keyUp_(args);
    }
}

} // namespace platform
