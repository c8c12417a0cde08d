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
Control* find(const QWidget& window, std::string_view name)
{
    return window.findChild<Control*>(toQString(name), Qt::FindDirectChildrenOnly);
}

CheckState fromQt(Qt::CheckState state)
{
    switch (state) {
        case Qt::Unchecked: return CheckState::unchecked;
        case Qt::Checked: return CheckState::checked;
        case Qt::PartiallyChecked: return CheckState::greyed;
    }
    return CheckState::unchecked;
}

void setCaptionColour(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    control.setPalette(palette);
}

template <std::size_t Count>
void fill(QComboBox& list, const std::array<std::string_view, Count>& keys)
{
    list.clear();
    for (std::string_view key : keys)
        list.addItem(shownText(key));
    list.setCurrentIndex(0);
}

// Screen readers read each parameter bar as the number its box shows. Every
// bar of the window is a ScrollBar (ControlFactory).
void showParametersAsTheirBoxes(const WidgetPanel& panel)
{
    const auto show = [&panel](Bar bar, double (*shown)(int)) {
        static_cast<ScrollBar&>(panel.barWidget(bar)).setShownValue(shown);
    };
    show(Bar::messageFrequency, [](int position) { return ShownHertz(MessageFrequencyDaHz(position)); });
    show(Bar::carrierFrequency, [](int position) { return ShownHertz(CarrierFrequencyDaHz(position)); });
    show(Bar::depth, Depth);
}

}  // namespace

WidgetPanel::WidgetPanel(QWidget& window, QTimer& frameClock)
    : window_(window),
      frameClock_(frameClock),
      lists_{find<QComboBox>(window, "messageTypeList"), find<QComboBox>(window, "schemeList")},
      boxes_{find<QLineEdit>(window, "messageFrequencyBox"), find<QLineEdit>(window, "carrierFrequencyBox"),
             find<QLineEdit>(window, "depthBox")},
      pauseButton_(find<QPushButton>(window, "pauseButton"))
{
    for (std::size_t i = 0; i < bars_.size(); ++i)
        bars_[i] = find<QScrollBar>(window, ControlName(static_cast<Bar>(i)));
    for (std::size_t i = 0; i < switches_.size(); ++i)
        switches_[i] = find<QCheckBox>(window, ControlName(static_cast<Switch>(i)));
    const auto lines = ZeroMarkerDesigns();
    for (std::size_t i = 0; i < zeroMarkers_.size(); ++i) {
        const LineDesign& line = lines[i];
        zeroMarkers_[i] = {static_cast<std::int16_t>(line.x1), static_cast<std::int16_t>(line.y1),
                           static_cast<std::int16_t>(line.x2), static_cast<std::int16_t>(line.y2),
                           line.width};
    }
    setPauseHelp(*pauseButton_, pause_);
    showParametersAsTheirBoxes(*this);
    // Black from the start, as the memory handler leaves it, whatever the
    // desktop's palette.
    setCaptionColour(switchWidget(Switch::memory), Qt::black);
}

CheckState WidgetPanel::SwitchState(Switch which) const
{
    return fromQt(switchWidget(which).checkState());
}

int WidgetPanel::BarPosition(Bar bar) const
{
    return barWidget(bar).value();
}

void WidgetPanel::SetBarPosition(Bar bar, int position)
{
    barWidget(bar).setValue(position);
}

void WidgetPanel::SetSwitch(Switch which, bool on)
{
    switchWidget(which).setChecked(on);
}

void WidgetPanel::FillList(List list)
{
    if (list == List::messageType)
        fill(listWidget(list), kMessageTypeKeys);
    else
        fill(listWidget(list), kSchemeKeys);
}

void WidgetPanel::Choose(MessageType type)
{
    listWidget(List::messageType).setCurrentIndex(static_cast<int>(type));
}

void WidgetPanel::Choose(Scheme scheme)
{
    listWidget(List::scheme).setCurrentIndex(static_cast<int>(scheme));
}

// A list that is emptied while it is filled keeps answering with its last choice.
void WidgetPanel::listChanged(List list, int index)
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
    boxes_.at(static_cast<std::size_t>(box))->setText(toQString(text));
}

void WidgetPanel::ShowPauseState(PauseState state)
{
    pauseButton_->setText(shownText(Key(state)));
    setPauseHelp(*pauseButton_, state);
    announce(*pauseButton_, pauseButton_->text());
    pause_ = state;
}

void WidgetPanel::ColourMemoryCaption(std::int32_t colour)
{
    setCaptionColour(switchWidget(Switch::memory), fromBgr(colour));
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
