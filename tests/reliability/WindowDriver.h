#pragma once

// Drives the real window the way a classroom does: every list, scroll bar,
// check box, button, picture and text box, in any order, paused or running,
// with frames in between; and checks after every frame what must always hold
// of the signal state and the controls. Shared by the soak and memory tests
// and the window fuzzer, so it reports a broken rule as text instead of
// asserting.

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>

#include "engine/Choices.h"
#include "ui/window/Utf8.h"
#include "support/FindControl.h"
#include "app/NumberText.h"
#include "ui/window/MainWindow.h"
#include "ui/pictures/PictureBox.h"
#include "ui/receiver/ReceiverDock.h"
#include "ui/receiver/ReceiverWindow.h"
#include "WindowActions.h"

namespace quorvane::testing {

class WindowDriver {
public:
    explicit WindowDriver(MainWindow& form) : form_(form), before_(std::make_unique<SignalState>())
    {
        for (std::size_t i = 0; i < kScrollNames.size(); ++i)
            bars_[i] = &Find<QScrollBar>(kScrollNames[i]);
        for (std::size_t i = 0; i < kCheckNames.size(); ++i)
            checks_[i] = &Find<QCheckBox>(kCheckNames[i]);
        for (std::size_t i = 0; i < kPictureNames.size(); ++i)
            pictures_[i] = &Find<PictureBox>(kPictureNames[i]);
        for (std::size_t i = 0; i < kTextNames.size(); ++i)
            texts_[i] = &Find<QLineEdit>(kTextNames[i]);
        lists_ = {&Find<QComboBox>("messageTypeList"), &Find<QComboBox>("schemeList")};
        pause_ = &Find<QPushButton>("pauseButton");
    }

    // Runs one action; returns the first broken rule if it ran a frame, else "".
    std::string Do(Action action, std::uint8_t argument)
    {
        switch (action) {
            case Action::Tick: return Tick();
            case Action::ListChoose: ListChoose(argument); break;
            case Action::ListKey: ListKey(argument); break;
            case Action::ListWheel: Wheel(*List(argument), argument >> 1); break;
            case Action::ListPopup: ListPopup(argument); break;
            case Action::PopupKey: PopupKey(argument); break;
            case Action::ScrollStep: ScrollStep(argument); break;
            case Action::ScrollSet: ScrollSet(argument); break;
            case Action::ScrollKey: ScrollKey(argument); break;
            case Action::ScrollWheel: Wheel(*Bar(argument), argument / kScrollNames.size()); break;
            case Action::ScrollMouse: ScrollMouse(argument); break;
            case Action::DragStart: DragStart(argument); break;
            case Action::DragMove: DragMove(argument); break;
            case Action::DragEnd: DragEnd(); break;
            case Action::CheckClick: QTest::mouseClick(Check(argument), Qt::LeftButton); break;
            case Action::CheckSpace: QTest::keyClick(Check(argument), Qt::Key_Space); break;
            case Action::CheckSet: CheckSet(argument); break;
            case Action::Pause: Pause(argument); break;
            case Action::PictureClick: PictureClick(argument); break;
            case Action::Type: Type(argument); break;
            case Action::ProcessEvents: QCoreApplication::processEvents(); break;
            case Action::Receiver: Receiver(argument); break;
        }
        return {};
    }

    // Lets go of anything held: a drag in progress, an open popup.
    void LetGo()
    {
        DragEnd();
        for (QComboBox* list : lists_)
            list->hidePopup();
    }

    bool Running() const { return form_.panel().ShownPauseState() == PauseState::running; }

    // One frame as the frame clock runs it, then every rule checked.
    std::string Tick()
    {
        SignalState& state = form_.state();
        const bool running = Running();
        const Qt::CheckState memory = checks_[1]->checkState();
        if (running) {
            before_->messageAverageCount = state.messageAverageCount;
            before_->modulatedAverageCount = state.modulatedAverageCount;
            before_->messageHeld = state.messageHeld;
            before_->modulatedHeld = state.modulatedHeld;
        } else {
            *before_ = state;
        }
        try {
            form_.runFrame();
        } catch (...) {
            return "an exception escaped the frame";
        }
        ++ticks_;
        if (running)
            ++runningTicks_;
        if (running && before_->messageAverageCount == kCounterLimit && state.messageAverageCount == kCounterLimit)
            ++ticksAtLimit_;
        std::string broken = CheckAlways(state);
        if (broken.empty())
            broken = running ? CheckFrameRan(state, memory) : CheckNothingMoved(state);
        return broken;
    }

    long Ticks() const { return ticks_; }
    long RunningTicks() const { return runningTicks_; }
    long TicksAtCounterLimit() const { return ticksAtLimit_; }

