#pragma once

#include <QLocale>
#include <QString>

namespace quorvane {

// Ten times a frequency parameter, cut (not rounded) to one decimal, with the
// sign's place kept as a leading space and always a point: 0.265625 -> " 2.6".
QString FrequencyText(double parameter);

// The depth in the shortest form of the given number format, no padding.
QString DepthText(double depth, const QLocale& locale);

// Reads a depth text back with the format that wrote it; 0 if it holds none.
double DepthFromText(const QString& text, const QLocale& locale);

}  // namespace quorvane
