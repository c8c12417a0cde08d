#include "ui/guide/GuideWindow.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QUrl>

#include "ui/guide/GuideResource.h"

namespace quorvane {
namespace {

constexpr auto kSetUpScheme = QLatin1StringView("setup");

}  // namespace

GuideWindow::GuideWindow() : designFont_(font())
{
    setObjectName(QStringLiteral("guide"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QCoreApplication::translate("GuideWindow", "Quorvane: class guide"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Closing the main window ends the program, the guide open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Links in the guide drive the window; nothing is opened or fetched.
    setOpenLinks(false);
    setMarkdown(guideText());
    connect(this, &QTextBrowser::anchorClicked, this, &GuideWindow::followLink);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::hide);
}

void GuideWindow::setZoom(double factor)
{
    QFont zoomed = designFont_;
    zoomed.setPointSizeF(designFont_.pointSizeF() * factor);
    setFont(zoomed);
}

void GuideWindow::hideEvent(QHideEvent* event)
{
    QTextBrowser::hideEvent(event);
    emit hidden();
}

void GuideWindow::followLink(const QUrl& link)
{
    if (link.scheme() != kSetUpScheme)
        return;
    bool number = false;
    const int experiment = link.path().toInt(&number);
    if (number)
        emit setUpRequested(experiment);
}

}  // namespace quorvane
