#include "ui/Form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "engine/ControlTexts.h"
#include "plot/TraceColours.h"
#include "ui/AccessibleControls.h"
#include "ui/Colour.h"
#include "ui/ControlFactory.h"
#include "ui/ControlHelp.h"
#include "ui/DisplayText.h"
#include "ui/FontPlan.h"
#include "ui/FormLayout.h"
#include "ui/GuideWindow.h"
#include "ui/PictureBox.h"
#include "ui/Readout.h"
#include "ui/ScrollBar.h"
#include "ui/ShownText.h"
#include "ui/Utf8.h"

namespace quorvane {
namespace {

constexpr int kStartFrequencyPosition = 32;
constexpr int kStartDepthPosition = 5;

// The parameters each bar's position sets, as its handler computes them.
double DataFrequency(int position)
{
    return position / 64.0;
}

double CarrierFrequency(int position)
{
    return position / 5.0;
}

double Depth(int position)
{
    return (10 - position) / 5.0;
}

template <typename Control>
Control* Find(const QWidget& form, const char* name)
{
    return form.findChild<Control*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

int ToCheckValue(Qt::CheckState state)
{
    switch (state) {
        case Qt::Unchecked: return kUnchecked;
        case Qt::Checked: return kChecked;
        case Qt::PartiallyChecked: return kGreyed;
    }
    return kUnchecked;
}

void SetCaptionColour(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    control.setPalette(palette);
}

// The list shows each key's translation; the engine reads the key.
template <std::size_t Count>
void FillList(QComboBox& list, const std::array<std::string_view, Count>& keys)
{
    list.clear();
    for (std::string_view key : keys)
        list.addItem(ShownText(key));
    list.setCurrentIndex(0);
}

template <std::size_t Count>
std::string_view KeyAt(const std::array<std::string_view, Count>& keys, int index)
{
    return index >= 0 && index < static_cast<int>(Count) ? keys[static_cast<std::size_t>(index)]
                                                         : std::string_view();
}

QPointF ToPixelPoint(std::int16_t x, std::int16_t y)
{
    return {static_cast<double>(x) / kTwipsPerPixel, static_cast<double>(y) / kTwipsPerPixel};
}

}  // namespace

Form1::Form1()
    : state_(std::make_unique<SignalState>()), memo_(std::make_unique<FrameMemo>()), Timer1(this)
{
    const WindowDesign window = FormWindow();
    setWindowTitle(ToQString(window.caption));
    setFixedSize(TwipsToPixels(window.clientWidth), TwipsToPixels(window.clientHeight));
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(window.timerInterval);

    readout_ = std::make_unique<Readout>();
    InstallAccessibleControls();
    CreateControls();
    SetControlHelp(*this);
    FindControls();
    SetFocusOrder();
    ConnectHandlers();
    CreateShortcuts();
    CreateGuideAction();
    Timer1.start();
    Form_Load();
    FitToScreen();
}

Form1::~Form1() = default;

void Form1::CreateControls()
{
    fonts_ = std::make_unique<FontPlan>(FormControlsDesign(), *style());
    std::vector<QWidget*> beneath;
    for (const ControlDesign& design : FormControlsDesign()) {
        QWidget* control = CreateControl(design, *fonts_, this);
        if (LiesBeneath(design.kind))
            beneath.push_back(control);
    }
    for (auto control = beneath.rbegin(); control != beneath.rend(); ++control)
        (*control)->lower();

    const auto lines = FormLines();
    for (std::size_t i = 0; i < zeroMarkers_.size(); ++i) {
        const LineDesign& line = lines[i];
        zeroMarkers_[i] = {static_cast<std::int16_t>(line.x1), static_cast<std::int16_t>(line.y1),
                           static_cast<std::int16_t>(line.x2), static_cast<std::int16_t>(line.y2),
                           line.width};
    }
}

void Form1::FindControls()
{
    picData = Find<PictureBox>(*this, "picData");
    picSpectrum = {Find<PictureBox>(*this, "picSpectrum(0)"),
                   Find<PictureBox>(*this, "picSpectrum(1)")};
    picCarrier = Find<PictureBox>(*this, "picCarrier");
    picModData = Find<PictureBox>(*this, "picModData");
    pictures_.emplace(
        FormPictures{*picData, {picSpectrum[0], picSpectrum[1]}, *picCarrier, *picModData});

    hscDataScroll = Find<QScrollBar>(*this, "hscDataScroll");
    hscDataZoom = Find<QScrollBar>(*this, "hscDataZoom");
    hscFreq = {Find<QScrollBar>(*this, "hscFreq(0)"), Find<QScrollBar>(*this, "hscFreq(1)")};
    vscDepth = Find<QScrollBar>(*this, "vscDepth");
    txtFreq = {Find<QLineEdit>(*this, "txtFreq(0)"), Find<QLineEdit>(*this, "txtFreq(1)")};
    txtDepth = Find<QLineEdit>(*this, "txtDepth");
    cmbData = Find<QComboBox>(*this, "cmbData");
    cmbMod = Find<QComboBox>(*this, "cmbMod");
    chkTwoSides = Find<QCheckBox>(*this, "chkTwoSides");
    chkLinear = Find<QCheckBox>(*this, "chkLinear");
    chkMemory = Find<QCheckBox>(*this, "chkMemory");
    chkPassband = Find<QCheckBox>(*this, "chkPassband");
    chkSpectrum = Find<QCheckBox>(*this, "chkSpectrum");
    cmdPause = Find<QPushButton>(*this, "cmdPause");
    pauseCaption_ = kRunningCaption;
    SetPauseHelp(*cmdPause, pauseCaption_);
    ShowParametersAsTheirBoxes();
    // Black from the start, as the memory handler leaves it, whatever the
    // desktop's palette.
    SetCaptionColour(*chkMemory, Qt::black);
}

// Screen readers read each parameter bar as the number its box shows. Every
// bar of the window is a ScrollBar (ControlFactory).
void Form1::ShowParametersAsTheirBoxes()
{
    const auto show = [](QScrollBar* bar, double (*shown)(int)) {
        static_cast<ScrollBar*>(bar)->SetShownValue(shown);
    };
    show(hscFreq[0], [](int position) { return ShownFrequency(DataFrequency(position)); });
    show(hscFreq[1], [](int position) { return ShownFrequency(CarrierFrequency(position)); });
    show(vscDepth, Depth);
}

void Form1::SetFocusOrder()
{
    QWidget* previous = nullptr;
    for (std::string_view name : FormFocusOrder()) {
        QWidget* next = findChild<QWidget*>(ToQString(name), Qt::FindDirectChildrenOnly);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

void Form1::ConnectHandlers()
{
    for (std::int16_t index : {std::int16_t{0}, std::int16_t{1}})
        connect(hscFreq[index], &QScrollBar::valueChanged, this,
                [this, index] { hscFreq_Change(index); });
    connect(vscDepth, &QScrollBar::valueChanged, this, &Form1::vscDepth_Change);

    connect(chkTwoSides, &QCheckBox::stateChanged, this, &Form1::chkTwoSides_Click);
    connect(chkMemory, &QCheckBox::stateChanged, this, &Form1::chkMemory_Click);
    connect(chkLinear, &QCheckBox::stateChanged, this, &Form1::chkLinear_Click);
    connect(cmdPause, &QPushButton::clicked, this, &Form1::cmdPause_Click);

    connect(cmbData, &QComboBox::currentIndexChanged, this,
            [this](int index) { cmbDataText_ = KeyAt(kMessageTypes, index); });
    connect(cmbMod, &QComboBox::currentIndexChanged, this,
            [this](int index) { cmbModText_ = KeyAt(kSchemes, index); });
    for (QComboBox* list : {cmbData, cmbMod})
        connect(list, &QComboBox::currentTextChanged, this,
                [list](const QString& choice) { Announce(*list, choice); });
    connect(cmbData, &QComboBox::currentIndexChanged, this, &Form1::cmbData_Change);
    connect(cmbData, &QComboBox::activated, this, &Form1::cmbData_Click);
    connect(cmbMod, &QComboBox::currentIndexChanged, this, &Form1::cmbMod_Change);
    connect(cmbMod, &QComboBox::activated, this, &Form1::cmbMod_Click);

    for (std::int16_t index : {std::int16_t{0}, std::int16_t{1}})
        connect(picSpectrum[index], &PictureBox::clicked, this,
                [this, index] { picSpectrum_Click(index); });
    for (PictureBox* picture : {picData, picSpectrum[0], picCarrier, picModData, picSpectrum[1]})
        ConnectReadout(*picture);

    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

std::string_view Form1::ListText(ListId list) const
{
    return list == ListId::cmbData ? cmbDataText_ : cmbModText_;
}

int Form1::CheckValue(CheckId check) const
{
    switch (check) {
        case CheckId::chkLinear: return ToCheckValue(chkLinear->checkState());
        case CheckId::chkTwoSides: return ToCheckValue(chkTwoSides->checkState());
        case CheckId::chkMemory: return ToCheckValue(chkMemory->checkState());
        case CheckId::chkPassband: return ToCheckValue(chkPassband->checkState());
        case CheckId::chkSpectrum: return ToCheckValue(chkSpectrum->checkState());
    }
    return kUnchecked;
}

std::int16_t Form1::ScrollValue(ScrollId scroll) const
{
    const QScrollBar* bar = scroll == ScrollId::hscDataScroll ? hscDataScroll : hscDataZoom;
    return static_cast<std::int16_t>(bar->value());
}

std::string_view Form1::PauseCaption() const
{
    return pauseCaption_;
}

void Form1::SetPauseCaption(std::string_view caption)
{
    cmdPause->setText(ShownText(caption));
    SetPauseHelp(*cmdPause, caption);
    Announce(*cmdPause, cmdPause->text());
    pauseCaption_ = caption;
}

void Form1::Timer1_Timer()
{
    // A modal message box shown from inside a frame lets ticks through; they
    // must not start a frame within the frame.
    if (ticking_)
        return;
    ticking_ = true;
    try {
        quorvane::Timer1_Timer(*state_, *this, *pictures_, rnd_, memo_.get());
    } catch (const std::exception&) {
        // The frame is abandoned where it failed; what it drew so far stays
        // and the next tick starts afresh.
    }
    ticking_ = false;
    if (hovered_)
        ShowReadout();
    if (cursorPicture_)
        ShowCursorReading(false);
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto place = [this](std::int16_t x, std::int16_t y) {
        return QPointF(zoomOffset_) + ToPixelPoint(x, y) * zoom_;
    };
    for (const LineShape& line : zeroMarkers_) {
        const double width = std::max(1.0, std::round(line.width * zoom_));
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(place(line.X1, line.Y1), place(line.X2, line.Y2));
    }
}

void Form1::Form_Load()
{
    state_->iDataSpectrums = 0;
    state_->iModSpectrums = 0;
    ClearBuffers(*state_);
    SetUpControls();
}

void Form1::SetUpControls()
{
    FillList(*cmbMod, kSchemes);
    FillList(*cmbData, kMessageTypes);
    hscFreq[0]->setValue(kStartFrequencyPosition);
    hscFreq[1]->setValue(kStartFrequencyPosition);
    vscDepth->setValue(kStartDepthPosition);
}

void Form1::hscFreq_Change(std::int16_t Index)
{
    switch (Index) {
        case 0:
            state_->dDataFreq = DataFrequency(hscFreq[0]->value());
            txtFreq[0]->setText(FrequencyText(state_->dDataFreq, QLocale()));
            ResetSpectra(*state_, true);
            break;
        case 1:
            state_->dCarrierFreq = CarrierFrequency(hscFreq[1]->value());
            txtFreq[1]->setText(FrequencyText(state_->dCarrierFreq, QLocale()));
            ResetSpectra(*state_, false);
            break;
        default: break;
    }
}

void Form1::vscDepth_Change()
{
    const QLocale locale;
    txtDepth->setText(DepthText(Depth(vscDepth->value()), locale));
    state_->dDepth = DepthFromText(txtDepth->text(), locale);
    ResetSpectra(*state_, false);
}

void Form1::chkTwoSides_Click()
{
    // Greyed counts as one-sided, as it does for the spectrum plot.
    const PictureBox& spectrum = *picSpectrum[0];
    const float x = CheckValue(CheckId::chkTwoSides) == kChecked
                        ? spectrum.Left() + spectrum.Width() / 2.0f
                        : spectrum.Left();
    const auto marker = static_cast<std::int16_t>(std::lrint(x));
    for (LineShape& line : zeroMarkers_) {
        line.X1 = marker;
        line.X2 = marker;
    }
    update();
}

void Form1::chkMemory_Click()
{
    const int value = CheckValue(CheckId::chkMemory);
    if (value == kChecked)
        SetCaptionColour(*chkMemory, FromBgr(kMemoryColour));
    else if (value == kUnchecked)
        SetCaptionColour(*chkMemory, Qt::black);
}

void Form1::chkLinear_Click()
{
    ResetSpectra(*state_, true);
}

void Form1::cmdPause_Click()
{
    if (!Timer1.isActive()) {
        Timer1.start();
        SetPauseCaption(kRunningCaption);
        Timer1.setInterval(FormWindow().timerInterval);
    } else if (pauseCaption_ == kRunningCaption) {
        Timer1.stop();
        SetPauseCaption(kPausedCaption);
    }
}

void Form1::cmbData_Change()
{
    ResetSpectra(*state_, true);
}

void Form1::cmbData_Click()
{
    ResetSpectra(*state_, true);
}

void Form1::cmbMod_Change()
{
    ResetSpectra(*state_, false);
}

void Form1::cmbMod_Click()
{
    ResetSpectra(*state_, false);
}

void Form1::picSpectrum_Click(std::int16_t)
{
    ResetSpectra(*state_, true);
}

}  // namespace quorvane
