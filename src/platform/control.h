#pragma once

#include "platform/design.h"
#include "platform/keys.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QTimer;
class QWidget;

namespace platform {

class ControlWidget;

// Notifications a control can deliver to its window. Each runs inside the step that caused it.
struct MouseArgs {
    int button = 1; // 1 left, 2 right, 4 middle
    int shift = 0;
    double x = 0; // twips inside the control
    double y = 0;
};

// One control of a loaded window: a label, frame, picture box, button, shape, line, image,
// timer or menu entry. It keeps its own state (geometry in twips, caption, colours, own
// enabled and visible flags) and mirrors it onto the Qt object that shows it.
class Control final : public QObject {
public:
    Control(const ControlDesign& design, QObject* owner);
    ~Control() override;

    ControlKind Kind() const { return kind_; }
    const QString& Name() const { return name_; }
    int Index() const { return index_; }
    int TabIndex() const { return tabIndex_; }
    // The design's font. A window smaller than its design draws it smaller by FontScale, so
    // that no text is clipped; at the design size and above it is drawn as designed.
    const FontSpec& Font() const { return font_; }
    double FontScale() const { return fontScale_; }
    void SetFontScale(double scale) {
        if (scale != fontScale_) {
            fontScale_ = scale;
            Repaint();
        }
    }

    // Geometry in twips, relative to the container. Timers, menu entries and lines have none:
    // moving them is a run-time error.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Move(double left, double top, double width, double height);
    void SetLeft(double v) { Move(v, top_, width_, height_); }
    void SetTop(double v) { Move(left_, v, width_, height_); }
    void SetWidth(double v) { Move(left_, top_, v, height_); }
    void SetHeight(double v) { Move(left_, top_, width_, v); }
    // False for the kinds without Left, Top, Width and Height.
    bool HasGeometry() const {
        return kind_ != ControlKind::Timer && kind_ != ControlKind::Menu &&
               kind_ != ControlKind::Line;
    }

    // A line's end points, in twips; negative values are accepted.
    double X1() const { return left_; }
    double Y1() const { return top_; }
    double X2() const { return width_; }
    double Y2() const { return height_; }
    void SetX1(double v);
    void SetY1(double v);
    void SetX2(double v);
    void SetY2(double v);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& text);
    colour::Value BackColor() const { return back_; }
    void SetBackColor(colour::Value v);
    colour::Value ForeColor() const { return fore_; }
    void SetForeColor(colour::Value v);

    // The control's own states, whatever its container's are.
    bool Visible() const { return visible_; }
    void SetVisible(bool on);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Value() const { return value_; }
    void SetValue(bool on);

    int Interval() const { return interval_; }
    void SetInterval(int ms);

    // What assistive technology reads: the design's name for it, or the caption with its
    // line breaks as lines; and a description of its state ("risposta sbagliata").
    QString AccessibleName() const;
    void SetAccessibleDescription(const QString& text);
    // Presented to assistive technology at all (lines, shapes and timers are not), and its
    // place in its container's reading order (-1: after the numbered ones).
    bool Presented() const;
    int ReadingOrder() const { return readingOrder_; }

    // Brings the control to the front of its container.
    void ZOrder();
    // Moves the keyboard focus here; false when the control cannot take it (hidden, switched
    // off itself or through a container, or its window is not shown).
    bool SetFocus();
    bool HasFocus() const;

    void OnChange(std::function<void()> handler) { change_ = std::move(handler); }
    // A menu entry chosen, or a command button pressed as the desktop's buttons are pressed.
    void OnClick(std::function<void()> handler) { click_ = std::move(handler); }
    void OnTimer(std::function<void()> handler);
    void OnMouseDown(std::function<void(const MouseArgs&)> handler);
    void OnMouseUp(std::function<void(const MouseArgs&)> handler);
    void OnGotFocus(std::function<void()> handler) { gotFocus_ = std::move(handler); }
    void OnLostFocus(std::function<void()> handler) { lostFocus_ = std::move(handler); }
    // Key down, then key press (only for keys that produce a character; discarding the key
    // down does not suppress it), then a single key up when the key is released.
    void OnKeyDown(std::function<void(KeyArgs&)> handler) { keyDown_ = std::move(handler); }
    void OnKeyPress(std::function<void(int& ascii, bool repeat)> handler) {
        keyPress_ = std::move(handler);
    }
    void OnKeyUp(std::function<void(const KeyArgs&)> handler) { keyUp_ = std::move(handler); }

    QWidget* Widget() const;
    QAction* Action() const;
    bool TimerRunning() const;

    // Used by the window builder.
    void Attach(QWidget* widget);
    void Attach(QAction* action);
    // Re-applies docking after the container changed size.
    void FollowContainer() {
        if (dock_ != Dock::None) {
            ApplyGeometry();
        }
    }
    // While a batch is open, moves are only recorded; closing it moves the widget once.
    void BeginBatch() { batch_ = true; }
    void EndBatch() {
        batch_ = false;
        if (moved_) {
            moved_ = false;
            ApplyGeometry();
        }
    }

    // Used by the widgets.
    void DeliverClick();
    void DeliverMouseDown(const MouseArgs& args);
    void DeliverMouseUp(const MouseArgs& args);
    void DeliverFocus(bool gained);
    void DeliverKeyDown(KeyArgs& args);
    void DeliverKeyPress(int& ascii, bool repeat);
    void DeliverKeyUp(const KeyArgs& args);
    // An unloaded window's controls deliver nothing more, while Qt finishes with them.
    void Detach();
    bool Detached() const { return detached_; }

private:
    void ApplyGeometry();
    void UpdateTimer();
    void Repaint();

    // What a resize reads and writes of every control, side by side.
    ControlKind kind_;
    Dock dock_;
    int borderWidth_;
    bool batch_ = false;
    bool moved_ = false;
    double left_, top_, width_, height_;
    double fontScale_ = 1;
    QPointer<QWidget> widget_;

    QString name_;
    int index_;
    int tabIndex_;
    FontSpec font_;
    QString caption_;
    colour::Value fore_, back_;
    bool visible_, enabled_, value_ = false;
    bool transparent_, border_;
    Align alignment_;
    ShapeKind shape_;
    int interval_;
    QString accessibleName_;
    bool accessible_;
    int readingOrder_;

    QPointer<QAction> action_;
    QTimer* timer_ = nullptr;

    std::function<void()> change_, click_, tick_;
    std::function<void(const MouseArgs&)> mouseDown_, mouseUp_;
    std::function<void()> gotFocus_, lostFocus_;
    std::function<void(KeyArgs&)> keyDown_;
    std::function<void(int&, bool)> keyPress_;
    std::function<void(const KeyArgs&)> keyUp_;
    bool detached_ = false;

    friend class ControlWidget;
    friend class ButtonWidget;
};

} // namespace platform
