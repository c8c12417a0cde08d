#pragma once

#include <QTimer>
#include <array>
#include <cstdint>

#include "app/ControlPanel.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace quorvane {

// A line of the window, its end points in the window's twips.
struct ZeroMarker {
    std::int16_t x1 = 0;
    std::int16_t y1 = 0;
    std::int16_t x2 = 0;
    std::int16_t y2 = 0;
    int width = 1;
};

// The window's controls, found by their names among `window`'s children, as
// the controller reads and sets them. The lists show each choice's
// translation and answer with the choice itself.
class WidgetPanel final : public ControlPanel {
public:
    WidgetPanel(QWidget& window, QTimer& frameClock);

    MessageType ChosenMessageType() const override { return messageType_; }
    Scheme ChosenScheme() const override { return scheme_; }
    PauseState ShownPauseState() const override { return pause_; }
    CheckState SwitchState(Switch which) const override;

    int BarPosition(Bar bar) const override;
    void SetBarPosition(Bar bar, int position) override;
    void SetSwitch(Switch which, bool on) override;
    void FillList(List list) override;
    void Choose(MessageType type) override;
    void Choose(Scheme scheme) override;
    void ShowText(Box box, std::string_view text) override;
    void ShowPauseState(PauseState state) override;
    void ColourMemoryCaption(std::int32_t colour) override;
    void PlaceZeroMarkers(std::int16_t x) override;
    bool FrameClockRunning() const override { return frameClock_.isActive(); }
    void StartFrameClock() override;
    void StopFrameClock() override;

    // Keeps the lists' answers in step with what they show.
    void listChanged(List list, int index);

    QScrollBar& barWidget(Bar bar) const { return *bars_.at(static_cast<std::size_t>(bar)); }
    QCheckBox& switchWidget(Switch which) const { return *switches_.at(static_cast<std::size_t>(which)); }
    QComboBox& listWidget(List list) const { return *lists_.at(static_cast<std::size_t>(list)); }
    QPushButton& pauseButton() const { return *pauseButton_; }
    const std::array<ZeroMarker, 2>& zeroMarkers() const { return zeroMarkers_; }

private:
    QWidget& window_;
    QTimer& frameClock_;
    std::array<QScrollBar*, 5> bars_{};
    std::array<QCheckBox*, 5> switches_{};
    std::array<QComboBox*, 2> lists_{};
    std::array<QLineEdit*, 3> boxes_{};
    QPushButton* pauseButton_ = nullptr;
    std::array<ZeroMarker, 2> zeroMarkers_{};
    MessageType messageType_ = MessageType::sine;
    Scheme scheme_ = Scheme::dsbSc;
    PauseState pause_ = PauseState::running;
};

}  // namespace quorvane
