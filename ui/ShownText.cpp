#include "ui/ShownText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>
#include <array>

#include "engine/ControlTexts.h"

namespace quorvane {
namespace {

// The engine's keys spelled out where lupdate can read them; the assertion
// keeps the two lists one.
constexpr std::array<std::string_view, 10> kEngineKeys{
    QT_TRANSLATE_NOOP("Form1", "Sine Wave"),
    QT_TRANSLATE_NOOP("Form1", "White Noise"),
    QT_TRANSLATE_NOOP("Form1", "Filtered Noise"),
    QT_TRANSLATE_NOOP("Form1", "Square Wave"),
    QT_TRANSLATE_NOOP("Form1", "DSB-SC"),
    QT_TRANSLATE_NOOP("Form1", "AM"),
    QT_TRANSLATE_NOOP("Form1", "FM"),
    QT_TRANSLATE_NOOP("Form1", "PM"),
    QT_TRANSLATE_NOOP("Form1", "Pause"),
    QT_TRANSLATE_NOOP("Form1", "Cont"),
};

constexpr bool SameKeys()
{
    std::array<std::string_view, 10> engine{};
    auto end = std::copy(kMessageTypes.begin(), kMessageTypes.end(), engine.begin());
    end = std::copy(kSchemes.begin(), kSchemes.end(), end);
    *end++ = kRunningCaption;
    *end = kPausedCaption;
    return engine == kEngineKeys;
}
static_assert(SameKeys());

}  // namespace

QString Translated(const char* context, std::string_view text)
{
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData());
}

QString ShownText(std::string_view key)
{
    return Translated(kFormContext, key);
}

}  // namespace quorvane
