#include "library/icon_blocks.h"

#include "library/resource_tables.h"

#include <algorithm>

namespace ormel {

TIconBlockReader::TIconBlockReader(const ByteReader& stream, const TResourceList& icons)
    : stream_(stream), icons_(icons)
{
    byName_.reserve(icons.size());
    for (std::size_t i = 0; i < icons.size(); ++i)
        byName_.emplace(icons[i].Name, i);
}

std::span<const std::uint8_t> TIconBlockReader::find(const TIconFormat& format)
{
    // A resource of length 0 holds no image: the library writer records a format without one
    // that way, at the place where the next resource's data begin.
    const auto found = byName_.find(std::to_string(format.ID));
    if (found == byName_.end() || icons_[found->second].Size == 0 || spent_ >= kBudget)
        return {};
    const std::span<const std::uint8_t> bytes = ResourceBytes(stream_, icons_[found->second]);
    spent_ += bytes.size();
    return bytes;
}

std::span<const std::uint8_t> TIconBlockReader::decode(const TIconFormat& format, TIconImage& image)
{
    return decodeBytes(find(format), format.BitCount, image);
}

std::span<const std::uint8_t> TIconBlockReader::peek(const TIconFormat& format, TIconImage& image)
{
    const std::span<const std::uint8_t> bytes = find(format);
    if (bytes.empty() || !PeekImageData(bytes, format.BitCount, image))
        return decodeBytes(bytes, format.BitCount, image);
    spent_ += std::uint64_t(image.Width) * std::uint64_t(image.Height);
    return bytes;
}

std::span<const std::uint8_t> TIconBlockReader::decodeBytes(std::span<const std::uint8_t> bytes, int declaredBits,
                                                            TIconImage& image)
{
    ByteReader block(bytes);
    if (block.size() == 0)
        return {};
    // A failed attempt costs too: the reader may have unpacked most of an image first.
    image.Width = image.Height = 0;
    const bool decoded = access_.ReadImageData(block, declaredBits, image) == 0;
    spent_ += std::uint64_t(std::max(image.Width, 0)) * std::uint64_t(std::max(image.Height, 0));
    if (!decoded)
        return {};
    return block.all().first(block.position());
}

} // namespace ormel
