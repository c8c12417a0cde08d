#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QTest>

#include "FormFixture.h"

namespace quorvane::testing {
namespace {

using ParameterTest = FormTest;

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
        Get<QScrollBar>("hscFreq(0)").setValue(position);
        EXPECT_EQ(State().dDataFreq, position / 64.0) << position;
        EXPECT_EQ(Get<QLineEdit>("txtFreq(0)").text(), MessageText(position)) << position;
    }
    EXPECT_EQ(Get<QLineEdit>("txtFreq(1)").text(), " 64") << "each bar writes only its own box";
    for (int position = 16; position <= 64; ++position) {
        Get<QScrollBar>("hscFreq(1)").setValue(position);
        EXPECT_EQ(State().dCarrierFreq, position / 5.0) << position;
        EXPECT_EQ(Get<QLineEdit>("txtFreq(1)").text(), " " + QString::number(2 * position))
            << position;
    }
    EXPECT_EQ(State().dDataFreq, 1.0);
}

void ExpectDepthRange(Form1& form, const QStringList& texts)
{
    for (int position = 0; position <= 9; ++position) {
        Find<QScrollBar>(form, "vscDepth").setValue(position);
        EXPECT_EQ(Find<QLineEdit>(form, "txtDepth").text(), texts[position]) << position;
        EXPECT_EQ(form.State().dDepth, (10 - position) / 5.0) << position;
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
        Form1 form;
        EXPECT_EQ(Find<QLineEdit>(form, "txtDepth").text(), "1");
        ExpectDepthRange(form, {"2", "1,8", "1,6", "1,4", "1,2", "1", "0,8", "0,6", "0,4", "0,2"});
        Find<QScrollBar>(form, "hscFreq(0)").setValue(17);
        EXPECT_EQ(Find<QLineEdit>(form, "txtFreq(0)").text(), " 2,6")
            << "the frequencies read as the depth does";
    }
    QLocale::setDefault(saved);
}

TEST_F(ParameterTest, UpArrowOfDepthRaisesTheDepth)
{
    form->show();
    QTest::mouseClick(&Get<QScrollBar>("vscDepth"), Qt::LeftButton, {}, QPoint(12, 3));
    EXPECT_EQ(Get<QScrollBar>("vscDepth").value(), 4);
    EXPECT_EQ(State().dDepth, 1.2);
}

TEST_F(ParameterTest, DraggingTheThumbIsAnsweredOnlyOnRelease)
{
    auto& bar = Get<QScrollBar>("hscFreq(0)");
    State().iDataSpectrums = 5;
    bar.setSliderDown(true);
    bar.setSliderPosition(40);
    EXPECT_EQ(State().dDataFreq, 0.5);
    EXPECT_EQ(State().iDataSpectrums, 5);
    bar.setSliderDown(false);
    EXPECT_EQ(State().dDataFreq, 40 / 64.0);
    EXPECT_EQ(State().iDataSpectrums, 0);
}

}  // namespace
}  // namespace quorvane::testing
