#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace quorvane {

// The resource holding the class guide for the first of `uiLanguages`
// ("pt-BR", "de") that has one of its own, else the English guide.
QString guideResourcePath(const QStringList& uiLanguages);

// The class guide's Markdown in the class's language.
QString guideText(const QLocale& locale = QLocale());

}  // namespace quorvane
