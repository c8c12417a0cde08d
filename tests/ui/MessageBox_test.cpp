#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <array>

#include <gtest/gtest.h>

#include "engine/nrFFT.h"
#include "ui/widgets/MessageBox.h"

namespace quorvane::testing {
namespace {

TEST(MessageBox, TheTransformsComplaintShowsWithOnlyAnOkButton)
{
    QApplication::setApplicationName("Quorvane");
    nrFFT::SetMessageHook(&showMessage);
    struct Seen {
        QString title, text;
        QMessageBox::StandardButtons buttons;
    } seen;
    // The box is modal: it is read and dismissed from inside its own event loop.
    QTimer::singleShot(0, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = {box->windowTitle(), box->text(), box->standardButtons()};
            box->button(QMessageBox::Ok)->click();
        }
    });
    std::array<double, 12> points{};
    nrFFT::FFT(points, 6, false);
    nrFFT::SetMessageHook(nullptr);

    EXPECT_EQ(seen.title, "Quorvane");
    EXPECT_EQ(seen.text.toStdString(), nrFFT::kPowersOfTwoMessage);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

}  // namespace
}  // namespace quorvane::testing
