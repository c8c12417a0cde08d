#pragma once

#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "engine/FormControls.h"
#include "engine/FrameCycle.h"
#include "engine/FrameMemo.h"
#include "engine/NoiseSource.h"
#include "engine/SignalState.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QStyle;

namespace quorvane {

class FontPlan;
class GuideWindow;
class PictureBox;
class Readout;

// A line control; its end points are in the window's twips.
struct LineShape {
    std::int16_t X1 = 0;
    std::int16_t Y1 = 0;
    std::int16_t X2 = 0;
    std::int16_t Y2 = 0;
    int width = 1;
};

// The program's one window: its controls, the signal state they set, and the
// timer that drives the frame cycle. Start-up has run once it is constructed.
class Form1 final : public QWidget, public FormControls {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    std::string_view ListText(ListId list) const override;
    int CheckValue(CheckId check) const override;
    std::int16_t ScrollValue(ScrollId scroll) const override;
    std::string_view PauseCaption() const override;

    // One frame, as a tick of Timer1 runs it.
    void Timer1_Timer();

    SignalState& State() { return *state_; }
    const LineShape& lneZero(int Index) const { return zeroMarkers_.at(Index); }

    // The window's magnification, 1 at the design's size. Every control keeps
    // its place in twips; only the pixels per twip change.
    double Zoom() const { return zoom_; }
    void SetZoom(double factor);
    void ZoomIn();
    void ZoomOut();
    void ToggleFullScreen();

    // The window beside the pointer that says what lies under it.
    const QLabel& ReadoutWindow() const;

    // The class guide: F1 and the context menu's entry toggle it. The guide
    // window exists once it has first been opened.
    QAction& GuideAction();
    GuideWindow* Guide();
    // Puts the window at the starting point of the guide's experiment
    // `number` (from 1) through the controls' own handlers; another number
    // does nothing.
    void SetUpExperiment(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void FindControls();
    void ShowParametersAsTheirBoxes();
    void SetFocusOrder();
    void ConnectHandlers();
    void SetPauseCaption(std::string_view caption);

    void CreateShortcuts();
    void ApplyZoom(double factor, QPoint offset);
    void FitToScreen();
    QSize Decoration() const;
    QSize Available() const;

    void CreateGuideAction();
    void ShowGuide(bool show);
    void PlaceGuide();

    void ConnectReadout(PictureBox& picture);
    void ConnectCursor(PictureBox& picture);
    void ShowReadout();
    void PlaceCursorMarker();
    void ShowCursorReading(bool announce);
    void HideCursor();
    QString ReadingAt(const PictureBox& picture, float x) const;
    std::optional<std::span<const double>> TraceUnder(const PictureBox& picture) const;

    void Form_Load();
    void SetUpControls();
    void hscFreq_Change(std::int16_t Index);
    void vscDepth_Change();
    void chkTwoSides_Click();
    void chkMemory_Click();
    void chkLinear_Click();
    void cmdPause_Click();
    void cmbData_Change();
    void cmbData_Click();
    void cmbMod_Change();
    void cmbMod_Click();
    void picSpectrum_Click(std::int16_t Index);

    std::unique_ptr<SignalState> state_;
    std::unique_ptr<FrameMemo> memo_;
    std::unique_ptr<FontPlan> fonts_;
    NoiseSource rnd_;
    QTimer Timer1;
    bool ticking_ = false;

    PictureBox* picData = nullptr;
    std::array<PictureBox*, 2> picSpectrum{};
    PictureBox* picCarrier = nullptr;
    PictureBox* picModData = nullptr;
    std::optional<FormPictures> pictures_;

    QScrollBar* hscDataScroll = nullptr;
    QScrollBar* hscDataZoom = nullptr;
    std::array<QScrollBar*, 2> hscFreq{};
    QScrollBar* vscDepth = nullptr;
    std::array<QLineEdit*, 2> txtFreq{};
    QLineEdit* txtDepth = nullptr;
    QComboBox* cmbData = nullptr;
    QComboBox* cmbMod = nullptr;
    QCheckBox* chkTwoSides = nullptr;
    QCheckBox* chkLinear = nullptr;
    QCheckBox* chkMemory = nullptr;
    QCheckBox* chkPassband = nullptr;
    QCheckBox* chkSpectrum = nullptr;
    QPushButton* cmdPause = nullptr;
    std::array<LineShape, 2> zeroMarkers_{};

    // What the frame cycle reads every tick, kept as UTF-8 so reading allocates nothing.
    std::string cmbDataText_;
    std::string cmbModText_;
    std::string pauseCaption_;

    std::unique_ptr<QStyle> zoomStyle_;
    double zoom_ = 1.0;
    QPoint zoomOffset_;
    bool fullScreen_ = false;
    double zoomBeforeFullScreen_ = 1.0;

    QAction* guideAction_ = nullptr;
    std::unique_ptr<GuideWindow> guide_;

    std::unique_ptr<Readout> readout_;
    PictureBox* hovered_ = nullptr;
    QPointF hoverTwips_;
    QPoint hoverGlobal_;
    // The keyboard cursor: the picture it is on, its place there, and the
    // marker that shows it, a column laid over the picture, made on first use.
    PictureBox* cursorPicture_ = nullptr;
    float cursorTwips_ = 0;
    std::unique_ptr<QWidget> cursorMarker_;
};

}  // namespace quorvane