    static constexpr std::int16_t kCounterLimit = std::numeric_limits<std::int16_t>::max();

private:
    template <typename Control>
    Control& Find(const char* name)
    {
        return quorvane::testing::Find<Control>(form_, QString::fromLatin1(name));
    }

    QComboBox* List(std::uint8_t argument) { return lists_[argument & 1]; }
    QScrollBar* Bar(std::uint8_t argument) { return bars_[argument % bars_.size()]; }
    QCheckBox* Check(std::uint8_t argument) { return checks_[argument % checks_.size()]; }

    void ListChoose(std::uint8_t argument)
    {
        QComboBox& list = *List(argument);
        const int index = (argument >> 1) % list.count();
        list.setCurrentIndex(index);
        emit list.activated(index);
    }

    void ListKey(std::uint8_t argument)
    {
        static constexpr std::array<Qt::Key, 12> keys{
            Qt::Key_Down, Qt::Key_Up,  Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown, Qt::Key_PageUp,
            Qt::Key_S,    Qt::Key_W,   Qt::Key_F,    Qt::Key_A,   Qt::Key_P,        Qt::Key_Space};
        QTest::keyClick(List(argument), keys[(argument >> 1) % keys.size()]);
    }

    void ListPopup(std::uint8_t argument)
    {
        QComboBox& list = *List(argument);
        switch ((argument >> 1) % 4) {
            case 0: list.showPopup(); break;
            case 1: list.hidePopup(); break;
            case 2: QTest::keyClick(&list, Qt::Key_Down, Qt::AltModifier); break;
            default: {
                QAbstractItemView* view = list.view();
                if (!view->isVisible())
                    break;
                const int row = (argument >> 3) % list.count();
                const QRect item = view->visualRect(list.model()->index(row, 0));
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
                break;
            }
        }
    }

    void PopupKey(std::uint8_t argument)
    {
        static constexpr std::array<Qt::Key, 8> keys{Qt::Key_Down, Qt::Key_Up,     Qt::Key_Return,
                                                     Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Home,
                                                     Qt::Key_End,  Qt::Key_F4};
        QAbstractItemView* view = List(argument)->view();
        if (view->isVisible())
            QTest::keyClick(view, keys[(argument >> 1) % keys.size()]);
    }

    void ScrollStep(std::uint8_t argument)
    {
        static constexpr std::array<QAbstractSlider::SliderAction, 6> steps{
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        Bar(argument)->triggerAction(steps[(argument / bars_.size()) % steps.size()]);
    }

    // Reaches one past either end too: the bar must hold its range.
    void ScrollSet(std::uint8_t argument)
    {
        QScrollBar& bar = *Bar(argument);
        const int span = bar.maximum() - bar.minimum() + 3;
        bar.setValue(bar.minimum() - 1 + (argument / bars_.size()) % span);
    }

    void ScrollKey(std::uint8_t argument)
    {
        static constexpr std::array<Qt::Key, 8> keys{Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,
                                                     Qt::Key_Down,   Qt::Key_PageUp,   Qt::Key_PageDown,
                                                     Qt::Key_Home,   Qt::Key_End};
        QTest::keyClick(Bar(argument), keys[(argument / bars_.size()) % keys.size()]);
    }

    void ScrollMouse(std::uint8_t argument)
    {
        QScrollBar& bar = *Bar(argument);
        const int slot = (argument / bars_.size()) % 8;
        const bool across = bar.orientation() == Qt::Horizontal;
        const int length = across ? bar.width() : bar.height();
        const int along = (2 * slot + 1) * length / 16;
        const QPoint at = across ? QPoint(along, bar.height() / 2) : QPoint(bar.width() / 2, along);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, at);
    }

    void DragStart(std::uint8_t argument)
    {
        DragEnd();
        dragged_ = Bar(argument);
        dragged_->setSliderDown(true);
        DragMove(argument);
    }

    void DragMove(std::uint8_t argument)
    {
        if (!dragged_)
            return;
        const int span = dragged_->maximum() - dragged_->minimum() + 1;
        dragged_->setSliderPosition(dragged_->minimum() + (argument / bars_.size()) % span);
    }

    void DragEnd()
    {
        if (dragged_)
            dragged_->setSliderDown(false);
        dragged_ = nullptr;
    }

    void CheckSet(std::uint8_t argument)
    {
        static constexpr std::array<Qt::CheckState, 3> states{Qt::Unchecked, Qt::Checked,
                                                              Qt::PartiallyChecked};
        Check(argument)->setCheckState(states[(argument / checks_.size()) % states.size()]);
    }

    void Pause(std::uint8_t argument)
    {
        if (argument & 1)
            QTest::keyClick(pause_, Qt::Key_Space);
        else
            QTest::mouseClick(pause_, Qt::LeftButton);
    }

