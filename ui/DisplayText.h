#pragma once

#include <QLocale>
#include <QString>

namespace quorvane {

// Ten times a frequency parameter, cut (not rounded) to one decimal, with the
// sign's place kept as a leading space and the locale's decimal separator:
// 0.265625 -> " 2.6" in C, " 2,6" in German.
QString FrequencyText(double parameter, const QLocale& locale = QLocale::c());

// The number FrequencyText shows: ten times the parameter, cut to one decimal.
double ShownFrequency(double parameter);

// The depth in the shortest form of the given number format, no padding.
QString DepthText(double depth, const QLocale& locale);

// Reads a depth text back with the format that wrote it; 0 if it holds none.
double DepthFromText(const QString& text, const QLocale& locale);

}  // namespace quorvane
