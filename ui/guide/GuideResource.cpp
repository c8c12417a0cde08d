#include "ui/guide/GuideResource.h"

#include <QFile>

namespace quorvane {
namespace {

// The guides are compiled in from docs/, as guide.md and guide_<language>.md.
constexpr auto kEnglishGuide = QLatin1StringView(":/guide/guide.md");

}  // namespace

QString guideResourcePath(const QStringList& uiLanguages)
{
    for (QString language : uiLanguages) {
        // Qt writes "pt-BR" and "zh-Hans-CN"; the files are guide_pt_BR.md and guide_zh_CN.md.
        const QString path =
            QStringLiteral(":/guide/guide_%1.md").arg(language.replace(QLatin1Char('-'), QLatin1Char('_')));
        if (QFile::exists(path))
            return path;
    }
    return kEnglishGuide;
}

QString guideText(const QLocale& locale)
{
    QFile file(guideResourcePath(locale.uiLanguages()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace quorvane
