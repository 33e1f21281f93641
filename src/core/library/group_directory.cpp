#include "library/group_directory.h"

#include "library/resource_tables.h"
#include "library/unique_name.h"

#include <string>

namespace ormel {

namespace {

constexpr std::size_t kGroupEntrySize = 14;

std::size_t FormatCount(const std::vector<TGroupIcon>& groups)
{
    std::size_t count = 0;
    for (const TGroupIcon& group : groups)
        count += group.Formats.size();
    return count;
}

bool IsValidUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t length = 0;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        if (length == 0 || i + length > s.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// Names are kept as UTF-8. Libraries written by older tools hold 8-bit Windows text; bytes that
// are not UTF-8 are taken as Latin-1.
std::string NameText(std::span<const std::uint8_t> bytes)
{
    std::string text(bytes.begin(), bytes.end());
    if (IsValidUtf8(text))
        return text;
    std::string converted;
    for (std::uint8_t b : bytes) {
        if (b < 0x80) {
            converted += static_cast<char>(b);
        } else {
            converted += static_cast<char>(0xC0 | (b >> 6));
            converted += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return converted;
}

} // namespace

void ReadGroupDirectories(const ByteReader& stream, const TResourceList& list, std::vector<TGroupIcon>& groups)
{
    std::size_t formats = FormatCount(groups);
    for (std::size_t i = 0; i < list.size() && groups.size() < kMaxLibraryEntries; ++i) {
        TGroupIcon entry;
        entry.Name = "Orm Icon" + std::to_string(i + 1);
        ByteReader directory(ResourceBytes(stream, list[i]));
        std::uint16_t reserved = 0, type = 0, count = 0;
        if (directory.readU16(reserved) && directory.readU16(type) && directory.readU16(count) && reserved == 0 &&
            type == 1) {
            for (std::uint16_t k = 0; k < count && formats < kMaxLibraryFormats; ++k) {
                std::span<const std::uint8_t> record;
                if (!directory.take(kGroupEntrySize, record))
                    break;
                TIconFormat format;
                format.Width = record[0];
                format.Height = record[1];
                format.BitCount = LoadU16(record.data() + 6);
                format.ID = LoadU16(record.data() + 12);
                entry.Formats.push_back(std::move(format));
                ++formats;
            }
            entry.Count = static_cast<std::int32_t>(entry.Formats.size());
        }
        groups.push_back(std::move(entry));
    }
    MakeNamesUnique(groups);
}

void ReadEntryNames(const ByteReader& stream, const TResourceList& list, std::vector<TGroupIcon>& groups)
{
    if (list.size() != 1)
        return;
    const TResourceItem& item = list.front();
    ByteReader names(stream.all());
    if (!names.seek(item.Offset))
        return;
    const std::uint64_t end = std::uint64_t(item.Offset) + item.Size;
    // "ICL" and one name per entry are all that can be used.
    std::vector<std::string> strings;
    while (strings.size() <= groups.size()) {
        if (item.Size > 0 && names.position() >= end)
            break;
        std::uint8_t length = 0;
        std::span<const std::uint8_t> text;
        if (!names.readU8(length) || length == 0 || !names.take(length, text))
            break;
        strings.push_back(strings.empty() ? std::string(text.begin(), text.end()) : NameText(text));
    }
    if (strings.size() < 2 || strings.front() != "ICL" || strings.size() - 1 < groups.size())
        return;
    for (std::size_t k = 0; k < groups.size(); ++k)
        groups[k].Name = std::move(strings[k + 1]);
}

} // namespace ormel
