#include "ui/window/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/WindowDesign.h"
#include "ui/accessibility/AccessibleControls.h"
#include "ui/accessibility/ControlHelp.h"
#include "ui/guide/ClassGuide.h"
#include "ui/magnification/FontPlan.h"
#include "ui/magnification/Magnifier.h"
#include "ui/pictures/PictureBox.h"
#include "ui/readout/PointerReadout.h"
#include "ui/receiver/ReceiverDock.h"
#include "ui/window/ControlFactory.h"
#include "ui/window/Utf8.h"

namespace quorvane {
namespace {

// The pictures' names, in the order of Picture.
constexpr std::array<const char*, 5> kPictureNames{"messagePicture", "messageSpectrumPicture",
                                                   "carrierPicture", "modulatedPicture",
                                                   "modulatedSpectrumPicture"};

QPointF toPixelPoint(std::int16_t x, std::int16_t y)
{
    return {static_cast<double>(x) / kTwipsPerPixel, static_cast<double>(y) / kTwipsPerPixel};
}

}  // namespace

MainWindow::MainWindow() : frameTimer_(this)
{
    const WindowDesign window = MainWindowDesign();
    setWindowTitle(toQString(window.caption));
    setFixedSize(TwipsToPixels(window.clientWidth), TwipsToPixels(window.clientHeight));
    frameTimer_.setObjectName(QStringLiteral("frameTimer"));
    frameTimer_.setInterval(window.frameInterval);

    installAccessibleControls();
    createControls();
    setControlHelp(*this);
    findPictures();
    panel_ = std::make_unique<WidgetPanel>(*this, frameTimer_);
    const auto picture = [this](Picture which) -> PlotSurface& {
        return *pictures_[static_cast<std::size_t>(which)];
    };
    controller_ = std::make_unique<Controller>(
        *panel_,
        FramePictures{picture(Picture::message), picture(Picture::messageSpectrum), picture(Picture::carrier),
                      picture(Picture::modulated), picture(Picture::modulatedSpectrum)},
        QLocale().decimalPoint().toStdString());
    readout_ = std::make_unique<PointerReadout>(*this, *controller_);
    for (std::size_t i = 0; i < pictures_.size(); ++i)
        readout_->follow(*pictures_[i], static_cast<Picture>(i));
    setFocusOrder();
    connectControls();
    guide_ = std::make_unique<ClassGuide>(*this, *controller_);
    receiver_ = std::make_unique<ReceiverDock>(*this, *controller_, *fonts_, *readout_);
    // Through the dock's action, so that F2 next closes it.
    connect(guide_.get(), &ClassGuide::receiverWanted, this, [this] { receiver_->action().setChecked(true); });
    addColourBlindAction();
    magnifier_ = std::make_unique<Magnifier>(*this, *fonts_);
    // The receiver grows before the readout places a cursor on its pictures.
    connect(magnifier_.get(), &Magnifier::zoomed, receiver_.get(), &ReceiverDock::setZoom);
    connect(magnifier_.get(), &Magnifier::zoomed, readout_.get(), &PointerReadout::setZoom);
    connect(magnifier_.get(), &Magnifier::zoomed, guide_.get(), &ClassGuide::setZoom);
    frameTimer_.start();
    controller_->StartUp();
    magnifier_->fitToScreen();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    fonts_ = std::make_unique<FontPlan>(ControlDesigns(), *style());
    std::vector<QWidget*> beneath;
    for (const ControlDesign& design : ControlDesigns()) {
        QWidget* control = createControl(design, *fonts_, this);
        if (liesBeneath(design.kind))
            beneath.push_back(control);
    }
    for (auto control = beneath.rbegin(); control != beneath.rend(); ++control)
        (*control)->lower();
}

void MainWindow::findPictures()
{
    for (std::size_t i = 0; i < pictures_.size(); ++i)
        pictures_[i] = findChild<PictureBox*>(QString::fromLatin1(kPictureNames[i]), Qt::FindDirectChildrenOnly);
}

void MainWindow::setFocusOrder()
{
    QWidget* previous = nullptr;
    for (std::string_view name : FocusOrder()) {
        QWidget* next = findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

void MainWindow::connectControls()
{
    Controller* controller = controller_.get();
    for (Bar bar : {Bar::messageFrequency, Bar::carrierFrequency, Bar::depth})
        connect(&panel_->barWidget(bar), &QScrollBar::valueChanged, this,
                [controller, bar] { controller->BarChanged(bar); });
    for (Switch which : {Switch::twoSided, Switch::memory, Switch::linear})
        connect(&panel_->switchWidget(which), &QCheckBox::stateChanged, this,
                [controller, which] { controller->SwitchChanged(which); });
    connect(&panel_->pauseButton(), &QPushButton::clicked, this, [controller] { controller->TogglePause(); });

    connectLists();

    for (std::size_t i = 0; i < pictures_.size(); ++i)
        connect(pictures_[i], &PictureBox::clicked, this,
                [controller, i] { controller->PictureClicked(static_cast<Picture>(i)); });

    connect(&frameTimer_, &QTimer::timeout, this, &MainWindow::runFrame);
}

// A list's choice reaches the panel before any handler runs; the change
// handler runs when the choice changes, the click handler on every choice
// from the list, even of the same item.
void MainWindow::connectLists()
{
    Controller* controller = controller_.get();
    for (List list : {List::messageType, List::scheme}) {
        QComboBox& widget = panel_->listWidget(list);
        connect(&widget, &QComboBox::currentIndexChanged, this,
                [this, list](int index) { panel_->listChanged(list, index); });
        connect(&widget, &QComboBox::currentTextChanged, this,
                [&widget](const QString& choice) { announce(widget, choice); });
        connect(&widget, &QComboBox::currentIndexChanged, this, [controller, list] { controller->ListChosen(list); });
        connect(&widget, &QComboBox::activated, this, [controller, list] { controller->ListChosen(list); });
    }
}

// In the context menu after the guide and the receiver, which is made later
// and takes the window's actions, so F3 works from it too.
void MainWindow::addColourBlindAction()
{
    auto* action = new QAction(QCoreApplication::translate("MainWindow", "Colours for colour-blind eyes"), this);
    action->setObjectName(QStringLiteral("colourBlindAction"));
    action->setCheckable(true);
    action->setShortcut(QKeySequence(Qt::Key_F3));
    connect(action, &QAction::toggled, this, [this](bool on) {
        controller_->SetColourBlind(on);
        setHelp(panel_->switchWidget(Switch::memory), on);
    });
    addAction(action);
}

void MainWindow::runFrame()
{
    controller_->Tick();
    readout_->refresh();
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const double zoom = magnifier_->zoom();
    const auto place = [this, zoom](std::int16_t x, std::int16_t y) {
        return QPointF(magnifier_->offset()) + toPixelPoint(x, y) * zoom;
    };
    for (const ZeroMarker& line : panel_->zeroMarkers()) {
        const double width = std::max(1.0, std::round(line.width * zoom));
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(place(line.x1, line.y1), place(line.x2, line.y2));
    }
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (magnifier_)
        magnifier_->windowResized();
}

}  // namespace quorvane
