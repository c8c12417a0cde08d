#include "ui/guide/ClassGuide.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QScreen>

#include "app/Controller.h"
#include "app/Experiments.h"
#include "ui/guide/GuidePlacement.h"
#include "ui/guide/GuideWindow.h"

namespace quorvane {
namespace {

// The guide's width at 100 %, in pixels: comfortable lines of text, and
// narrower only down to where they still read well, to stand beside the
// window rather than over its pictures.
constexpr int kGuideWidth = 480;
constexpr int kNarrowestGuide = 260;

}  // namespace

ClassGuide::ClassGuide(QWidget& window, Controller& controller)
    : QObject(&window), window_(window), controller_(controller)
{
    action_ = new QAction(QCoreApplication::translate("MainWindow", "Class guide"), &window_);
    action_->setObjectName(QStringLiteral("guideAction"));
    action_->setCheckable(true);
    action_->setShortcut(QKeySequence::HelpContents);
    connect(action_, &QAction::toggled, this, &ClassGuide::show);
    window_.addAction(action_);
    window_.setContextMenuPolicy(Qt::ActionsContextMenu);
}

ClassGuide::~ClassGuide() = default;

void ClassGuide::setZoom(double factor)
{
    zoom_ = factor;
    if (guide_)
        guide_->setZoom(factor);
}

void ClassGuide::show(bool shown)
{
    if (!shown) {
        if (guide_)
            guide_->hide();
        return;
    }
    if (!guide_) {
        guide_ = std::make_unique<GuideWindow>();
        guide_->addAction(action_);
        guide_->setZoom(zoom_);
        connect(guide_.get(), &GuideWindow::hidden, this, [this] { action_->setChecked(false); });
        connect(guide_.get(), &GuideWindow::setUpRequested, this, &ClassGuide::setUp);
    }
    place();
    guide_->show();
}

void ClassGuide::setUp(int number)
{
    const std::optional<Experiment> experiment = FindExperiment(number);
    if (experiment && experiment->receiver)
        emit receiverWanted();
    controller_.SetUpExperiment(number);
}

void ClassGuide::place()
{
    const QRect frame = window_.frameGeometry();
    const QSize decoration = frame.size() - window_.size();
    const QScreen* screen = window_.screen();
    const QRect available = screen ? screen->availableGeometry() : frame;
    const QSize preferred(static_cast<int>(kGuideWidth * zoom_) + decoration.width(), frame.height());
    const int narrowest = static_cast<int>(kNarrowestGuide * zoom_) + decoration.width();
    const QRect place = guidePlacement(frame, preferred, narrowest, available);
    guide_->resize(place.size() - decoration);
    guide_->move(place.topLeft());
}

}  // namespace quorvane
