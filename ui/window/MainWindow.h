#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "app/Controller.h"
#include "ui/window/WidgetPanel.h"

namespace quorvane {

class ClassGuide;
class FontPlan;
class Magnifier;
class PictureBox;
class PointerReadout;
class ReceiverDock;

// The program's one window: its controls, laid out as designed, shown and
// passed on to the controller, which does what each of them does. Start-up
// has run once it is constructed.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // One frame, as the frame clock asks for it, and the readout brought up
    // to date with it.
    void runFrame();

    Controller& controller() { return *controller_; }
    SignalState& state() { return controller_->State(); }
    const WidgetPanel& panel() const { return *panel_; }
    Magnifier& magnifier() { return *magnifier_; }
    PointerReadout& pointerReadout() { return *readout_; }
    ClassGuide& classGuide() { return *guide_; }
    ReceiverDock& receiver() { return *receiver_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void findPictures();
    void setFocusOrder();
    void connectControls();
    void connectLists();
    void addColourBlindAction();

    QTimer frameTimer_;
    std::unique_ptr<FontPlan> fonts_;
    std::unique_ptr<WidgetPanel> panel_;
    std::array<PictureBox*, 5> pictures_{};
    std::unique_ptr<Controller> controller_;
    std::unique_ptr<PointerReadout> readout_;
    std::unique_ptr<ClassGuide> guide_;
    std::unique_ptr<ReceiverDock> receiver_;
    std::unique_ptr<Magnifier> magnifier_;
};

}  // namespace quorvane
