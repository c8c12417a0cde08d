#pragma once

#include <string>

namespace quorvane::testing {

// Names a parameterised case after its `name` field, brackets dropped since
// case names take letters, digits and underscores only.
struct CaseName {
    template <typename Info>
    std::string operator()(const Info& info) const
    {
        std::string name = info.param.name;
        std::erase(name, '(');
        std::erase(name, ')');
        return name;
    }
};

}  // namespace quorvane::testing
