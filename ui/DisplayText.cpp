#include "ui/DisplayText.h"

#include <cmath>

namespace quorvane {
namespace {

// 100 x 10.2 comes out a hair below 1020 in binary, which would show 102 Hz
// as 101.9. The allowance, a millionth of a tenth, is far below anything the
// cut is meant to drop (the finest step of the message frequency is 1/64).
constexpr double kCutAllowance = 1e-6;

}  // namespace

double ShownFrequency(double parameter)
{
    return std::floor(100.0 * parameter + kCutAllowance) / 10.0;
}

QString FrequencyText(double parameter, const QLocale& locale)
{
    const double shown = ShownFrequency(parameter);
    QString number = locale.toString(shown, 'f', 1);
    if (number.endsWith(locale.decimalPoint() + QLatin1Char('0')))
        number.chop(2);
    return shown < 0.0 ? number : QLatin1Char(' ') + number;
}

QString DepthText(double depth, const QLocale& locale)
{
    return locale.toString(depth, 'g', QLocale::FloatingPointShortest);
}

double DepthFromText(const QString& text, const QLocale& locale)
{
    return locale.toDouble(text);
}

}  // namespace quorvane
