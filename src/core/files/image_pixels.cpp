#include "files/image_pixels.h"

#include "files/png_stream.h"

namespace ormel {

bool HasConsistentRasters(const TIconImage& r)
{
    return r.Width > 0 && r.Height > 0 && r.Bitmap.width() == r.Width && r.Bitmap.height() == r.Height &&
           r.Mask.width() == r.Width && r.Mask.height() == r.Height;
}

bool EncodeImagePng(const TIconImage& image, std::vector<std::uint8_t>& out)
{
    std::vector<std::uint8_t> bgra(static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height) * 4);
    std::uint8_t* d = bgra.data();
    for (int y = 0; y < image.Height; ++y) {
        const std::uint8_t* p = image.Bitmap.row(y);
        const std::uint8_t* m = image.Mask.row(y);
        for (int x = 0; x < image.Width; ++x, p += 3, m += 3, d += 4) {
            PixelColour(image, p, d[0], d[1], d[2]);
            d[3] = static_cast<std::uint8_t>(255 - m[0]);
        }
    }
    return EncodePngRgba(image.Width, image.Height, bgra.data(), out);
}

} // namespace ormel
