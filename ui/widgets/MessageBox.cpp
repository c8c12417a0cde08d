#include "ui/widgets/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/window/Utf8.h"

namespace quorvane {

void showMessage(std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), toQString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace quorvane
