#include "ui/language/Language.h"

#include <QCoreApplication>
#include <QStringLiteral>
#include <QTranslator>

namespace quorvane {
namespace {

// Both catalogues live in the program's own resources, beside each other.
constexpr auto kCatalogues = QLatin1StringView(":/i18n");

// The variables the C library takes its number format from, strongest first.
QString numericLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return {};
}

}  // namespace

QLocale numberLocale(const QLocale& spoken, const QString& numeric)
{
    // "de_AT.UTF-8@euro": QLocale knows the language and territory only.
    const QLocale system(numeric.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0));
    return system.language() == spoken.language() ? system : spoken;
}

void setFontLanguage()
{
    if (qEnvironmentVariableIsSet("FC_LANG"))
        return;
    const QLocale system = QLocale::system();
    const QString tag = system.language() == QLocale::C
                            ? QStringLiteral("en")
                            : system.name().replace(QLatin1Char('_'), QLatin1Char('-'));
    qputenv("FC_LANG", tag.toLatin1());
}

void loadLanguage(QCoreApplication& app, const QLocale& system)
{
    auto* own = new QTranslator(&app);
    if (!own->load(system, QStringLiteral("quorvane"), QStringLiteral("_"), kCatalogues)) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load(system, QStringLiteral("qtbase"), QStringLiteral("_"), kCatalogues))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // Qt takes the names from LANGUAGE but the numbers from LANG, so that
    // LANGUAGE=de with LANG=C would show German words with "5.1".
    QLocale::setDefault(numberLocale(QLocale(own->language()), numericLocaleName()));
}

}  // namespace quorvane
