#pragma once

#include "files/byte_stream.h"
#include "files/file_access.h"
#include "library/icon_library.h"

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>

namespace ormel {

// Decodes the icon resources that the formats of a library's entries refer to by number.
//
// A small file can point any number of formats at one resource, and a small PNG can unpack to
// a large image, so the reader keeps a budget: the pixels it has decoded plus the bytes it has
// read, up to about a thousand 256 x 256 images. Once that is spent, further images are not
// decoded. Real libraries stay well below it.
class TIconBlockReader {
public:
    static constexpr std::uint64_t kBudget = std::uint64_t(1) << 26;

    TIconBlockReader(const ByteReader& stream, const TResourceList& icons);

    // The bytes of the icon resource of `format` that lie in the file, charged to the budget:
    // empty when the file has no such resource, it has length 0, or the budget is spent.
    std::span<const std::uint8_t> find(const TIconFormat& format);

    // Decodes the icon resource of `format` into `image`, with the format's BitCount as the
    // declared bit count. Returns the bytes the image was read from: empty when there is no such
    // resource, it does not decode, or the budget is spent.
    std::span<const std::uint8_t> decode(const TIconFormat& format, TIconImage& image);

    // Like decode, but an image whose size and depth its header tells (PeekImageData) is not
    // decoded: `image` gets only those, its rasters stay empty, and its pixels are charged to
    // the budget as if decoded. Returns the whole resource then.
    std::span<const std::uint8_t> peek(const TIconFormat& format, TIconImage& image);

private:
    std::span<const std::uint8_t> decodeBytes(std::span<const std::uint8_t> bytes, int declaredBits, TIconImage& image);

    const ByteReader& stream_;
    const TResourceList& icons_;
    // The first resource of each name.
    std::unordered_map<std::string, std::size_t> byName_;
    std::uint64_t spent_ = 0;
    TIconFileAccess access_;
};

} // namespace ormel
