#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "WindowFixture.h"
#include "engine/Choices.h"
#include "ui/window/Utf8.h"

namespace quorvane::testing {
namespace {

using StartupTest = WindowTest;

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
        list << toQString(text);
    return list;
}

TEST_F(StartupTest, ParametersTextsAndListsAsStartUpLeavesThem)
{
    EXPECT_EQ(State().messageFrequencyDaHz, 0.5);
    EXPECT_EQ(State().carrierFrequencyDaHz, 32 / 5.0);
    EXPECT_EQ(State().depth, 1.0);
    EXPECT_EQ(Get<QLineEdit>("messageFrequencyBox").text(), " 5");
    EXPECT_EQ(Get<QLineEdit>("carrierFrequencyBox").text(), " 64");
    EXPECT_EQ(Get<QLineEdit>("depthBox").text(), "1");

    const auto& messages = Get<QComboBox>("messageTypeList");
    const auto& schemes = Get<QComboBox>("schemeList");
    EXPECT_EQ(Items(messages), ToQStrings(kMessageTypeKeys));
    EXPECT_EQ(Items(schemes), ToQStrings(kSchemeKeys));
    EXPECT_FALSE(messages.isEditable() || schemes.isEditable());
    EXPECT_EQ(form->panel().ChosenMessageType(), MessageType::sine);
    EXPECT_EQ(form->panel().ChosenScheme(), Scheme::dsbSc);
}

TEST_F(StartupTest, DisplayRunsAndSwitchesStandAsDesigned)
{
    EXPECT_EQ(form->windowTitle(), "Quorvane");
    EXPECT_EQ(form->minimumSize(), QSize(1003, 678));
    EXPECT_EQ(form->maximumSize(), QSize(1003, 678));
    EXPECT_TRUE(Get<QTimer>("frameTimer").isActive());
    EXPECT_EQ(Get<QTimer>("frameTimer").interval(), 100);
    EXPECT_EQ(Get<QPushButton>("pauseButton").text(), toQString(Key(PauseState::running)));
    EXPECT_EQ(form->panel().ShownPauseState(), PauseState::running);
    EXPECT_EQ(form->panel().SwitchState(Switch::linear), CheckState::checked);
    for (Switch check :
         {Switch::twoSided, Switch::memory, Switch::modulatedTrace, Switch::modulatedSpectrum})
        EXPECT_EQ(form->panel().SwitchState(check), CheckState::unchecked);
    EXPECT_EQ(form->panel().BarPosition(Bar::timeScroll), 0);
    EXPECT_EQ(form->panel().BarPosition(Bar::timeZoom), 1);
}

TEST_F(StartupTest, StateIsClearUntilTheFirstTick)
{
    const SignalState& state = State();
    EXPECT_EQ(state.messageAverageCount, 0);
    EXPECT_EQ(state.modulatedAverageCount, 0);
    EXPECT_FALSE(state.messageHeld);
    EXPECT_FALSE(state.modulatedHeld);
    for (const SampleBuffer* buffer :
         {&state.messageSignal, &state.modulatedSignal, &state.carrierSignal, &state.messageTransform,
          &state.messageSpectrum, &state.messageHeldSpectrum, &state.modulatedTransform, &state.modulatedSpectrum,
          &state.modulatedHeldSpectrum})
        EXPECT_TRUE(std::ranges::all_of(*buffer, [](double v) { return v == 0.0; }));

    form->runFrame();
    EXPECT_EQ(state.messageAverageCount, 1);
    EXPECT_EQ(state.modulatedAverageCount, 1);
}

}  // namespace
}  // namespace quorvane::testing
