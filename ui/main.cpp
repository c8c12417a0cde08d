#include <QApplication>

#include "engine/nrFFT.h"
#include "ui/Form1.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"

int main(int argc, char* argv[])
{
    quorvane::SetFontLanguage();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
    quorvane::LoadLanguage(app);
    nrFFT::SetMessageHook(&quorvane::ShowMessage);

    quorvane::Form1 form;
    form.show();
    return QApplication::exec();
}
