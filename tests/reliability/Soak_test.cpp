// A whole lesson and more of running, with a student at every control: the
// real window, ticked directly 40,000 times (past the counters' 16-bit limit)
// with a seeded random action every few ticks, and the signal state checked
// after every tick.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <cmath>
#include <cstdlib>
#include <random>

#include "FormInvariants.h"
#include "Student.h"
#include "ui/Form1.h"

namespace quorvane::testing {
namespace {

int SoakTicks()
{
    const char* ticks = std::getenv("QUORVANE_SOAK_TICKS");
    return ticks ? std::atoi(ticks) : 40000;
}

TEST(Soak, FortyThousandTicksWithEveryControlKeepTheStateSound)
{
    Form1 form;
    Student student(form);
    std::mt19937 random(20261208);
    const int ticks = SoakTicks();
    int running = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        if (tick % 5 == 0)
            student.Act(random);
        if (tick % 500 == 0)
            QCoreApplication::processEvents();
        ASSERT_NO_THROW(form.Timer1_Timer()) << tick;
        running += form.PauseCaption() == "Pause";
        ASSERT_TRUE(StateIsSound(form.State())) << "after tick " << tick;
    }
    // The pause button is clicked now and then, so most ticks still run.
    EXPECT_GT(running, ticks / 3);
}

// Left running untouched, the counters stop at their limit and the averages go on.
TEST(Soak, UntouchedCountersHoldAtTheirLimit)
{
    Form1 form;
    form.State().iDataSpectrums = 32760;
    form.State().iModSpectrums = 32760;
    for (int tick = 0; tick < 20; ++tick) {
        form.Timer1_Timer();
        ASSERT_TRUE(StateIsSound(form.State()));
    }
    EXPECT_EQ(form.State().iDataSpectrums, 32767);
    EXPECT_EQ(form.State().iModSpectrums, 32767);
}

}  // namespace
}  // namespace quorvane::testing

namespace quorvane::testing {
namespace {

// Nothing reads what would be typed into the three boxes: typing changes
// neither the boxes nor the parameters, and the scroll bars still write them.
TEST(BadInput, TypingIntoTheTextBoxesChangesNothing)
{
    Form1 form;
    form.show();
    for (const char* name : {"txtFreq(0)", "txtFreq(1)", "txtDepth"}) {
        auto* box = form.findChild<QLineEdit*>(name);
        const QString before = box->text();
        box->setFocus();
        QTest::keyClicks(box, "12abc,.-");
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), before) << name;
    }
    EXPECT_EQ(form.State().dDataFreq, 0.5);
    EXPECT_EQ(form.State().dDepth, 1.0);
    form.findChild<QScrollBar*>("vscDepth")->setValue(0);
    EXPECT_EQ(form.findChild<QLineEdit*>("txtDepth")->text(), "2");
    EXPECT_EQ(form.State().dDepth, 2.0);
}

}  // namespace
}  // namespace quorvane::testing
