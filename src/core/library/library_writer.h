#pragma once

#include "library/icon_library.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ormel {

// Lays the library out as a 16-bit NE icon library: one group icon resource per entry, one
// icon resource per format (its image from the format's snapshot file or resource bytes), and
// the names area "ICL", name, name, ... that the reader takes the entry names from. Every
// resource starts at a multiple of TIconLibrary::AlignSize and the file ends at one. Renumbers
// every format's ID and records the resource records' positions. Returns 0, or -1 with
// LastMessage set when an image cannot be read or the library is too large for the format.
int EncodeLibraryFile(TIconLibrary& library, std::vector<std::uint8_t>& out);

// Encodes the library and writes it over `path` through a temporary file beside it; on
// success clears Modified and returns 0. On failure returns -1 with LastMessage set and
// leaves the file and Modified as they were.
int WriteLibraryFile(TIconLibrary& library, const std::string& path);

} // namespace ormel
