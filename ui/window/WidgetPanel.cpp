#include "ui/window/WidgetPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "app/Controller.h"
#include "app/NumberText.h"
#include "app/WindowDesign.h"
#include "ui/accessibility/AccessibleControls.h"
#include "ui/accessibility/ControlHelp.h"
#include "ui/language/ShownText.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/window/Colour.h"
#include "ui/window/Utf8.h"

namespace quorvane {
namespace {

template <typename Control>
Control* Find(const QWidget& window, std::string_view name)
{
    return window.findChild<Control*>(ToQString(name), Qt::FindDirectChildrenOnly);
}

CheckState FromQt(Qt::CheckState state)
{
    switch (state) {
        case Qt::Unchecked: return CheckState::unchecked;
        case Qt::Checked: return CheckState::checked;
        case Qt::PartiallyChecked: return CheckState::greyed;
    }
    return CheckState::unchecked;
}

void SetCaptionColour(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    control.setPalette(palette);
}

template <std::size_t Count>
void Fill(QComboBox& list, const std::array<std::string_view, Count>& keys)
{
    list.clear();
    for (std::string_view key : keys)
        list.addItem(ShownText(key));
    list.setCurrentIndex(0);
}

// Screen readers read each parameter bar as the number its box shows. Every
// bar of the window is a ScrollBar (ControlFactory).
void ShowParametersAsTheirBoxes(const WidgetPanel& panel)
{
    const auto show = [&panel](Bar bar, double (*shown)(int)) {
        static_cast<ScrollBar&>(panel.BarWidget(bar)).SetShownValue(shown);
    };
    show(Bar::messageFrequency, [](int position) { return ShownFrequency(MessageFrequency(position)); });
    show(Bar::carrierFrequency, [](int position) { return ShownFrequency(CarrierFrequency(position)); });
    show(Bar::depth, Depth);
}

}  // namespace

WidgetPanel::WidgetPanel(QWidget& window, QTimer& frameClock)
    : window_(window),
      frameClock_(frameClock),
      lists_{Find<QComboBox>(window, "messageTypeList"), Find<QComboBox>(window, "schemeList")},
      boxes_{Find<QLineEdit>(window, "messageFrequencyBox"), Find<QLineEdit>(window, "carrierFrequencyBox"),
             Find<QLineEdit>(window, "depthBox")},
      pauseButton_(Find<QPushButton>(window, "pauseButton"))
{
    for (std::size_t i = 0; i < bars_.size(); ++i)
        bars_[i] = Find<QScrollBar>(window, ControlName(static_cast<Bar>(i)));
    for (std::size_t i = 0; i < switches_.size(); ++i)
        switches_[i] = Find<QCheckBox>(window, ControlName(static_cast<Switch>(i)));
    const auto lines = ZeroMarkerDesigns();
    for (std::size_t i = 0; i < zeroMarkers_.size(); ++i) {
        const LineDesign& line = lines[i];
        zeroMarkers_[i] = {static_cast<std::int16_t>(line.x1), static_cast<std::int16_t>(line.y1),
                           static_cast<std::int16_t>(line.x2), static_cast<std::int16_t>(line.y2),
                           line.width};
    }
    SetPauseHelp(*pauseButton_, pause_);
    ShowParametersAsTheirBoxes(*this);
    // Black from the start, as the memory handler leaves it, whatever the
    // desktop's palette.
    SetCaptionColour(SwitchWidget(Switch::memory), Qt::black);
}

CheckState WidgetPanel::SwitchState(Switch which) const
{
    return FromQt(SwitchWidget(which).checkState());
}

std::int16_t WidgetPanel::TimeBarPosition(TimeBar bar) const
{
    return static_cast<std::int16_t>(BarWidget(bar == TimeBar::scroll ? Bar::timeScroll : Bar::timeZoom).value());
}

int WidgetPanel::BarPosition(Bar bar) const
{
    return BarWidget(bar).value();
}

void WidgetPanel::SetBarPosition(Bar bar, int position)
{
    BarWidget(bar).setValue(position);
}

void WidgetPanel::SetSwitch(Switch which, bool on)
{
    SwitchWidget(which).setChecked(on);
}

void WidgetPanel::FillList(List list)
{
    if (list == List::messageType)
        Fill(ListWidget(list), kMessageTypeKeys);
    else
        Fill(ListWidget(list), kSchemeKeys);
}

void WidgetPanel::Choose(MessageType type)
{
    ListWidget(List::messageType).setCurrentIndex(static_cast<int>(type));
}

void WidgetPanel::Choose(Scheme scheme)
{
    ListWidget(List::scheme).setCurrentIndex(static_cast<int>(scheme));
}

// A list that is emptied while it is filled keeps answering with its last choice.
void WidgetPanel::ListChanged(List list, int index)
{
    if (index < 0)
        return;
    if (list == List::messageType && index < static_cast<int>(kMessageTypes.size()))
        messageType_ = kMessageTypes[static_cast<std::size_t>(index)];
    else if (list == List::scheme && index < static_cast<int>(kSchemes.size()))
        scheme_ = kSchemes[static_cast<std::size_t>(index)];
}

void WidgetPanel::ShowText(Box box, std::string_view text)
{
    boxes_.at(static_cast<std::size_t>(box))->setText(ToQString(text));
}

void WidgetPanel::ShowPauseState(PauseState state)
{
    pauseButton_->setText(ShownText(Key(state)));
    SetPauseHelp(*pauseButton_, state);
    Announce(*pauseButton_, pauseButton_->text());
    pause_ = state;
}

void WidgetPanel::ColourMemoryCaption(std::int32_t colour)
{
    SetCaptionColour(SwitchWidget(Switch::memory), FromBgr(colour));
}

void WidgetPanel::PlaceZeroMarkers(std::int16_t x)
{
    for (ZeroMarker& line : zeroMarkers_) {
        line.x1 = x;
        line.x2 = x;
    }
    window_.update();
}

void WidgetPanel::StartFrameClock()
{
    frameClock_.start(MainWindowDesign().frameInterval);
}

void WidgetPanel::StopFrameClock()
{
    frameClock_.stop();
}

}  // namespace quorvane
