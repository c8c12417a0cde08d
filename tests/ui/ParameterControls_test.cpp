#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QTest>

#include "WindowFixture.h"

namespace quorvane::testing {
namespace {

using ParameterTest = WindowTest;

void ExpectDepthRange(MainWindow& form, const QStringList& texts)
{
    for (int position = 0; position <= 9; ++position) {
        Find<QScrollBar>(form, "depthBar").setValue(position);
        EXPECT_EQ(Find<QLineEdit>(form, "depthBox").text(), texts[position]) << position;
        EXPECT_EQ(form.state().depth, (10 - position) / 5.0) << position;
    }
}

TEST(DepthLocale, DecimalCommaIsWrittenAndReadBack)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        MainWindow form;
        EXPECT_EQ(Find<QLineEdit>(form, "depthBox").text(), "1");
        ExpectDepthRange(form, {"2", "1,8", "1,6", "1,4", "1,2", "1", "0,8", "0,6", "0,4", "0,2"});
        Find<QScrollBar>(form, "messageFrequencyBar").setValue(17);
        EXPECT_EQ(Find<QLineEdit>(form, "messageFrequencyBox").text(), " 2,6")
            << "the frequencies read as the depth does";
    }
    QLocale::setDefault(saved);
}

TEST_F(ParameterTest, UpArrowOfDepthRaisesTheDepth)
{
    form->show();
    QTest::mouseClick(&Get<QScrollBar>("depthBar"), Qt::LeftButton, {}, QPoint(12, 3));
    EXPECT_EQ(Get<QScrollBar>("depthBar").value(), 4);
    EXPECT_EQ(State().depth, 1.2);
}

TEST_F(ParameterTest, DraggingTheThumbIsAnsweredOnlyOnRelease)
{
    auto& bar = Get<QScrollBar>("messageFrequencyBar");
    State().messageAverageCount = 5;
    bar.setSliderDown(true);
    bar.setSliderPosition(40);
    EXPECT_EQ(State().messageFrequencyDaHz, 0.5);
    EXPECT_EQ(State().messageAverageCount, 5);
    bar.setSliderDown(false);
    EXPECT_EQ(State().messageFrequencyDaHz, 40 / 64.0);
    EXPECT_EQ(State().messageAverageCount, 0);
}

}  // namespace
}  // namespace quorvane::testing
