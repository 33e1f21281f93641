// The check every picture reader target runs on its result.
#pragma once

#include "pictures/picture_reader.h"

#include <cstdlib>

namespace ormel {

// Small enough that a fuzz run never allocates hundreds of megabytes for one input.
constexpr std::int64_t kFuzzMaxPixels = 4'000'000;

// Options taken from the input's length, so that both full-size and reduced-scale decoding run.
inline TPictureReadOptions FuzzReadOptions(std::size_t size)
{
    TPictureReadOptions options;
    options.MaxPixels = kFuzzMaxPixels;
    options.MaxLongSide = size % 3 == 0 ? 0 : static_cast<int>(size % 200);
    return options;
}

// A loaded picture has a size within the limit and an alpha plane that fits it; a refused one
// has a message and no pixels.
inline void CheckPictureResult(const TPictureResult& result, const TPictureReadOptions& options)
{
    const TPicture& picture = result.Picture;
    if (!result.Loaded()) {
        if (result.Message.empty() || !picture.Colour.empty() || !picture.Alpha.empty())
            std::abort();
        return;
    }
    const std::int64_t full = std::int64_t(result.FullWidth) * result.FullHeight;
    if (picture.Colour.empty() || full <= 0 || full > options.MaxPixels ||
        std::int64_t(picture.width()) * picture.height() > full)
        std::abort();
    if (!picture.Alpha.empty() && picture.Alpha.size() != std::size_t(picture.width()) * std::size_t(picture.height()))
        std::abort();
    if (picture.Colour.byteCount() != std::size_t(picture.Colour.stride()) * std::size_t(picture.height()))
        std::abort();
}

} // namespace ormel
