// Writes the desktop window's five pictures, border included, as the page is
// compared against them: for each row of the settings table, the controls set
// as a user would, the frames run, then each picture as PPM into the folder.
//   desktop_pictures <settings> <folder>
#include <QApplication>
#include <QCheckBox>
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
        for (int frame = 0; frame < frames; ++frame)
            form.runFrame();
        for (int picture = 0; picture < 5; ++picture) {
            auto& box = Find<quorvane::PictureBox>(form, QString::fromLatin1(pictures[picture]));
            const QImage image = box.grab().toImage().convertToFormat(QImage::Format_RGB888);
            const std::string path =
                std::string(argv[2]) + "/" + std::to_string(row) + "-" + std::to_string(picture) + ".ppm";
            if (!image.save(QString::fromStdString(path), "PPM")) {
                std::cerr << "cannot write " << path << "\n";
                return 1;
            }
        }
        ++row;
    }
    std::cout << row << " rows\n";
    return 0;
}
