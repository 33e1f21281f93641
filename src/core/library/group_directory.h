#pragma once

#include "files/byte_stream.h"
#include "library/icon_library.h"

#include <cstddef>
#include <vector>

namespace ormel {

// The most entries, and the most images in all, that an icon library can hold (its resource
// counts are 16 bits). Reading stops there, so that a small hostile file that points many
// resources at the same bytes cannot make the reader build millions of entries.
constexpr std::size_t kMaxLibraryEntries = 65535;
constexpr std::size_t kMaxLibraryFormats = 65535;

// Appends one entry per group icon resource, named "Orm Icon1", "Orm Icon2", ... by its place
// in `list`, with the formats its group directory lists (directory values: a size of 0 means
// 256). A directory that is not an icon directory gives an entry without formats; one cut short
// keeps the formats before the cut. Then makes every name unique.
void ReadGroupDirectories(const ByteReader& stream, const TResourceList& list, std::vector<TGroupIcon>& groups);

// Names the entries from a single names resource: length-prefixed strings "ICL", name, name, ...
// Taken only when the first string is "ICL" and there is a name for every entry.
void ReadEntryNames(const ByteReader& stream, const TResourceList& list, std::vector<TGroupIcon>& groups);

} // namespace ormel
