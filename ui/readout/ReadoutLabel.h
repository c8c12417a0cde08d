#pragma once

#include <QLabel>
#include <QLocale>
#include <QString>

#include "app/Controller.h"
#include "plot/PictureReading.h"

namespace quorvane {

// The readout's wording, with the locale's decimal sign and a true minus.
QString TraceReadoutText(const TraceReading& reading, const QLocale& locale);
QString SpectrumReadoutText(const SpectrumReading& reading, const QLocale& locale);

// What `picture` shows, in words with the readout's figures; what the cursor
// says where no peak lies beyond it.
QString PictureDescriptionText(const Controller& controller, Picture picture, float snap, const QLocale& locale);
QString NoFurtherPeakText();

// A small tooltip-like window of its own beside the pointer saying what lies
// under it; it draws nothing into the pictures.
class ReadoutLabel final : public QLabel {
    Q_OBJECT

public:
    ReadoutLabel();

    // Shows the text beside the pointer at `global`, kept on the screen.
    void ShowAt(QPoint global, const QString& text);
};

}  // namespace quorvane
