#include "platform/form.h"

#include "platform/formwindow.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace platform {

namespace {
QIcon& IconStore() {
    static QIcon icon;
    return icon;
}
} // namespace

const QIcon& Form::ProgramIcon() {
    return IconStore();
}

FormWindow::FormWindow(Form& form) : form_(form) {
}

// The window's activation step runs when it is first shown and when it becomes active coming
// from another window of this program (a closed window, a message); not when the user comes
// back to it from another program, or restores it, which would move a focus the child had
// placed.
bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::DeferredDelete) {
        return QMainWindow::event(event); // the window is gone after it
    }
    const bool handled = QMainWindow::event(event);
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && centreWhenFramed &&
        windowState() == Qt::WindowNoState && windowHandle() != nullptr &&
        !windowHandle()->frameMargins().isNull() && screen() != nullptr &&
        frameGeometry().width() < screen()->availableGeometry().width()) {
        centreWhenFramed = false;
        CentreOnScreen();
    }
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if (change->oldState().testFlag(Qt::WindowMaximized) &&
            windowState() == Qt::WindowNoState) {
            // Restored from maximised: back in the middle of the screen, wherever the window
            // manager puts it.
            centreWhenFramed = true;
        }
    }
    if (event->type() == QEvent::WindowDeactivate) {
        // Qt names the window that takes over before the old one hears of it: none means
        // another program (or no window at all).
        leftForAnotherProgram_ = QApplication::activeWindow() == nullptr;
    } else if (event->type() == QEvent::WindowActivate && !detached) {
        const bool back = leftForAnotherProgram_;
        // Coming back through another of our windows is no longer coming back to this one.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* other = dynamic_cast<FormWindow*>(w)) {
                other->leftForAnotherProgram_ = false;
            }
        }
        if (!back) {
            form_.Activated();
        }
    }
    return handled;
}

// The window's frame (its geometry with the window manager's border and title, once known) in
// the middle of the screen's available area.
void FormWindow::CentreOnScreen() {
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!closingByProgram && !detached) {
        form_.Closed();
    }
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && !detached && watched == form_.Client()) {
        form_.Relayout();
    }
    return QMainWindow::eventFilter(watched, event);
}

Form::Form(FormDesign design) : design_(std::move(design)) {
}

Form::~Form() {
    delete window_.data();
}

bool Form::IsLoaded() const {
    return !window_.isNull();
}

void Form::SetProgramIcon(const QIcon& icon) {
    IconStore() = icon;
}

void Form::Load() {
    if (IsLoaded()) {
        return;
    }
    loading_ = true;
    Build();
    BindEvents();
    Form_Load();
    loading_ = false;
}

void Form::Unload() {
    if (!IsLoaded() || unloading_) {
        return;
    }
    unloading_ = true;
    Form_Unload();
    FormWindow* window = window_.data();
    window->closingByProgram = true;
    window->close();
    Closed();
}

// Tears the window down once it is closed, by the program or from its title bar. The Qt
// objects go at the next turn of the event loop: the handler that asked for the unload may
// still be running inside one of them.
void Form::Closed() {
    FormWindow* window = window_.data();
    if (window == nullptr) {
        return;
    }
    if (!unloading_) {
        unloading_ = true;
        Form_Unload();
    }
    window->detached = true;
    for (Control* c : controls_) {
        c->Detach();
    }
    controls_.clear();
    focusOrder_.clear();
    byName_.clear();
    client_ = nullptr;
    window_ = nullptr;
    window->deleteLater();
    unloading_ = false;
    if (modalLoop_ != nullptr) {
        modalLoop_->quit();
    }
}

void Form::Show(ShowMode mode) {
    Load();
    FormWindow* window = window_.data();
    if (window == nullptr) {
        return;
    }
    if (window->isVisible()) {
        // Brought to the front: shown again if minimised, as its design opens it.
        if (window->isMinimized()) {
            if (design_.maximised) {
                window->showMaximized();
            } else {
                window->showNormal();
            }
        }
        window->raise();
        window->activateWindow();
    } else {
        if (mode == ShowMode::Modal) {
            window->setWindowModality(Qt::ApplicationModal);
        }
        if (design_.maximised) {
            // Restored by the user, it comes back at its design size in the screen's centre.
            window->CentreOnScreen();
            window->showMaximized();
        } else {
            // At its design size, centred frame and all: centred now and again once the
            // window manager has framed it.
            if (design_.fixedSize) {
                window->setFixedSize(window->size());
            }
            window->CentreOnScreen();
            window->centreWhenFramed = true;
            window->show();
        }
        // As on the desktop the program was written for, a window opens with the focus on the
        // first control of its focus order that can take it.
        for (Control* c : focusOrder_) {
            if (c->SetFocus()) {
                break;
            }
        }
        window->activateWindow();
    }
    if (mode == ShowMode::Modal && window_ != nullptr) {
        QEventLoop loop;
        modalLoop_ = &loop;
        loop.exec();
        modalLoop_ = nullptr;
    }
}

bool Form::IsShown() const {
    return window_ != nullptr && window_->isVisible();
}

double Form::Width() {
    Load();
    return PixelsToTwips(window_->frameGeometry().width());
}

double Form::ScaleWidth() {
    Load();
    return PixelsToTwips(client_->width());
}

double Form::ScaleHeight() {
    Load();
    return PixelsToTwips(client_->height());
}

void Form::ResizeClient(double width, double height) {
    Load();
    const int extraW = window_->width() - client_->width();
    const int extraH = window_->height() - client_->height();
    window_->resize(TwipsToPixels(width) + extraW, TwipsToPixels(height) + extraH);
    if (!window_->isVisible()) {
        client_->resize(TwipsToPixels(width), TwipsToPixels(height));
    }
}

int Form::Count() {
    Load();
    return static_cast<int>(controls_.size());
}

const std::vector<Control*>& Form::Controls() {
    Load();
    return controls_;
}

Control& Form::At(int i) {
    Load();
    return *controls_.at(static_cast<std::size_t>(i));
}

Control& Form::Ctl(QStringView name, int index) {
    Load();
    Control* c = Find(name, index);
    if (c == nullptr) {
        throw std::out_of_range("no such control");
    }
    return *c;
}

Control* Form::Find(QStringView name, int index) const {
    const auto it = byName_.constFind(name);
    if (it == byName_.constEnd()) {
        return nullptr;
    }
    const auto slot = static_cast<std::size_t>(std::max(0, index));
    Control* c = slot < it->size() ? (*it)[slot] : nullptr;
    return c != nullptr && c->Index() == index ? c : nullptr;
}

QMainWindow* Form::Window() const {
    return window_.data();
}
QWidget* Form::Client() const {
    return client_;
}

void Form::Relayout() {
    if (loading_ || !IsLoaded()) {
        return;
    }
    // Fonts keep their design size, except in a window smaller than its design, where they
    // shrink with it so that no text is clipped.
    constexpr double kMinimumFontScale = 0.05;
    const double scale =
        std::clamp(std::min(ScaleWidth() / design_.scaleWidth, ScaleHeight() / design_.scaleHeight),
                   kMinimumFontScale, 1.0);
    // Every control is moved at most once per resize, however often the handler moves it.
    for (Control* c : controls_) {
        c->BeginBatch();
        c->FollowContainer();
        c->SetFontScale(scale);
    }
    Form_Resize();
    for (Control* c : controls_) {
        c->EndBatch();
    }
}

void Form::Activated() {
    if (IsLoaded() && !loading_) {
        Form_Activate();
    }
}

} // namespace platform
