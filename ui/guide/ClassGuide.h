#pragma once

#include <QObject>
#include <memory>

class QAction;
class QWidget;

namespace quorvane {

class Controller;
class GuideWindow;

// The class guide beside the window: F1 or the window's context menu opens
// and closes it, and its "Set up" links put the window at an experiment's
// starting point through the controller, the receiver's experiments once
// the receiver is opened.
class ClassGuide final : public QObject {
    Q_OBJECT

public:
    ClassGuide(QWidget& window, Controller& controller);
    ~ClassGuide() override;

    // F1 and the context menu's entry, one checkable action.
    QAction& action() { return *action_; }
    // Exists once the guide has first been opened.
    GuideWindow* guideWindow() { return guide_.get(); }
    void setZoom(double factor);

signals:
    // Before the set-up of an experiment on the receiver: it must be open.
    void receiverWanted();

private:
    void setUp(int number);
    void show(bool shown);
    void place();

    QWidget& window_;
    Controller& controller_;
    QAction* action_ = nullptr;
    std::unique_ptr<GuideWindow> guide_;
    double zoom_ = 1.0;
};

}  // namespace quorvane
