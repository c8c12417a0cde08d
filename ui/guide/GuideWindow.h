#pragma once

#include <QFont>
#include <QTextBrowser>

class QUrl;

namespace quorvane {

// The class guide in a window of its own beside the main window. It opens
// without taking the keyboard from the main window; Escape closes it.
class GuideWindow final : public QTextBrowser {
    Q_OBJECT

public:
    GuideWindow();

    // The text grows with the main window's magnification.
    void setZoom(double factor);

signals:
    // A "Set up" link under experiment `number` was followed.
    void setUpRequested(int number);
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void followLink(const QUrl& link);

    QFont designFont_;
};

}  // namespace quorvane
