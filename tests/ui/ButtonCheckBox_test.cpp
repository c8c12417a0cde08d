#include <QTest>

#include <gtest/gtest.h>

#include "ui/widgets/ButtonCheckBox.h"
#include "ui/widgets/CheckBox.h"

namespace quorvane::testing {
namespace {

template <typename Box>
class Toggling : public ::testing::Test {
protected:
    Toggling() { box.setGeometry(0, 0, 97, 41); }
    void Click(QPoint at = {48, 20}) { QTest::mouseClick(&box, Qt::LeftButton, {}, at); }
    Box box;
};

using Boxes = ::testing::Types<CheckBox, ButtonCheckBox>;
TYPED_TEST_SUITE(Toggling, Boxes);

TYPED_TEST(Toggling, MouseAndSpaceToggleBetweenUncheckedAndChecked)
{
    this->Click();
    EXPECT_EQ(this->box.checkState(), Qt::Checked);
    this->Click({95, 39});  // the whole box answers, not only the indicator
    EXPECT_EQ(this->box.checkState(), Qt::Unchecked);
    QTest::keyClick(&this->box, Qt::Key_Space);
    EXPECT_EQ(this->box.checkState(), Qt::Checked);
    QTest::keyClick(&this->box, Qt::Key_Space);
    EXPECT_EQ(this->box.checkState(), Qt::Unchecked);
}

TYPED_TEST(Toggling, GreyedIsKeptUntilAClickChecksIt)
{
    this->box.setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(this->box.checkState(), Qt::PartiallyChecked);
    for (Qt::CheckState next : {Qt::Checked, Qt::Unchecked, Qt::Checked}) {
        this->Click();
        EXPECT_EQ(this->box.checkState(), next) << "no greyed step in the user's cycle";
    }
}

TEST(ButtonCheckBox, StaysPressedWhileChecked)
{
    ButtonCheckBox box;
    box.setGeometry(0, 0, 97, 32);
    box.setText("Memory");
    const QImage raised = box.grab().toImage();
    box.setCheckState(Qt::Checked);
    EXPECT_NE(box.grab().toImage(), raised);
    box.setCheckState(Qt::Unchecked);
    EXPECT_EQ(box.grab().toImage(), raised);
}

}  // namespace
}  // namespace quorvane::testing