    void PictureClick(std::uint8_t argument)
    {
        static constexpr std::array<Qt::MouseButton, 3> buttons{Qt::LeftButton, Qt::RightButton,
                                                                Qt::MiddleButton};
        QTest::mouseClick(pictures_[argument % pictures_.size()],
                          buttons[(argument / pictures_.size()) % buttons.size()]);
    }

    // F2, or a change to one of the receiver's controls once it exists.
    void Receiver(std::uint8_t argument)
    {
        ReceiverDock& dock = form_.receiver();
        ReceiverWindow* receiver = dock.receiverWindow();
        const int detail = argument / 4;
        switch (receiver ? argument % 4 : 0) {
            case 0: dock.action().trigger(); break;
            case 1: receiver->detectorList().setCurrentIndex(detail % receiver->detectorList().count()); break;
            case 2: receiver->bar(ReceiverBar::oscillatorPhase).setValue(detail % 14 - 1); break;
            default: receiver->bar(ReceiverBar::channelNoise).setValue(detail % 12 - 1); break;
        }
    }

    void Type(std::uint8_t argument)
    {
        static constexpr std::array<const char*, 6> typed{"abc", "99999", "-1", "1e308", "nan", "0,5"};
        QLineEdit& box = *texts_[argument % texts_.size()];
        switch ((argument / texts_.size()) % 4) {
            case 0: QTest::keyClicks(&box, QString::fromLatin1(typed[(argument >> 4) % typed.size()])); break;
            case 1:
                QTest::keyClick(&box, Qt::Key_Backspace);
                QTest::keyClick(&box, Qt::Key_Delete);
                break;
            case 2:
                QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
                break;
            default:
                QApplication::clipboard()->setText(QStringLiteral("123456789"));
                QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
                break;
        }
    }

    static void Wheel(QWidget& widget, unsigned direction)
    {
        const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
        const QPoint delta = (direction & 2) ? QPoint(direction & 1 ? 120 : -120, 0)
                                             : QPoint(0, direction & 1 ? 120 : -120);
        QWheelEvent event(at, widget.mapToGlobal(at), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&widget, &event);
    }

    // What holds after every frame, paused or not.
    std::string CheckAlways(const SignalState& state) const
    {
        const SampleBuffer* const buffers[] = {
            &state.messageSignal, &state.modulatedSignal,       &state.carrierSignal,
            &state.messageTransform,    &state.messageSpectrum,    &state.messageHeldSpectrum,
            &state.modulatedTransform,     &state.modulatedSpectrum,     &state.modulatedHeldSpectrum};
        for (const SampleBuffer* buffer : buffers)
            if ((*buffer)[kUsedEntries] != 0.0)
                return "entry 16384 of a buffer was written";
        for (int i = 1; i < kUsedEntries; i += 2) {
            if (state.carrierSignal[i] != 0.0)
                return "odd entry " + std::to_string(i) + " of carrierSignal is not 0";
            if (state.modulatedSignal[i] != 0.0)
                return "odd entry " + std::to_string(i) + " of modulatedSignal is not 0";
        }
        for (int k = 0; k < kPoints; ++k)
            if (!std::isfinite(state.messageSpectrum[k]) || !std::isfinite(state.modulatedSpectrum[k]))
                return "average of bin " + std::to_string(k) + " is not finite";
        for (int k = kPoints; k < kUsedEntries; ++k)
            if (state.messageSpectrum[k] != 0.0 || state.modulatedSpectrum[k] != 0.0)
                return "an average was written past bin 8191";
        for (const SampleBuffer* buffer : {&state.messageSignal, &state.modulatedSignal, &state.messageTransform,
                                           &state.modulatedTransform})
            for (int i = 0; i < kUsedEntries; ++i)
                if (!std::isfinite((*buffer)[i]))
                    return "a signal or transform entry is not finite";
        if (state.messageAverageCount < 0 || state.modulatedAverageCount < 0)
            return "a spectrum counter is negative";

        // The parameters are always what their scroll bars and text boxes say.
        // The depth goes through its text, which round-trips exactly; 1e-12
        // leaves room for nothing but that.
        const int message = bars_[2]->value();
        const int carrier = bars_[3]->value();
        const int depth = bars_[4]->value();
        if (message < 16 || message > 64 || carrier < 16 || carrier > 64 || depth < 0 || depth > 9)
            return "a parameter scroll bar left its range";
        if (bars_[0]->value() < 0 || bars_[0]->value() > 16 || bars_[1]->value() < 1 ||
            bars_[1]->value() > 4)
            return "a time-axis scroll bar left its range";
        if (state.messageFrequencyDaHz != message / 64.0 || state.carrierFrequencyDaHz != carrier / 5.0 ||
            std::abs(state.depth - (10 - depth) / 5.0) > 1e-12)
            return "a signal parameter disagrees with its scroll bar";
        const std::string point = QLocale().decimalPoint().toStdString();
        if (texts_[0]->text() != toQString(FrequencyText(state.messageFrequencyDaHz, point)) ||
            texts_[1]->text() != toQString(FrequencyText(state.carrierFrequencyDaHz, point)) ||
            texts_[2]->text() != toQString(DepthText(state.depth, point)))
            return "a text box does not show its parameter";
        const int marker = checks_[0]->checkState() == Qt::Checked ? 10448 : 6000;
        for (int i : {0, 1})
            if (form_.panel().zeroMarkers()[i].x1 != marker || form_.panel().zeroMarkers()[i].x2 != marker)
                return "a zero-frequency marker is not where the two-sided switch puts it";
        const QString caption = pause_->text();
        if ((caption != toQString(Key(PauseState::running)) && caption != toQString(Key(PauseState::paused))) ||
            caption != toQString(Key(form_.panel().ShownPauseState())))
            return "the pause button shows neither Pause nor Cont";
        return {};
    }

