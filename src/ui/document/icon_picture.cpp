#include "document/icon_picture.h"

#include "files/image_pixels.h"

namespace ormel {

QImage IconImageToPicture(const TIconImage& image)
{
    if (!HasConsistentRasters(image))
        return QImage();
    QImage picture(image.Width, image.Height, QImage::Format_ARGB32);
    for (int y = 0; y < image.Height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const std::uint8_t* colour = image.Bitmap.row(y);
        const std::uint8_t* mask = image.Mask.row(y);
        for (int x = 0; x < image.Width; ++x, colour += 3, mask += 3) {
            std::uint8_t b = 0, g = 0, r = 0;
            PixelColour(image, colour, b, g, r);
            out[x] = qRgba(r, g, b, 255 - mask[0]);
        }
    }
    return picture;
}

} // namespace ormel
