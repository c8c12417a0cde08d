// The class guide beside the window: F1 or the context menu opens and closes
// it, and its "Set up" links put the window at an experiment's starting point
// through the handlers a user's clicks run.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "engine/ControlTexts.h"
#include "ui/Experiments.h"
#include "ui/Form1.h"
#include "ui/GuidePlacement.h"
#include "ui/GuideWindow.h"

namespace quorvane {
namespace {

// The guide's width at 100 %, in pixels: comfortable lines of text, and
// narrower only down to where they still read well, to stand beside the
// window rather than over its pictures.
constexpr int kGuideWidth = 480;
constexpr int kNarrowestGuide = 260;

template <std::size_t Count>
int IndexOf(const std::array<std::string_view, Count>& keys, std::string_view key)
{
    return static_cast<int>(std::ranges::find(keys, key) - keys.begin());
}

}  // namespace

void Form1::CreateGuideAction()
{
    guideAction_ = new QAction(QCoreApplication::translate("Form1", "Class guide"), this);
    guideAction_->setObjectName(QStringLiteral("guideAction"));
    guideAction_->setCheckable(true);
    guideAction_->setShortcut(QKeySequence::HelpContents);
    connect(guideAction_, &QAction::toggled, this, &Form1::ShowGuide);
    addAction(guideAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QAction& Form1::GuideAction()
{
    return *guideAction_;
}

GuideWindow* Form1::Guide()
{
    return guide_.get();
}

void Form1::ShowGuide(bool show)
{
    if (!show) {
        if (guide_)
            guide_->hide();
        return;
    }
    if (!guide_) {
        guide_ = std::make_unique<GuideWindow>();
        guide_->addAction(guideAction_);
        guide_->SetZoom(zoom_);
        connect(guide_.get(), &GuideWindow::hidden, this, [this] { guideAction_->setChecked(false); });
        connect(guide_.get(), &GuideWindow::setUpRequested, this, &Form1::SetUpExperiment);
    }
    PlaceGuide();
    guide_->show();
}

void Form1::PlaceGuide()
{
    const QRect frame = frameGeometry();
    const QSize decoration = frame.size() - size();
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : frame;
    const QSize preferred(static_cast<int>(kGuideWidth * zoom_) + decoration.width(), frame.height());
    const int narrowest = static_cast<int>(kNarrowestGuide * zoom_) + decoration.width();
    const QRect place = GuidePlacement(frame, preferred, narrowest, available);
    guide_->resize(place.size() - decoration);
    guide_->move(place.topLeft());
}

void Form1::SetUpExperiment(int number)
{
    const auto experiment = FindExperiment(number);
    if (!experiment)
        return;
    chkMemory->setChecked(false);
    // Chosen as a click in the list chooses: the Change handler runs if the
    // item changes, the Click handler always.
    cmbData->setCurrentIndex(IndexOf(kMessageTypes, experiment->messageType));
    cmbData_Click();
    cmbMod->setCurrentIndex(IndexOf(kSchemes, experiment->scheme));
    cmbMod_Click();
    hscFreq[0]->setValue(experiment->messagePosition);
    hscFreq[1]->setValue(experiment->carrierPosition);
    vscDepth->setValue(experiment->depthPosition);
    chkPassband->setChecked(experiment->modulatedTrace);
    chkSpectrum->setChecked(experiment->modulatedSpectrum);
    chkLinear->setChecked(experiment->linear);
    chkTwoSides->setChecked(false);
    hscDataZoom->setValue(hscDataZoom->minimum());
    hscDataScroll->setValue(hscDataScroll->minimum());
    if (pauseCaption_ != kRunningCaption)
        cmdPause_Click();
}

}  // namespace quorvane
