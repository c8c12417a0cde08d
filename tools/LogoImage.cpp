// Writes the desktop's logo as the page shows it, drawn by the desktop's own
// code at four pixels to one, enough for the page's largest zoom step:
//   logo_image web/logo.png
#include <QApplication>
#include <QPixmap>

#include "ui/widgets/Logo.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    // Qt's default offscreen screen will do: the logo's text is sized in pixels.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return quorvane::drawLogo(4.0).toImage().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
