#pragma once

#include "files/byte_stream.h"
#include "library/icon_library.h"

#include <cstdint>
#include <span>

namespace ormel {

// Resource type numbers.
constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
// The names of an icon library's entries: "ICL" and then one name per entry.
constexpr std::uint32_t kRtEntryNames = 301;

// The `count` bytes at `offset` of the file, or nullptr when they do not all lie inside it.
inline const std::uint8_t* BytesAt(std::span<const std::uint8_t> file, std::uint64_t offset, std::uint64_t count)
{
    if (offset > file.size() || count > file.size() - offset)
        return nullptr;
    return file.data() + offset;
}

// e_lfanew of a file that starts with an "MZ" header, or false.
bool ReadNewHeaderOffset(std::span<const std::uint8_t> file, std::uint32_t& offset);

enum class ExecutableKind { Unknown, Pe, Ne };

// Tells a PE file from an NE file by the signature at e_lfanew ("PE" and two zero bytes, or
// "NE" whatever follows it).
ExecutableKind DetectExecutable(const ByteReader& stream);

// True for a PE file whose machine is Intel 386, x86-64 or ARM64.
bool IsReadablePe(const ByteReader& stream);
// True for an NE file made for Windows.
bool IsWindowsNe(const ByteReader& stream);

// Append one item per resource of `type` in the file's resource table. A table that is cut
// short, points outside the file or loops back into itself gives the items read before.
void FindPeResources(const ByteReader& stream, std::uint32_t type, TResourceList& list);
void FindNeResources(const ByteReader& stream, std::uint32_t type, TResourceList& list);

// Offset of the NE resource name strings (right after the table's closing zero type), or 0
// when the table is cut short.
std::uint32_t FindNeNameStrings(const ByteReader& stream);

// The bytes of a resource that lie inside the file: from Offset for Size bytes, or to the end
// of the file when Size is 0.
std::span<const std::uint8_t> ResourceBytes(const ByteReader& stream, const TResourceItem& item);

} // namespace ormel
