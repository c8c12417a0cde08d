#include "ui/receiver/ReceiverWindow.h"

#include <QComboBox>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <algorithm>

#include "app/ReceiverDesign.h"
#include "engine/Receiver.h"
#include "ui/accessibility/AccessibleControls.h"
#include "ui/accessibility/ControlHelp.h"
#include "ui/language/ShownText.h"
#include "ui/magnification/Magnifier.h"
#include "ui/magnification/Zoom.h"
#include "ui/magnification/ZoomStyle.h"
#include "ui/pictures/PictureBox.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/window/ControlFactory.h"
#include "ui/window/Pixels.h"
#include "ui/window/Utf8.h"

namespace quorvane {
namespace {

template <typename Control>
Control* named(const QWidget& window, std::string_view name)
{
    return window.findChild<Control*>(toQString(name), Qt::FindDirectChildrenOnly);
}

QSize designClient()
{
    const WindowDesign design = ReceiverWindowDesign();
    return {TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight)};
}

}  // namespace

ReceiverWindow::ReceiverWindow(const FontPlan& fonts) : fonts_(fonts)
{
    setObjectName(QStringLiteral("receiver"));
    setWindowFlag(Qt::Window);
    // Closing the main window ends the program, the receiver open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(designClient());
    installAccessibleControls();
    createControls();
    setFocusOrder();
    translate();
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::hide);
}

ReceiverWindow::~ReceiverWindow() = default;

void ReceiverWindow::createControls()
{
    for (const ControlDesign& design : ReceiverControlDesigns()) {
        QWidget* control = createControl(design, fonts_, this);
        if (liesBeneath(design.kind))
            control->lower();
    }
    detectors_ = named<QComboBox>(*this, "detectorList");
    for (ReceiverBar which : {ReceiverBar::oscillatorPhase, ReceiverBar::channelNoise})
        bars_[static_cast<std::size_t>(which)] = named<QScrollBar>(*this, ControlName(which));
    for (ReceiverBox box : {ReceiverBox::oscillatorPhase, ReceiverBox::channelNoise, ReceiverBox::sinad})
        boxes_[static_cast<std::size_t>(box)] = named<QLineEdit>(*this, ControlName(box));
    for (ReceiverPicture picture : {ReceiverPicture::receivedSignal, ReceiverPicture::recoveredMessage})
        pictures_[static_cast<std::size_t>(picture)] = named<PictureBox>(*this, ControlName(picture));
    // Every bar of the design is a ScrollBar (ControlFactory).
    static_cast<ScrollBar*>(bars_[0])->setShownValue(
        [](int position) { return static_cast<double>(position * kOscillatorStepDegrees); });
}

void ReceiverWindow::setFocusOrder()
{
    QWidget* previous = nullptr;
    for (std::string_view name : ReceiverFocusOrder()) {
        QWidget* next = named<QWidget>(*this, name);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

// Everything the receiver shows in words, in the class's language.
void ReceiverWindow::translate()
{
    setWindowTitle(translated(kReceiverContext, ReceiverWindowDesign().caption));
    for (const ControlDesign& design : ReceiverControlDesigns()) {
        QWidget* control = named<QWidget>(*this, design.name);
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(translated(kReceiverContext, design.text));
        setHelp(*control);
    }
    for (int item = 0; item < detectors_->count(); ++item)
        detectors_->setItemText(item, translated(kReceiverContext, kDetectorKeys.at(static_cast<std::size_t>(item))));
    if (!noiseText_.empty())
        ShowText(ReceiverBox::channelNoise, std::string(noiseText_));
}

Detector ReceiverWindow::ChosenDetector() const
{
    const int index = std::clamp(detectors_->currentIndex(), 0, static_cast<int>(kDetectors.size()) - 1);
    return kDetectors[static_cast<std::size_t>(index)];
}

int ReceiverWindow::BarPosition(ReceiverBar which) const
{
    return bar(which).value();
}

void ReceiverWindow::ChooseDetector(Detector detector)
{
    detectors_->setCurrentIndex(static_cast<int>(detector));
}

void ReceiverWindow::SetBarPosition(ReceiverBar which, int position)
{
    bar(which).setValue(position);
}

void ReceiverWindow::FillDetectorList()
{
    detectors_->clear();
    for (std::string_view key : kDetectorKeys)
        detectors_->addItem(translated(kReceiverContext, key));
    detectors_->setCurrentIndex(0);
}

void ReceiverWindow::ShowText(ReceiverBox box, std::string_view text)
{
    QString shown = toQString(text);
    if (box == ReceiverBox::channelNoise) {
        noiseText_ = text;
        shown = translated(kReceiverContext, text);
    }
    boxes_.at(static_cast<std::size_t>(box))->setText(shown);
}

ReceiverPictures ReceiverWindow::pictures() const
{
    return {*pictures_[0], *pictures_[1]};
}

void ReceiverWindow::setZoom(double factor)
{
    std::unique_ptr<QStyle> style = factor == 1.0 ? nullptr : std::make_unique<ZoomStyle>(factor);
    magnifyControls(*this, ReceiverControlDesigns(), fonts_, factor, {}, style.get());
    style_ = std::move(style);
    setFixedSize(magnified(QRect(QPoint(), designClient()), factor).size());
}

void ReceiverWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit hidden();
}

void ReceiverWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        translate();
}

}  // namespace quorvane
