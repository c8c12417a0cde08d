#pragma once

#include <map>
#include <string>
#include <string_view>

namespace quorvane::web {

// The page's language as the core sees it: the catalogue's translations, by
// lupdate's context and source text, as the page hands them over.
class Catalogue {
public:
    void Clear() { texts_.clear(); }
    void Add(std::string_view context, std::string_view source, std::string_view translation);
    // The translation of `source`, or `source` itself where there is none.
    std::string_view Translate(std::string_view context, std::string_view source) const;

private:
    std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace quorvane::web
