// Writes the desktop window's five pictures, border included, as the page is
// compared against them: for each row of the settings table, the controls set
// as a user would, the frames run, then each picture as PPM into the folder;
// on a row that sets the receiver, its two pictures after them.
//   desktop_pictures <settings> <folder>
#include <QApplication>
#include <QCheckBox>
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QScrollBar>
#include <QTimer>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "support/FindControl.h"
#include "support/OffscreenScreen.h"
#include "ui/magnification/Magnifier.h"
#include "ui/pictures/PictureBox.h"
#include "ui/receiver/ReceiverDock.h"
#include "ui/receiver/ReceiverWindow.h"
#include "ui/window/MainWindow.h"

namespace {

using quorvane::testing::Find;

void Check(const quorvane::MainWindow& form, const char* name, int on)
{
    Find<QCheckBox>(form, QString::fromLatin1(name)).setChecked(on != 0);
}

void Bar(const quorvane::MainWindow& form, const char* name, int position)
{
    Find<QScrollBar>(form, QString::fromLatin1(name)).setValue(position);
}

void List(const quorvane::MainWindow& form, const char* name, int index)
{
    auto& list = Find<QComboBox>(form, QString::fromLatin1(name));
    list.setCurrentIndex(index);
}

bool Save(QWidget& box, const std::string& path)
{
    const QImage image = box.grab().toImage().convertToFormat(QImage::Format_RGB888);
    if (image.save(QString::fromStdString(path), "PPM"))
        return true;
    std::cerr << "cannot write " << path << "\n";
    return false;
}

// The receiver opened, or closed on a row without its columns, and its
// controls set as the page sets them.
bool SetReceiver(quorvane::MainWindow& form, std::istringstream& fields)
{
    int detector, phase, noise;
    const bool open = static_cast<bool>(fields >> detector >> phase >> noise);
    form.receiver().action().setChecked(open);
    if (!open)
        return false;
    quorvane::ReceiverWindow& receiver = *form.receiver().receiverWindow();
    receiver.detectorList().setCurrentIndex(detector);
    receiver.bar(quorvane::ReceiverBar::oscillatorPhase).setValue(phase);
    receiver.bar(quorvane::ReceiverBar::channelNoise).setValue(noise);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    quorvane::testing::UseOffscreenScreen();
    QApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: desktop_pictures <settings> <folder>\n";
        return 2;
    }
    quorvane::MainWindow form;
    form.magnifier().setZoom(1.0);
    // Frames are run here, one by one, never by the clock.
    Find<QTimer>(form, QStringLiteral("frameTimer")).stop();
    form.show();

    std::ifstream table(argv[1]);
    std::string line;
    int row = 0;
    const char* pictures[] = {"messagePicture", "messageSpectrumPicture", "carrierPicture", "modulatedPicture",
                              "modulatedSpectrumPicture"};
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int type, scheme, message, carrier, depth, linear, twoSided, trace, spectrum, memory, zoom, scroll, frames;
        fields >> type >> scheme >> message >> carrier >> depth >> linear >> twoSided >> trace >> spectrum >>
            memory >> zoom >> scroll >> frames;
        List(form, "messageTypeList", type);
        List(form, "schemeList", scheme);
        Bar(form, "messageFrequencyBar", message);
        Bar(form, "carrierFrequencyBar", carrier);
        Bar(form, "depthBar", depth);
        Check(form, "linearCheckBox", linear);
        Check(form, "twoSidedCheckBox", twoSided);
        Check(form, "modulatedTraceButton", trace);
        Check(form, "modulatedSpectrumButton", spectrum);
        Check(form, "memoryButton", memory);
        Bar(form, "timeZoomBar", zoom);
        Bar(form, "timeScrollBar", scroll);
        const bool receiverOpen = SetReceiver(form, fields);
        for (int frame = 0; frame < frames; ++frame)
            form.runFrame();
        const auto path = [&](int picture) {
            return std::string(argv[2]) + "/" + std::to_string(row) + "-" + std::to_string(picture) + ".ppm";
        };
        for (int picture = 0; picture < 5; ++picture)
            if (!Save(Find<quorvane::PictureBox>(form, QString::fromLatin1(pictures[picture])), path(picture)))
                return 1;
        if (receiverOpen) {
            const quorvane::ReceiverPictures shown = form.receiver().receiverWindow()->pictures();
            if (!Save(static_cast<quorvane::PictureBox&>(shown.receivedSignal), path(5)) ||
                !Save(static_cast<quorvane::PictureBox&>(shown.recoveredMessage), path(6)))
                return 1;
        }
        ++row;
    }
    std::cout << row << " rows\n";
    return 0;
}
