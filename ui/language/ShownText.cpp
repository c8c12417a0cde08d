#include "ui/language/ShownText.h"

#include <QByteArray>
#include <QCoreApplication>

namespace quorvane {

QString Translated(const char* context, std::string_view text)
{
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData());
}

QString ShownText(std::string_view key)
{
    return Translated(kWindowContext, key);
}

}  // namespace quorvane
