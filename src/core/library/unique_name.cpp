#include "library/unique_name.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace ormel {

namespace {

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view name)
{
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldCase);
    return folded;
}

// The value of a non-empty run of decimal digits that fits in 32 bits.
bool ParseNumber(std::string_view text, std::int64_t& value)
{
    if (text.empty() || text.size() > 10)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value <= INT32_MAX;
}

} // namespace

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

std::string NextNameCandidate(const std::string& name)
{
    std::string base = name;
    std::int64_t n = 1;
    const std::size_t open = name.find('(');
    const std::size_t close = name.find(')');
    std::int64_t m = 0;
    if (!name.empty() && name.back() == ')' && open != std::string::npos && open > 0 && close > open &&
        ParseNumber(std::string_view(name).substr(open + 1, close - open - 1), m)) {
        base = name.substr(0, open);
        n = m + 1;
    }
    return base + "(" + std::to_string(n) + ")";
}

void MakeUniqueName(std::vector<TGroupIcon>& groups, std::size_t index)
{
    if (index >= groups.size())
        return;
    std::string& name = groups[index].Name;
    const auto clashes = [&] {
        return std::any_of(groups.begin(), groups.begin() + static_cast<std::ptrdiff_t>(index),
                           [&](const TGroupIcon& other) { return SameNameIgnoringCase(other.Name, name); });
    };
    while (clashes())
        name = NextNameCandidate(name);
}

void MakeNamesUnique(std::vector<TGroupIcon>& groups, std::size_t first)
{
    std::unordered_set<std::string> taken;
    for (std::size_t k = 0; k < groups.size(); ++k) {
        std::string& name = groups[k].Name;
        if (k >= first)
            while (taken.count(Folded(name)) != 0)
                name = NextNameCandidate(name);
        taken.insert(Folded(name));
    }
}

} // namespace ormel
