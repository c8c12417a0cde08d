#pragma once

#include <string>

namespace quorvane::testing {

// Names a parameterised case after its `name` field.
struct CaseName {
    template <typename Info>
    std::string operator()(const Info& info) const
    {
        return info.param.name;
    }
};

}  // namespace quorvane::testing
