#include "platform/accessibility.h"

#include "platform/control.h"
#include "platform/widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <algorithm>
#include <limits>
#include <vector>

namespace platform {

namespace {

const Control* OwnerOf(const QObject* object) {
    if (const auto* w = dynamic_cast<const ControlWidget*>(object)) {
        return &w->Owner();
    }
    if (const auto* b = dynamic_cast<const ButtonWidget*>(object)) {
        return &b->Owner();
    }
    return nullptr;
}

bool IsContainer(const Control* c) {
    return c != nullptr &&
           (c->Kind() == ControlKind::Frame || c->Kind() == ControlKind::PictureBox);
}

// A control is presented unless its design says otherwise or it is only drawn. Widgets that are
// not controls (a window's own parts) are presented as Qt presents them.
bool Presented(const QWidget* w) {
    const Control* c = OwnerOf(w);
    return c == nullptr || c->Presented();
}

// The children a container presents, in reading order: the numbered ones first, then the
// others in design order (which is their stacking order).
std::vector<QWidget*> PresentedChildren(const QWidget* parent) {
    std::vector<QWidget*> children;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w != nullptr && !w->isWindow() && Presented(w)) {
            children.push_back(w);
        }
    }
    auto order = [](const QWidget* w) {
        const Control* c = OwnerOf(w);
        const int n = c != nullptr ? c->ReadingOrder() : -1;
        return n >= 0 ? n : std::numeric_limits<int>::max();
    };
    std::stable_sort(children.begin(), children.end(),
                     [&](const QWidget* a, const QWidget* b) { return order(a) < order(b); });
    return children;
}

bool CoveredBySibling(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (parent == nullptr || w->isWindow()) {
        return false;
    }
    const QObjectList& siblings = parent->children();
    const auto self = siblings.indexOf(const_cast<QWidget*>(w));
    for (auto i = self + 1; i < siblings.size(); ++i) { // those above it
        const auto* s = qobject_cast<const QWidget*>(siblings.at(i));
        if (s != nullptr && !s->isHidden() && IsContainer(OwnerOf(s)) &&
            s->geometry().contains(w->geometry())) {
            return true;
        }
    }
    return false;
}

// A control of ours: a label reads as static text with its caption as text, a container
// presents its children in reading order, and what is covered is not showing.
class ControlAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    ControlAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (CoveredForAssistiveTechnology(widget())) {
            s.invisible = true;
        }
        return s;
    }

    int childCount() const override { return int(PresentedChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const auto children = PresentedChildren(widget());
        if (index < 0 || index >= int(children.size())) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(children[std::size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        const auto children = PresentedChildren(widget());
        const auto it = std::find(children.begin(), children.end(), child->object());
        return it == children.end() ? -1 : int(it - children.begin());
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && role() == QAccessible::StaticText) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // The text interface of a label: its name, read only.
    QString text(int start, int end) const override { return Text().mid(start, end - start); }
    int characterCount() const override { return int(Text().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString Text() const { return QAccessibleWidget::text(QAccessible::Name); }
};

// A button: pressed through the accessibility layer as Enter presses it.
class ButtonAccessible final : public ControlAccessible {
public:
    explicit ButtonAccessible(QWidget* w) : ControlAccessible(w, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<QAbstractButton*>(widget())->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessible::Role RoleOf(const Control& c) {
    switch (c.Kind()) {
    case ControlKind::Label:
        return QAccessible::StaticText;
    case ControlKind::Frame:
    case ControlKind::PictureBox:
        return QAccessible::Grouping;
    case ControlKind::Image:
        return QAccessible::Graphic;
    default:
        return QAccessible::Client;
    }
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* b = dynamic_cast<ButtonWidget*>(object)) {
        return new ButtonAccessible(b);
    }
    if (auto* w = dynamic_cast<ControlWidget*>(object)) {
        return new ControlAccessible(w, RoleOf(w->Owner()));
    }
    auto* w = qobject_cast<QWidget*>(object);
    if (w != nullptr && w->property(kClientProperty).toBool()) {
        // A window's client area: its children in reading order, without what is only drawn.
        return new ControlAccessible(w, QAccessible::Client);
    }
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

bool CoveredForAssistiveTechnology(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        if (CoveredBySibling(w)) {
            return true;
        }
    }
    return false;
}

void AnnounceStacking(QWidget* raised) {
    if (!QAccessible::isActive() || !IsContainer(OwnerOf(raised)) ||
        raised->parentWidget() == nullptr) {
        return;
    }
    for (QObject* o : raised->parentWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr || w->isHidden() || !IsContainer(OwnerOf(w))) {
            continue;
        }
        QAccessibleEvent event(w, CoveredBySibling(w) ? QAccessible::ObjectHide
                                                      : QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace platform
