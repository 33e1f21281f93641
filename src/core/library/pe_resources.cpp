#include "library/resource_tables.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace ormel {

namespace {

constexpr std::size_t kFileHeaderSize = 20;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kDirectoryEntrySize = 8;
constexpr std::size_t kDataEntrySize = 16;
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kMaxNameUnits = 256;

constexpr std::uint16_t kMachineI386 = 0x014C;
constexpr std::uint16_t kMachineAmd64 = 0x8664;
constexpr std::uint16_t kMachineArm64 = 0xAA64;

struct PeHeaders {
    std::uint16_t machine = 0;
    std::uint16_t sectionCount = 0;
    // The section table follows the optional header, whose size the file header gives
    // (224 bytes for 32-bit files, 240 for 64-bit ones).
    std::uint64_t sectionTable = 0;
};

bool ReadPeHeaders(std::span<const std::uint8_t> file, PeHeaders& pe)
{
    std::uint32_t offset = 0;
    if (!ReadNewHeaderOffset(file, offset))
        return false;
    const std::uint8_t* p = BytesAt(file, offset, 4 + kFileHeaderSize);
    if (!p || std::memcmp(p, "PE\0\0", 4) != 0)
        return false;
    pe.machine = LoadU16(p + 4);
    pe.sectionCount = LoadU16(p + 6);
    pe.sectionTable = std::uint64_t(offset) + 4 + kFileHeaderSize + LoadU16(p + 20);
    return true;
}

struct ResourceSection {
    std::uint32_t raw = 0;     // PointerToRawData
    std::uint32_t virtualAddress = 0;
};

bool FindResourceSection(std::span<const std::uint8_t> file, const PeHeaders& pe, ResourceSection& section)
{
    for (std::uint32_t i = 0; i < pe.sectionCount; ++i) {
        const std::uint8_t* header = BytesAt(file, pe.sectionTable + std::uint64_t(i) * kSectionHeaderSize, kSectionHeaderSize);
        if (!header)
            return false;
        const auto* name = reinterpret_cast<const char*>(header);
        if (std::string(name, strnlen(name, 8)) == ".rsrc") {
            section.virtualAddress = LoadU32(header + 12);
            section.raw = LoadU32(header + 20);
            return true;
        }
    }
    return false;
}

// The entries of the resource directory at `offset` that lie inside the file.
std::span<const std::uint8_t> DirectoryEntries(std::span<const std::uint8_t> file, std::uint64_t offset)
{
    const std::uint8_t* header = BytesAt(file, offset, kDirectoryHeaderSize);
    if (!header)
        return {};
    const std::size_t count = std::size_t(LoadU16(header + 12)) + LoadU16(header + 14);
    const std::size_t start = static_cast<std::size_t>(offset) + kDirectoryHeaderSize;
    const std::size_t fit = (file.size() - start) / kDirectoryEntrySize;
    return file.subspan(start, std::min(count, fit) * kDirectoryEntrySize);
}

void AppendUtf8(std::string& out, std::uint32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A counted UTF-16 resource name as UTF-8: at most 256 code units, and only those inside the
// file; an unpaired surrogate becomes U+FFFD.
std::string ResourceName(std::span<const std::uint8_t> file, std::uint64_t offset)
{
    const std::uint8_t* p = BytesAt(file, offset, 2);
    if (!p)
        return {};
    const std::size_t available = (file.size() - static_cast<std::size_t>(offset) - 2) / 2;
    const std::size_t count = std::min({std::size_t(LoadU16(p)), kMaxNameUnits, available});
    std::string name;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t c = LoadU16(p + 2 + 2 * i);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < count) {
            const std::uint32_t low = LoadU16(p + 4 + 2 * i);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        AppendUtf8(name, c >= 0xD800 && c < 0xE000 ? 0xFFFD : c);
    }
    return name;
}

} // namespace

bool IsReadablePe(const ByteReader& stream)
{
    PeHeaders pe;
    return ReadPeHeaders(stream.all(), pe) &&
           (pe.machine == kMachineI386 || pe.machine == kMachineAmd64 || pe.machine == kMachineArm64);
}

// Resource directories are three levels deep: type, name, language. Each level is read once,
// an entry must point to a directory or to data as its level demands, and no directory may
// point back to the root or to its parent, so no table can make the walk go round in circles.
void FindPeResources(const ByteReader& stream, std::uint32_t type, TResourceList& list)
{
    const std::span<const std::uint8_t> file = stream.all();
    PeHeaders pe;
    ResourceSection section;
    if (!ReadPeHeaders(file, pe) || !FindResourceSection(file, pe, section))
        return;
    const std::uint64_t root = section.raw;

    std::uint32_t nameLevel = 0;
    const std::span<const std::uint8_t> types = DirectoryEntries(file, root);
    for (std::size_t i = 0; i < types.size(); i += kDirectoryEntrySize)
        if (LoadU32(types.data() + i) == type) {
            nameLevel = LoadU32(types.data() + i + 4);
            break;
        }
    if ((nameLevel & kHighBit) == 0 || (nameLevel & ~kHighBit) == 0)
        return;
    nameLevel &= ~kHighBit;

    const std::span<const std::uint8_t> names = DirectoryEntries(file, root + nameLevel);
    for (std::size_t i = 0; i < names.size(); i += kDirectoryEntrySize) {
        const std::uint32_t name = LoadU32(names.data() + i);
        const std::uint32_t languageLevel = LoadU32(names.data() + i + 4);
        const std::uint32_t languageOffset = languageLevel & ~kHighBit;
        if ((languageLevel & kHighBit) == 0 || languageOffset == 0 || languageOffset == nameLevel)
            continue;
        const std::span<const std::uint8_t> languages = DirectoryEntries(file, root + languageOffset);
        if (languages.empty())
            continue;
        const std::uint32_t dataEntry = LoadU32(languages.data() + 4);
        const std::uint8_t* data = (dataEntry & kHighBit) ? nullptr : BytesAt(file, root + dataEntry, kDataEntrySize);
        if (!data)
            continue;
        const std::uint32_t rva = LoadU32(data);
        if (rva < section.virtualAddress)
            continue;
        const std::uint64_t offset = std::uint64_t(rva - section.virtualAddress) + section.raw;
        if (offset > file.size())
            continue;

        TResourceItem item;
        item.Name = (name & kHighBit) ? ResourceName(file, root + (name & ~kHighBit)) : std::to_string(name);
        item.Offset = static_cast<std::uint32_t>(offset);
        item.Size = LoadU32(data + 4);
        list.push_back(std::move(item));
    }
}

} // namespace ormel
