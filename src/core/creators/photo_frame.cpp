#include "creators/photo_frame.h"

#include "raster/paint.h"
#include "raster/quantize.h"
#include "raster/resample.h"

namespace ormel {

void ApplyPhotoFrame(const Raster& framePicture, TIconImage& image, TColor frameColour)
{
    const int width = image.Width;
    const int height = image.Height;
    if (framePicture.empty() || width <= 0 || height <= 0 || image.Bitmap.width() < width ||
        image.Bitmap.height() < height || image.Mask.width() < width || image.Mask.height() < height)
        return;
    Raster frame;
    frame.resizeForOverwrite(width, height);
    StretchBitmap(framePicture, frame, framePicture.width(), framePicture.height(), width, height);

    // Blending palette indices would give unrelated colours: indexed images are framed in
    // their colours.
    const bool indexed = IsIndexedDepth(image.ColorDepth);
    const TRect whole{0, 0, width, height};
    if (indexed)
        ApplyPalette(image.Bitmap, whole, &image.Palette);

    const int frameChannel[3] = {static_cast<int>((frameColour >> 16) & 255),
                                 static_cast<int>((frameColour >> 8) & 255), static_cast<int>(frameColour & 255)};
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* f = frame.row(y);
        std::uint8_t* p = image.Bitmap.row(y);
        std::uint8_t* m = image.Mask.row(y);
        for (int x = 0; x < width; ++x, f += 3, p += 3, m += 3) {
            const int cover = f[2];
            const bool clear = m[0] == 255;
            for (int k = 0; k < 3; ++k) {
                const int under = clear ? 255 : p[k];
                p[k] = static_cast<std::uint8_t>((cover * frameChannel[k] + (255 - cover) * under) / 255);
            }
            m[0] = m[1] = m[2] = f[0];
        }
    }
    if (indexed)
        QuantizeToPalette(image.Bitmap, image.Bitmap, image.Palette, image.Palette.palNumEntries, 0, 1);
}

} // namespace ormel
