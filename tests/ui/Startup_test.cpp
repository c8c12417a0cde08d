#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "FormFixture.h"
#include "engine/ControlTexts.h"
#include "ui/Utf8.h"

namespace quorvane::testing {
namespace {

using StartupTest = FormTest;

QStringList Items(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

template <std::size_t Count>
QStringList ToQStrings(const std::array<std::string_view, Count>& texts)
{
    QStringList list;
    for (std::string_view text : texts)
        list << ToQString(text);
    return list;
}

TEST_F(StartupTest, ParametersTextsAndListsAsStartUpLeavesThem)
{
    EXPECT_EQ(State().dDataFreq, 0.5);
    EXPECT_EQ(State().dCarrierFreq, 32 / 5.0);
    EXPECT_EQ(State().dDepth, 1.0);
    EXPECT_EQ(Get<QLineEdit>("txtFreq(0)").text(), " 5");
    EXPECT_EQ(Get<QLineEdit>("txtFreq(1)").text(), " 64");
    EXPECT_EQ(Get<QLineEdit>("txtDepth").text(), "1");

    const auto& messages = Get<QComboBox>("cmbData");
    const auto& schemes = Get<QComboBox>("cmbMod");
    EXPECT_EQ(Items(messages), ToQStrings(kMessageTypes));
    EXPECT_EQ(Items(schemes), ToQStrings(kSchemes));
    EXPECT_FALSE(messages.isEditable() || schemes.isEditable());
    EXPECT_EQ(form->ListText(ListId::cmbData), kSineWave);
    EXPECT_EQ(form->ListText(ListId::cmbMod), kDsbSc);
}

TEST_F(StartupTest, DisplayRunsAndSwitchesStandAsDesigned)
{
    EXPECT_EQ(form->windowTitle(), "Quorvane");
    EXPECT_EQ(form->minimumSize(), QSize(1003, 678));
    EXPECT_EQ(form->maximumSize(), QSize(1003, 678));
    EXPECT_TRUE(Get<QTimer>("Timer1").isActive());
    EXPECT_EQ(Get<QTimer>("Timer1").interval(), 100);
    EXPECT_EQ(Get<QPushButton>("cmdPause").text(), ToQString(kRunningCaption));
    EXPECT_EQ(form->PauseCaption(), kRunningCaption);
    EXPECT_EQ(form->CheckValue(CheckId::chkLinear), kChecked);
    for (CheckId check :
         {CheckId::chkTwoSides, CheckId::chkMemory, CheckId::chkPassband, CheckId::chkSpectrum})
        EXPECT_EQ(form->CheckValue(check), kUnchecked);
    EXPECT_EQ(form->ScrollValue(ScrollId::hscDataScroll), 0);
    EXPECT_EQ(form->ScrollValue(ScrollId::hscDataZoom), 1);
}

TEST_F(StartupTest, StateIsClearUntilTheFirstTick)
{
    const SignalState& state = State();
    EXPECT_EQ(state.iDataSpectrums, 0);
    EXPECT_EQ(state.iModSpectrums, 0);
    EXPECT_EQ(state.bDataMemory, kFalse);
    EXPECT_EQ(state.bModMemory, kFalse);
    for (const SampleBuffer* buffer :
         {&state.dDataSignal, &state.dModSignal, &state.dCarrierSignal, &state.dDataFFT,
          &state.dDataSpectrum, &state.dDataSpectrumMem, &state.dModFFT, &state.dModSpectrum,
          &state.dModSpectrumMem})
        EXPECT_TRUE(std::ranges::all_of(*buffer, [](double v) { return v == 0.0; }));

    form->Timer1_Timer();
    EXPECT_EQ(state.iDataSpectrums, 1);
    EXPECT_EQ(state.iModSpectrums, 1);
}

}  // namespace
}  // namespace quorvane::testing
