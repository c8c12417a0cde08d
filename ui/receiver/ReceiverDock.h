#pragma once

#include <QObject>
#include <memory>

class QAction;
class QWidget;

namespace quorvane {

class Controller;
class FontPlan;
class PointerReadout;
class ReceiverWindow;

// The receiver beside the window: F2 or the window's context menu opens and
// closes it. Its window is made at the first opening, so until then the
// program is as it was without one; the controller runs it only while open.
class ReceiverDock final : public QObject {
    Q_OBJECT

public:
    // Its pictures have the readout and keyboard cursor of `readout`, as the window's.
    ReceiverDock(QWidget& window, Controller& controller, const FontPlan& fonts, PointerReadout& readout);
    ~ReceiverDock() override;

    // F2 and the context menu's entry, one checkable action.
    QAction& action() { return *action_; }
    // Exists once the receiver has first been opened.
    ReceiverWindow* receiverWindow() { return receiver_.get(); }
    void setZoom(double factor);

private:
    void show(bool shown);
    void create();
    void place();

    QWidget& window_;
    Controller& controller_;
    const FontPlan& fonts_;
    PointerReadout& readout_;
    QAction* action_ = nullptr;
    std::unique_ptr<ReceiverWindow> receiver_;
    double zoom_ = 1.0;
};

}  // namespace quorvane
