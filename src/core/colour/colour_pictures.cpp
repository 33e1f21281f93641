#include "colour/colour_pictures.h"

#include "raster/colour_space.h"

#include <algorithm>
#include <cstdint>

namespace ormel {

void BuildHuePicture(Raster& picture)
{
    picture.resizeForOverwrite(kHuePictureWidth, kHuePictureHeight);
    for (int h = 0; h < kHuePictureHeight; ++h) {
        std::uint8_t r = 0, g = 0, b = 0;
        HSVToRGB(h, 255, 255, r, g, b);
        std::uint8_t* p = picture.row(h);
        for (int x = 0; x < kHuePictureWidth; ++x, p += 3) {
            p[0] = b;
            p[1] = g;
            p[2] = r;
        }
    }
}

void BuildSaturationValuePicture(int hue, Raster& picture)
{
    picture.resizeForOverwrite(kSaturationValueSide, kSaturationValueSide);
    for (int y = 0; y < kSaturationValueSide; y += 2) {
        std::uint8_t* top = picture.row(y);
        std::uint8_t* bottom = picture.row(y + 1);
        for (int x = 0; x < kSaturationValueSide; x += 2) {
            std::uint8_t r = 0, g = 0, b = 0;
            HSVToRGB(hue, x, y, r, g, b);
            for (std::uint8_t* p : {top + 3 * x, top + 3 * x + 3, bottom + 3 * x, bottom + 3 * x + 3}) {
                p[0] = b;
                p[1] = g;
                p[2] = r;
            }
        }
    }
}

void DrawSwatch(Raster& picture, int red, int green, int blue, int alpha)
{
    const int a = std::clamp(alpha, 0, 255);
    const int channels[3] = {std::clamp(blue, 0, 255), std::clamp(green, 0, 255), std::clamp(red, 0, 255)};
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* p = picture.row(y);
        for (int x = 0; x < picture.width(); ++x, p += 3) {
            const int k = ((y % 8 < 4) == (x % 8 > 3)) ? 255 : 220;
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>((channels[c] * a + (255 - a) * k) / 256);
        }
    }
}

} // namespace ormel