    // A running frame adds one spectrum to both averages, holding at the
    // 16-bit top, and takes or drops the held copies as the Memory switch says.
    std::string CheckFrameRan(const SignalState& state, Qt::CheckState memory) const
    {
        const auto next = [](std::int16_t count) {
            return static_cast<std::int16_t>(std::min<int>(count + 1, kCounterLimit));
        };
        if (state.messageAverageCount != next(before_->messageAverageCount) ||
            state.modulatedAverageCount != next(before_->modulatedAverageCount))
            return "a running frame did not add one spectrum to each average (counters " +
                   std::to_string(before_->messageAverageCount) + "/" + std::to_string(before_->modulatedAverageCount) +
                   " became " + std::to_string(state.messageAverageCount) + "/" +
                   std::to_string(state.modulatedAverageCount) + ")";
        const bool expected[] = {memory == Qt::Checked     ? true
                                 : memory == Qt::Unchecked ? false
                                                           : before_->messageHeld,
                                 memory == Qt::Checked     ? true
                                 : memory == Qt::Unchecked ? false
                                                           : before_->modulatedHeld};
        if (state.messageHeld != expected[0] || state.modulatedHeld != expected[1])
            return "a memory flag does not follow the Memory switch";
        if (!before_->messageHeld && state.messageHeld &&
            std::memcmp(state.messageSpectrum.data(), state.messageHeldSpectrum.data(),
                        kUsedEntries * sizeof(double)) != 0)
            return "the message memory is not the average it was taken from";
        if (!before_->modulatedHeld && state.modulatedHeld &&
            std::memcmp(state.modulatedSpectrum.data(), state.modulatedHeldSpectrum.data(),
                        kUsedEntries * sizeof(double)) != 0)
            return "the modulated memory is not the average it was taken from";
        return {};
    }

    std::string CheckNothingMoved(const SignalState& state) const
    {
        const auto same = [](const SampleBuffer& a, const SampleBuffer& b) {
            return std::memcmp(a.data(), b.data(), sizeof(double) * kBufferEntries) == 0;
        };
        const SignalState& was = *before_;
        if (state.messageAverageCount != was.messageAverageCount || state.modulatedAverageCount != was.modulatedAverageCount ||
            state.messageHeld != was.messageHeld || state.modulatedHeld != was.modulatedHeld ||
            !same(state.messageSignal, was.messageSignal) || !same(state.modulatedSignal, was.modulatedSignal) ||
            !same(state.carrierSignal, was.carrierSignal) || !same(state.messageTransform, was.messageTransform) ||
            !same(state.messageSpectrum, was.messageSpectrum) ||
            !same(state.messageHeldSpectrum, was.messageHeldSpectrum) || !same(state.modulatedTransform, was.modulatedTransform) ||
            !same(state.modulatedSpectrum, was.modulatedSpectrum) ||
            !same(state.modulatedHeldSpectrum, was.modulatedHeldSpectrum))
            return "a paused frame changed the signal state";
        return {};
    }

    MainWindow& form_;
    std::unique_ptr<SignalState> before_;
    std::array<QScrollBar*, 5> bars_{};
    std::array<QCheckBox*, 5> checks_{};
    std::array<PictureBox*, 5> pictures_{};
    std::array<QLineEdit*, 3> texts_{};
    std::array<QComboBox*, 2> lists_{};
    QPushButton* pause_ = nullptr;
    QScrollBar* dragged_ = nullptr;
    long ticks_ = 0;
    long runningTicks_ = 0;
    long ticksAtLimit_ = 0;
};

}  // namespace quorvane::testing
