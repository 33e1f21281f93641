#include "document/icon_picture.h"

namespace ormel {

QImage IconImageToPicture(const TIconImage& image)
{
    const int width = image.Width;
    const int height = image.Height;
    if (width <= 0 || height <= 0 || image.Bitmap.width() != width || image.Bitmap.height() != height ||
        image.Mask.width() != width || image.Mask.height() != height)
        return QImage();

    const bool indexed = IsIndexedDepth(image.ColorDepth);
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const std::uint8_t* colour = image.Bitmap.row(y);
        const std::uint8_t* mask = image.Mask.row(y);
        for (int x = 0; x < width; ++x, colour += 3, mask += 3) {
            const int alpha = 255 - mask[0];
            if (indexed) {
                const TColor c = PaletteColor(colour[2], image.Palette);
                out[x] = qRgba(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF), alpha);
            } else {
                out[x] = qRgba(colour[2], colour[1], colour[0], alpha);
            }
        }
    }
    return picture;
}

} // namespace ormel
