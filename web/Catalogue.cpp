#include "web/Catalogue.h"

namespace quorvane::web {
namespace {

// Contexts and source texts hold no control characters.
std::string KeyOf(std::string_view context, std::string_view source)
{
    std::string key(context);
    key += '\x1f';
    key += source;
    return key;
}

}  // namespace

void Catalogue::Add(std::string_view context, std::string_view source, std::string_view translation)
{
    if (!translation.empty())
        texts_[KeyOf(context, source)] = translation;
}

std::string_view Catalogue::Translate(std::string_view context, std::string_view source) const
{
    if (source.empty())
        return source;
    const auto found = texts_.find(KeyOf(context, source));
    return found == texts_.end() ? source : std::string_view(found->second);
}

}  // namespace quorvane::web
