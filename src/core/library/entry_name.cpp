#include "library/entry_name.h"

#include <algorithm>

namespace ormel {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length in bytes of the character that starts at `at`: a whole valid UTF-8 sequence, or 1.
std::size_t CharacterLength(std::string_view s, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(s[at]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (at + length > s.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(s[at + i])))
            return 1;
    return length;
}

} // namespace

std::string CutEntryName(std::string_view name)
{
    std::size_t end = 0;
    for (int characters = 0; characters < kMaxEntryNameLength && end < name.size(); ++characters)
        end += CharacterLength(name, end);
    return std::string(name.substr(0, end));
}

bool IsBlankName(std::string_view name)
{
    return std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

} // namespace ormel
