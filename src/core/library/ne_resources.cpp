#include "library/resource_tables.h"

#include <string>

namespace ormel {

namespace {

constexpr std::size_t kNeHeaderSize = 64;
constexpr std::size_t kResourceTableField = 36;
constexpr std::size_t kTargetSystemField = 54;
constexpr std::uint8_t kTargetWindows = 2;
constexpr std::size_t kResourceRecordSize = 12;

// The NE header, or nullptr when the file has none.
const std::uint8_t* NeHeader(std::span<const std::uint8_t> file)
{
    std::uint32_t offset = 0;
    if (!ReadNewHeaderOffset(file, offset))
        return nullptr;
    const std::uint8_t* header = BytesAt(file, offset, kNeHeaderSize);
    return header && header[0] == 'N' && header[1] == 'E' ? header : nullptr;
}

// Reads the resource table's type records one by one. Every step moves forward through the
// file, so the walk ends at the latest at the end of the file.
class TypeWalk {
public:
    explicit TypeWalk(std::span<const std::uint8_t> file) : stream_(file)
    {
        const std::uint8_t* header = NeHeader(file);
        std::uint16_t shift = 0;
        ok_ = header && stream_.seek(static_cast<std::size_t>(header - file.data()) + LoadU16(header + kResourceTableField)) &&
              stream_.readU16(shift);
        // Two to the power of the shift, held in 16 bits as the format has it.
        alignSize_ = shift < 16 ? std::uint32_t(1) << shift : 0;
    }

    // The next type record; false at the closing zero type or when the table is cut short.
    bool next(std::uint16_t& type, std::uint16_t& count)
    {
        if (!ok_)
            return false;
        ok_ = stream_.readU16(type);
        if (ok_ && type == 0) {
            atEnd_ = true;
            ok_ = false;
        }
        if (!ok_)
            return false;
        ok_ = stream_.readU16(count) && stream_.skip(4);
        return ok_;
    }
    void skipResources(std::uint16_t count) { ok_ = stream_.skip(std::size_t(count) * kResourceRecordSize); }

    // After next() returned false: whether the closing zero type was reached.
    bool atEnd() const { return atEnd_; }
    ByteReader& stream() { return stream_; }
    std::uint32_t alignSize() const { return alignSize_; }

private:
    ByteReader stream_;
    std::uint32_t alignSize_ = 0;
    bool ok_ = false;
    bool atEnd_ = false;
};

} // namespace

bool IsWindowsNe(const ByteReader& stream)
{
    const std::uint8_t* header = NeHeader(stream.all());
    return header && header[kTargetSystemField] == kTargetWindows;
}

void FindNeResources(const ByteReader& stream, std::uint32_t type, TResourceList& list)
{
    TypeWalk walk(stream.all());
    std::uint16_t recordType = 0, count = 0;
    while (walk.next(recordType, count)) {
        if ((recordType & 0x7FFFu) != type) {
            walk.skipResources(count);
            continue;
        }
        for (std::uint16_t i = 0; i < count; ++i) {
            std::span<const std::uint8_t> record;
            if (!walk.stream().take(kResourceRecordSize, record))
                return;
            TResourceItem item;
            item.Name = std::to_string(LoadU16(record.data() + 6) & 0x7FFF);
            item.Offset = LoadU16(record.data()) * walk.alignSize();
            item.Size = LoadU16(record.data() + 2) * walk.alignSize();
            list.push_back(std::move(item));
        }
        return;
    }
}

std::uint32_t FindNeNameStrings(const ByteReader& stream)
{
    TypeWalk walk(stream.all());
    std::uint16_t type = 0, count = 0;
    while (walk.next(type, count))
        walk.skipResources(count);
    return walk.atEnd() ? static_cast<std::uint32_t>(walk.stream().position()) : 0;
}

} // namespace ormel
