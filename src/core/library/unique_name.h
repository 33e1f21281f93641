#pragma once

#include "library/icon_library.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ormel {

// Entry names compare with ASCII letters folded to lower case.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// The name tried after `name` clashed with another: Star becomes Star(1), Star(2) becomes
// Star(3), (7) becomes (7)(1).
std::string NextNameCandidate(const std::string& name);

// Renames entry `index` until its name differs from the names of all earlier entries.
void MakeUniqueName(std::vector<TGroupIcon>& groups, std::size_t index);

// MakeUniqueName for every entry from `first` to the last, in order, in time linear in the
// number of entries.
void MakeNamesUnique(std::vector<TGroupIcon>& groups, std::size_t first = 0);

} // namespace ormel
