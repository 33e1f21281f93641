#include "library/resource_tables.h"

#include <algorithm>

namespace ormel {

namespace {

constexpr std::size_t kDosHeaderSize = 64;
constexpr std::size_t kNewHeaderOffsetField = 60;

} // namespace

bool ReadNewHeaderOffset(std::span<const std::uint8_t> file, std::uint32_t& offset)
{
    const std::uint8_t* dos = BytesAt(file, 0, kDosHeaderSize);
    if (!dos || dos[0] != 'M' || dos[1] != 'Z')
        return false;
    offset = LoadU32(dos + kNewHeaderOffsetField);
    return true;
}

ExecutableKind DetectExecutable(const ByteReader& stream)
{
    std::uint32_t offset = 0;
    if (!ReadNewHeaderOffset(stream.all(), offset))
        return ExecutableKind::Unknown;
    const std::uint8_t* signature = BytesAt(stream.all(), offset, 4);
    if (!signature)
        return ExecutableKind::Unknown;
    if (signature[0] == 'P' && signature[1] == 'E' && signature[2] == 0 && signature[3] == 0)
        return ExecutableKind::Pe;
    // The linker version and revision bytes after "NE" differ between the tools that write
    // icon libraries; the signature alone identifies the format.
    if (signature[0] == 'N' && signature[1] == 'E')
        return ExecutableKind::Ne;
    return ExecutableKind::Unknown;
}

std::span<const std::uint8_t> ResourceBytes(const ByteReader& stream, const TResourceItem& item)
{
    const std::span<const std::uint8_t> file = stream.all();
    if (item.Offset > file.size())
        return {};
    const std::size_t available = file.size() - item.Offset;
    const std::size_t size = item.Size == 0 ? available : std::min<std::size_t>(item.Size, available);
    return file.subspan(item.Offset, size);
}

} // namespace ormel
