// Allocations per tick through the real Qt pictures. Qt's painting allocates
// a little of its own on every repaint, so the figure is reported, not held
// to zero; it must not grow with the number of ticks. Drawing into the
// pictures, which is the program's own code, allocates nothing at all.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "app/Frame.h"
#include "engine/Choices.h"
#include "support/CountingNew.h"
#include "support/FakeControls.h"
#include "support/FindControl.h"
#include "support/OffscreenScreen.h"
#include "ui/pictures/PictureBox.h"
#include "ui/window/MainWindow.h"
#include "ui/window/Utf8.h"


namespace quorvane {
namespace {

using testing::gAllocations;

template <typename Control>
Control& Get(MainWindow& form, const char* name)
{
    return testing::Find<Control>(form, QString::fromLatin1(name));
}

// Ticks as the running program has them: the frame, then the event loop
// until the five pictures are painted into the window.
long AllocationsOver(MainWindow& form, int ticks)
{
    const long before = gAllocations.load();
    for (int tick = 0; tick < ticks; ++tick) {
        form.runFrame();
        QCoreApplication::processEvents();
    }
    return gAllocations.load() - before;
}

struct Settings {
    const char* name;
    bool heaviest;
    bool linear;
};

class QtFrameAllocation : public ::testing::TestWithParam<Settings> {};

TEST_P(QtFrameAllocation, AllocationsPerTickDoNotGrowWithTheTicks)
{
    const Settings& settings = GetParam();
    MainWindow form;
    Get<QTimer>(form, "frameTimer").stop();  // only the test ticks
    form.show();
    if (settings.heaviest) {
        Get<QScrollBar>(form, "timeZoomBar").setValue(4);
        for (const char* box : {"modulatedTraceButton", "modulatedSpectrumButton", "twoSidedCheckBox", "memoryButton"})
            Get<QCheckBox>(form, box).setCheckState(Qt::Checked);
        Get<QCheckBox>(form, "linearCheckBox").setCheckState(settings.linear ? Qt::Checked : Qt::Unchecked);
        Get<QComboBox>(form, "schemeList").setCurrentText(toQString(Key(Scheme::fm)));
    }
    AllocationsOver(form, 20);
    const long first = AllocationsOver(form, 200);
    const long second = AllocationsOver(form, 200);
    std::printf("%s: allocations per tick through Qt: %.2f in ticks 1-200, %.2f in ticks 201-400\n",
                settings.name, first / 200.0, second / 200.0);
    RecordProperty("AllocationsPerTickFirst200", std::to_string(first / 200.0));
    RecordProperty("AllocationsPerTickNext200", std::to_string(second / 200.0));
    EXPECT_LE(second, first);
}

INSTANTIATE_TEST_SUITE_P(Window, QtFrameAllocation,
                         ::testing::Values(Settings{"StartUp", false, true},
                                           Settings{"HeaviestLog", true, false},
                                           Settings{"HeaviestLinear", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The pictures themselves, drawn by whole frames but never painted: clearing,
// colours and segments take no memory once the pictures exist.
TEST(PictureBoxAllocation, DrawingFramesIntoThePicturesAllocatesNothing)
{
    auto boxes = std::make_unique<PictureBox[]>(5);
    const QSize outer[] = {{593, 69}, {593, 185}, {593, 77}, {593, 77}, {593, 185}};
    for (int i = 0; i < 5; ++i)
        boxes[i].resize(outer[i]);
    const FramePictures pictures{boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]};
    auto state = std::make_unique<SignalState>();
    state->messageFrequencyDaHz = 0.5;
    state->carrierFrequencyDaHz = 6.4;
    state->depth = 1.0;
    auto memo = std::make_unique<FrameMemo>();
    NoiseSource rnd;
    testing::FakeControls controls;
    controls.Heaviest();
    RunFrame(*state, controls, pictures, rnd, memo.get());  // the pictures' images come into being
    const long before = gAllocations.load();
    for (int tick = 0; tick < 160; ++tick) {
        controls.VaryFor(tick);
        RunFrame(*state, controls, pictures, rnd, memo.get());
    }
    EXPECT_EQ(gAllocations.load() - before, 0);
}

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv)
{
    quorvane::testing::UseOffscreenScreen();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
