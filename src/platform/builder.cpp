// The one builder of window designs: it turns a FormDesign, row by row, into the window's
// controls, in the design's order, and chains the focus order.

#include "platform/accessibility.h"
#include "platform/form.h"
#include "platform/formwindow.h"
#include "platform/style.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenuBar>
#include <algorithm>

namespace platform {

namespace {

bool IsButton(ControlKind kind) {
    return kind == ControlKind::OptionButton || kind == ControlKind::CommandButton;
}

QWidget* MakeWidget(Control& control, QWidget* parent) {
    if (IsButton(control.Kind())) {
        return new ButtonWidget(control, parent);
    }
    return new ControlWidget(control, parent);
}

} // namespace

void Form::Build() {
    InstallProgramStyle();
    auto* window = new FormWindow(*this);
    window_ = window;
    window->setWindowTitle(design_.caption);
    if (design_.icon) {
        window->setWindowIcon(ProgramIcon());
    }

    InstallAccessibility();
    client_ = new QWidget(window);
    client_->setObjectName(design_.name);
    client_->setProperty(kClientProperty, true);
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, ToQColor(design_.backColour));
    client_->setPalette(palette);
    window->setCentralWidget(client_);
    client_->installEventFilter(window);

    QMenuBar* menu = nullptr;
    for (const ControlDesign& row : design_.controls) {
        ControlDesign resolved = row;
        if (resolved.font.name.isEmpty()) {
            resolved.font = design_.font;
        }
        auto* control = new Control(resolved, window);
        controls_.push_back(control);
        // Keyed by a view of the control's own name: looking a control up allocates nothing.
        auto& array = byName_[QStringView(control->Name())];
        const auto slot = static_cast<std::size_t>(std::max(0, row.index));
        if (array.size() <= slot) {
            array.resize(slot + 1, nullptr);
        }
        array[slot] = control;

        switch (row.kind) {
        case ControlKind::Timer:
            break;
        case ControlKind::Menu: {
            if (menu == nullptr) {
                // The menus stay in the window, where the design puts them, on every desktop:
                // a desktop's global menu bar would take them away from the child's window.
                // Not asking for one also saves the start-up a call on the session bus (or,
                // without a session bus, the launch of one).
                QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
                menu = window->menuBar();
            }
            auto* action = menu->addAction(row.caption);
            control->Attach(action);
            break;
        }
        default: {
            QWidget* parent = client_;
            if (!row.container.name.isEmpty()) {
                Control* box = Find(row.container.name, row.container.index);
                Q_ASSERT_X(box != nullptr && box->Widget() != nullptr, "Form::Build",
                           "a container comes before its controls");
                parent = box->Widget();
            }
            control->Attach(MakeWidget(*control, parent));
            break;
        }
        }
    }

    // The focus order of the design, lowest first.
    for (Control* c : controls_) {
        if (c->TabIndex() >= 0 && IsButton(c->Kind())) {
            focusOrder_.push_back(c);
        }
    }
    std::stable_sort(
        focusOrder_.begin(), focusOrder_.end(),
        [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < focusOrder_.size(); ++i) {
        QWidget::setTabOrder(focusOrder_[i - 1]->Widget(), focusOrder_[i]->Widget());
    }

    const int width = TwipsToPixels(design_.scaleWidth);
    const int height = TwipsToPixels(design_.scaleHeight);
    const int menuHeight = menu != nullptr ? menu->sizeHint().height() : 0;
    window->resize(width, height + menuHeight);
    client_->resize(width, height);
}

} // namespace platform
