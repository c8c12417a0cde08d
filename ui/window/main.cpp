#include <QApplication>
#include <QCoreApplication>
#include <QIcon>

#include "engine/nrFFT.h"
#include "ui/window/CommandLine.h"
#include "ui/window/MainWindow.h"
#include "ui/language/Language.h"
#include "ui/widgets/MessageBox.h"

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    {
        // A core application reads the arguments without opening a display.
        const QCoreApplication cli(argc, argv);
        const quorvane::CommandLine command = quorvane::parseCommandLine(QCoreApplication::arguments());
        if (command.outcome == quorvane::CommandLine::Outcome::exit)
            return command.exitCode;
    }

    quorvane::setFontLanguage();
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
    // Task bars that do not read the desktop entry take the icon from the window.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/quorvane.png").arg(size));
    QApplication::setWindowIcon(icon);
    quorvane::loadLanguage(app);
    nrFFT::SetMessageHook(&quorvane::showMessage);

    quorvane::MainWindow window;
    window.show();
    return QApplication::exec();
}
