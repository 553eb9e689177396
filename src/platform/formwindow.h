#pragma once

#include <QMainWindow>

namespace platform {

class Form;

// The Qt window behind a loaded Form: it reports activation, closing and client resizes.
class FormWindow final : public QMainWindow {
public:
    explicit FormWindow(Form& form);

    bool closingByProgram = false;
    bool detached = false;         // unloaded, waiting to be deleted
    bool centreWhenFramed = false; // centre again once the window manager's frame is known

    void CentreOnScreen();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form& form_;
    bool leftForAnotherProgram_ = false; // deactivated with no window of ours taking over
};

} // namespace platform
