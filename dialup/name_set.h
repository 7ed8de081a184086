#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace zrt {

// Entry names, found by std::string_view as well.
using NameSet = std::set<std::string, std::less<>>;

// Those of `names` that `wanted` holds, in the order given.
inline std::vector<std::string> namesAmong(const std::vector<std::string>& names, const NameSet& wanted)
{
    std::vector<std::string> found;
    if (wanted.empty())
        return found;
    for (const std::string& name : names) {
        if (wanted.contains(name))
            found.push_back(name);
    }
    return found;
}

} // namespace zrt
