#include "ui/receiver/ReceiverDock.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QScreen>
#include <QScrollBar>

#include "app/Controller.h"
#include "ui/guide/GuidePlacement.h"
#include "ui/readout/PointerReadout.h"
#include "ui/receiver/ReceiverWindow.h"

namespace quorvane {

ReceiverDock::ReceiverDock(QWidget& window, Controller& controller, const FontPlan& fonts, PointerReadout& readout)
    : QObject(&window), window_(window), controller_(controller), fonts_(fonts), readout_(readout)
{
    action_ = new QAction(QCoreApplication::translate("MainWindow", "Receiver"), &window_);
    action_->setObjectName(QStringLiteral("receiverAction"));
    action_->setCheckable(true);
    action_->setShortcut(QKeySequence(Qt::Key_F2));
    connect(action_, &QAction::toggled, this, &ReceiverDock::show);
    window_.addAction(action_);
}

ReceiverDock::~ReceiverDock() = default;

void ReceiverDock::setZoom(double factor)
{
    zoom_ = factor;
    if (receiver_)
        receiver_->setZoom(factor);
}

void ReceiverDock::show(bool shown)
{
    if (!shown) {
        if (receiver_)
            receiver_->hide();
        controller_.CloseReceiver();
        return;
    }
    if (!receiver_)
        create();
    place();
    receiver_->show();
    controller_.OpenReceiver(*receiver_, receiver_->pictures());
}

// The controls' events are connected before the controller first fills them,
// so that its start-up runs through them as a change by hand would.
void ReceiverDock::create()
{
    receiver_ = std::make_unique<ReceiverWindow>(fonts_);
    // F1 and F2 work from the receiver as from the window, as its tooltips say.
    receiver_->addActions(window_.actions());
    if (zoom_ != 1.0)
        receiver_->setZoom(zoom_);
    Controller* controller = &controller_;
    connect(&receiver_->detectorList(), &QComboBox::currentIndexChanged, this,
            [controller] { controller->ReceiverDetectorChosen(); });
    for (ReceiverBar bar : {ReceiverBar::oscillatorPhase, ReceiverBar::channelNoise})
        connect(&receiver_->bar(bar), &QScrollBar::valueChanged, this,
                [controller, bar] { controller->ReceiverBarChanged(bar); });
    connect(receiver_.get(), &ReceiverWindow::hidden, this, [this] { action_->setChecked(false); });
    for (ReceiverPicture picture : {ReceiverPicture::receivedSignal, ReceiverPicture::recoveredMessage})
        readout_.follow(receiver_->picture(picture), picture);
}

// Beside the window as the guide stands, at the receiver's own fixed size.
void ReceiverDock::place()
{
    const QRect frame = window_.frameGeometry();
    const QSize decoration = frame.size() - window_.size();
    const QSize size = receiver_->size() + decoration;
    const QScreen* screen = window_.screen();
    const QRect available = screen ? screen->availableGeometry() : frame;
    receiver_->move(guidePlacement(frame, size, size.width(), available).topLeft());
}

}  // namespace quorvane
