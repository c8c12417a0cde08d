#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QTest>

#include "WindowFixture.h"

namespace quorvane::testing {
namespace {

using ParameterTest = WindowTest;

// pos/64 and its hundredfold are exact in binary, so the cut is plain
// integer division here.
QString MessageText(int position)
{
    const int tenths = 100 * position / 64;
    return " " + QString::number(tenths / 10) +
           (tenths % 10 ? "." + QString::number(tenths % 10) : "");
}

TEST_F(ParameterTest, FrequenciesOverTheirWholeRanges)
{
    for (int position = 16; position <= 64; ++position) {
        Get<QScrollBar>("messageFrequencyBar").setValue(position);
        EXPECT_EQ(State().messageFrequency, position / 64.0) << position;
        EXPECT_EQ(Get<QLineEdit>("messageFrequencyBox").text(), MessageText(position)) << position;
    }
    EXPECT_EQ(Get<QLineEdit>("carrierFrequencyBox").text(), " 64") << "each bar writes only its own box";
    for (int position = 16; position <= 64; ++position) {
        Get<QScrollBar>("carrierFrequencyBar").setValue(position);
        EXPECT_EQ(State().carrierFrequency, position / 5.0) << position;
        EXPECT_EQ(Get<QLineEdit>("carrierFrequencyBox").text(), " " + QString::number(2 * position))
            << position;
    }
    EXPECT_EQ(State().messageFrequency, 1.0);
}

void ExpectDepthRange(MainWindow& form, const QStringList& texts)
{
    for (int position = 0; position <= 9; ++position) {
        Find<QScrollBar>(form, "depthBar").setValue(position);
        EXPECT_EQ(Find<QLineEdit>(form, "depthBox").text(), texts[position]) << position;
        EXPECT_EQ(form.state().depth, (10 - position) / 5.0) << position;
    }
}

TEST_F(ParameterTest, DepthOverItsWholeRange)
{
    ExpectDepthRange(*form, {"2", "1.8", "1.6", "1.4", "1.2", "1", "0.8", "0.6", "0.4", "0.2"});
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
    EXPECT_EQ(State().messageFrequency, 0.5);
    EXPECT_EQ(State().messageAverageCount, 5);
    bar.setSliderDown(false);
    EXPECT_EQ(State().messageFrequency, 40 / 64.0);
    EXPECT_EQ(State().messageAverageCount, 0);
}

}  // namespace
}  // namespace quorvane::testing
