#include "library/thumbnail.h"

namespace ormel {

int ChooseThumbnailFormat(const std::vector<TIconFormat>& formats)
{
    const int count = static_cast<int>(formats.size());
    if (count <= 1)
        return count - 1;

    const auto find = [&](auto&& fits) {
        for (int i = 0; i < count; ++i)
            if (fits(formats[static_cast<std::size_t>(i)]))
                return i;
        return -1;
    };
    int firstChoice = find([](const TIconFormat& f) { return f.Width == kThumbnailSize && f.Height == kThumbnailSize; });
    if (firstChoice < 0)
        firstChoice = find([](const TIconFormat& f) { return f.Width > kThumbnailSize || f.Height > kThumbnailSize; });
    if (firstChoice < 0)
        firstChoice = find([](const TIconFormat& f) { return f.Width >= 24 || f.Height >= 24; });
    int targetWidth = kThumbnailSize, targetHeight = kThumbnailSize;
    if (firstChoice >= 0) {
        targetWidth = formats[static_cast<std::size_t>(firstChoice)].Width;
        targetHeight = formats[static_cast<std::size_t>(firstChoice)].Height;
    } else {
        firstChoice = 0;
    }

    // Among the formats of the target size: the first of 32 bits, else the last of 24, 8, 4.
    int first32 = -1, last24 = -1, last8 = -1, last4 = -1;
    for (int i = count - 1; i >= 0; --i) {
        const TIconFormat& f = formats[static_cast<std::size_t>(i)];
        if (f.Width != targetWidth || f.Height != targetHeight)
            continue;
        if (f.BitCount == 32)
            first32 = i;
        else if (f.BitCount == 24 && last24 < 0)
            last24 = i;
        else if (f.BitCount == 8 && last8 < 0)
            last8 = i;
        else if (f.BitCount == 4 && last4 < 0)
            last4 = i;
    }
    for (int choice : {first32, last24, last8, last4})
        if (choice >= 0)
            return choice;
    return firstChoice;
}

} // namespace ormel
