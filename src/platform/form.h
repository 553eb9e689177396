#pragma once

#include "platform/control.h"
#include "platform/design.h"

#include <QHash>
#include <QPointer>
#include <vector>

class QEventLoop;
class QIcon;
class QMainWindow;
class QWidget;

namespace platform {

class FormWindow;

enum class ShowMode { Modeless, Modal };

// A window of the program. The object lives for the whole run and keeps the window's own
// variables; loading builds its controls from the design and runs Form_Load, unloading runs
// Form_Unload and destroys the controls with every change made to them. Referring to a control
// of an unloaded window loads it.
class Form {
public:
    explicit Form(FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& Name() const { return design_.name; }
    const FormDesign& Design() const { return design_; }

    bool IsLoaded() const;
    void Load();
    void Unload();
    // Loads the window if needed and shows it; a modal show returns when the window unloads.
    // Showing a window that is already shown brings it to the front.
    void Show(ShowMode mode = ShowMode::Modeless);
    bool IsShown() const;

    // The window's outer width, border included, in twips.
    double Width();
    // The client area in twips.
    double ScaleWidth();
    double ScaleHeight();
    // Sets the size of the client area, in twips (the window must not be maximised).
    void ResizeClient(double width, double height);
    // Runs the window's resize handling for the client area's current size, as a resize does.
    void Relayout();

    // The ordered collection of controls (menu entries and timers included).
    int Count();
    Control& At(int i);
    // All of them at once, in the same order (loading the window if needed).
    const std::vector<Control*>& Controls();
    Control& Ctl(QStringView name, int index = -1);
    Control* Find(QStringView name, int index = -1) const;

    QMainWindow* Window() const;
    QWidget* Client() const;

    // The icon shown by every window whose design asks for the program's icon.
    static void SetProgramIcon(const QIcon& icon);

protected:
    virtual void BindEvents() {}
    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

private:
    friend class FormWindow;
    void Build();
    void Activated();
    void Closed();
    static const QIcon& ProgramIcon();

    FormDesign design_;
    QPointer<FormWindow> window_;
    QWidget* client_ = nullptr;
    std::vector<Control*> controls_;
    std::vector<Control*> focusOrder_;                 // the buttons, lowest focus order first
    QHash<QStringView, std::vector<Control*>> byName_; // by name, then by array index
    QEventLoop* modalLoop_ = nullptr;
    bool loading_ = false;
    bool unloading_ = false;
};

} // namespace platform
