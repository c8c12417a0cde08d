#pragma once

#include <QLabel>
#include <QLocale>
#include <QString>

#include "plot/Readout.h"

namespace quorvane {

// The readout's wording, with the locale's decimal sign and a true minus.
QString TraceReadoutText(const TraceReading& reading, const QLocale& locale);
QString SpectrumReadoutText(const SpectrumReading& reading, const QLocale& locale);

// A small tooltip-like window of its own beside the pointer saying what lies
// under it; it draws nothing into the pictures.
class Readout final : public QLabel {
    Q_OBJECT

public:
    Readout();

    // Shows the text beside the pointer at `global`, kept on the screen.
    void ShowAt(QPoint global, const QString& text);
};

}  // namespace quorvane
