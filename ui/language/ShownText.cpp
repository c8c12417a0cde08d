#include "ui/language/ShownText.h"

#include <QByteArray>
#include <QCoreApplication>

namespace quorvane {

QString translated(const char* context, std::string_view text)
{
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData());
}

QString shownText(std::string_view key)
{
    return translated(kWindowContext, key);
}

}  // namespace quorvane
