// The receiver's window: how it is found, opened and closed, and that its
// pictures draw with the window's frames.
#include <QAction>
#include <QLabel>
#include <QTest>

#include "WindowFixture.h"
#include "app/ReceiverDesign.h"
#include "plot/TraceColours.h"
#include "ui/pictures/PictureBox.h"
#include "ui/receiver/ReceiverDock.h"
#include "ui/receiver/ReceiverWindow.h"
#include "ui/window/Colour.h"

namespace quorvane::testing {
namespace {

bool Shows(PictureBox& picture, Colour colour)
{
    const QImage shown = picture.grab().toImage();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixelColor(x, y) == fromBgr(colour))
                return true;
    return false;
}

class ReceiverTest : public WindowTest {
protected:
    void SetUp() override
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    PictureBox& Picture(ReceiverWindow& receiver, ReceiverPicture which)
    {
        return Find<PictureBox>(receiver, QString::fromUtf8(ControlName(which).data()));
    }
};

TEST_F(ReceiverTest, F2OpensItBesideTheWindowWithPicturesAndEscapeOrF2ClosesIt)
{
    QAction& action = form->receiver().action();
    EXPECT_EQ(action.shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(form->actions().contains(&action));
    EXPECT_EQ(form->receiver().receiverWindow(), nullptr);  // nothing made before the first opening

    QTest::keyClick(form.get(), Qt::Key_F2);
    ReceiverWindow* receiver = form->receiver().receiverWindow();
    ASSERT_NE(receiver, nullptr);
    EXPECT_TRUE(receiver->isVisible() && form->controller().ReceiverOpen());
    EXPECT_FALSE(receiver->frameGeometry().intersects(form->frameGeometry()));
    EXPECT_TRUE(receiver->actions().contains(&form->classGuide().action()));
    form->runFrame();
    EXPECT_TRUE(Shows(Picture(*receiver, ReceiverPicture::receivedSignal), kModulatedColour));
    EXPECT_TRUE(Shows(Picture(*receiver, ReceiverPicture::recoveredMessage), kRecoveredColour));

    const QSize size = receiver->size();
    form->magnifier().setZoom(2.0);
    EXPECT_EQ(receiver->size(), 2 * size);

    receiver->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(receiver));
    QTest::keyClick(receiver, Qt::Key_Escape);
    EXPECT_FALSE(receiver->isVisible() || form->controller().ReceiverOpen() || action.isChecked());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_TRUE(receiver->isVisible());
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_FALSE(receiver->isVisible() || form->controller().ReceiverOpen());
}

// Its pictures are read as the window's: named, described with their keys,
// and N puts the cursor on the next crest and reads it.
TEST_F(ReceiverTest, PicturesHaveTheWindowsNamesKeysAndCursor)
{
    QTest::keyClick(form.get(), Qt::Key_F2);
    ReceiverWindow& receiver = *form->receiver().receiverWindow();
    for (int tick = 0; tick < 3; ++tick)
        form->runFrame();
    PictureBox& recovered = Picture(receiver, ReceiverPicture::recoveredMessage);
    EXPECT_EQ(recovered.accessibleName(), QStringLiteral("Recovered message"));
    EXPECT_TRUE(recovered.accessibleDescription().contains(QStringLiteral("N, P: next or previous peak")));
    QTest::keyClick(&recovered, Qt::Key_N);
    ASSERT_TRUE(recovered.cursorPlace().has_value());
    EXPECT_EQ(form->pointerReadout().readoutWindow().text().replace(QLatin1Char('\n'), QStringLiteral(", ")),
              recovered.accessibleDescription());
    // Escape puts the cursor away before it closes the receiver.
    receiver.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&receiver));
    QTest::keyClick(&recovered, Qt::Key_Escape);
    EXPECT_FALSE(recovered.cursorPlace().has_value());
    EXPECT_TRUE(receiver.isVisible());
}

}  // namespace
}  // namespace quorvane::testing
