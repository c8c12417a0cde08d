#pragma once

#include <QLabel>
#include <QLocale>
#include <QString>

#include "app/Controller.h"
#include "plot/PictureReading.h"

namespace quorvane {

// The readout's wording, with the locale's decimal sign and a true minus.
QString traceReadoutText(const TraceReading& reading, const QLocale& locale);
QString spectrumReadoutText(const SpectrumReading& reading, const QLocale& locale);

// What `picture` shows, in words with the readout's figures; what the cursor
// says where no peak lies beyond it.
QString pictureDescriptionText(const Controller& controller, AnyPicture picture, float snap, const QLocale& locale);
QString noFurtherPeakText();

// A small tooltip-like window of its own beside the pointer saying what lies
// under it; it draws nothing into the pictures.
class ReadoutLabel final : public QLabel {
    Q_OBJECT

public:
    ReadoutLabel();

    // Shows the text beside the pointer at `global`, kept on the screen.
    void showAt(QPoint global, const QString& text);
};

}  // namespace quorvane
