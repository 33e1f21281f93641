#pragma once

#include <string>
#include <string_view>

namespace ormel {

// An icon library file keeps at most this many characters of an entry's name.
constexpr int kMaxEntryNameLength = 32;

// The first kMaxEntryNameLength characters of a name. Names are UTF-8; a byte that does not
// begin a valid sequence counts as one character, so the result never exceeds 128 bytes and a
// character is never split.
std::string CutEntryName(std::string_view name);

// True when the name holds nothing but spaces and control characters.
bool IsBlankName(std::string_view name);

} // namespace ormel
