#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "app/ReceiverPanel.h"

class QComboBox;
class QLineEdit;
class QScrollBar;
class QStyle;

namespace quorvane {

class FontPlan;
class PictureBox;

// The receiver's panel in a fixed-size window of its own, its controls made
// from the receiver's design with the window's fonts and widgets. Escape
// closes it; it grows with the main window's magnification and follows a
// change of language.
class ReceiverWindow final : public QWidget, public ReceiverPanel {
    Q_OBJECT

public:
    explicit ReceiverWindow(const FontPlan& fonts);
    ~ReceiverWindow() override;

    Detector ChosenDetector() const override;
    int BarPosition(ReceiverBar bar) const override;
    void ChooseDetector(Detector detector) override;
    void SetBarPosition(ReceiverBar bar, int position) override;
    void FillDetectorList() override;
    void ShowText(ReceiverBox box, std::string_view text) override;

    ReceiverPictures pictures() const;
    PictureBox& picture(ReceiverPicture which) const { return *pictures_.at(static_cast<std::size_t>(which)); }
    QComboBox& detectorList() const { return *detectors_; }
    QScrollBar& bar(ReceiverBar which) const { return *bars_.at(static_cast<std::size_t>(which)); }
    void setZoom(double factor);

signals:
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void setFocusOrder();
    void translate();

    const FontPlan& fonts_;
    std::unique_ptr<QStyle> style_;
    QComboBox* detectors_ = nullptr;
    std::array<QScrollBar*, 2> bars_{};
    std::array<QLineEdit*, 3> boxes_{};
    std::array<PictureBox*, 2> pictures_{};
    std::string noiseText_;
};

}  // namespace quorvane
