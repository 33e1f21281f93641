#include "tools/tool_previews.h"

#include "raster/antialias.h"
#include "raster/composite.h"
#include "raster/paint.h"
#include "tools/gradient_ellipse.h"
#include "tools/tool_event.h"

#include <algorithm>
#include <cstring>

namespace ormel {

namespace {

Raster Checkerboard(int width, int height)
{
    Raster picture(std::max(width, 0), std::max(height, 0));
    DrawTransparencyGrid(TRect{0, 0, picture.width(), picture.height()}, 0, MakeColor(255, 255, 255), picture);
    return picture;
}

// A transparent image of the size and depth, with the palette for indexed depths.
TIconImage ScratchImage(int width, int height, int depthCode, const TLogPalette& palette)
{
    TIconImage image;
    NewIconImage(image, width, height, 0, depthCode);
    if (IsIndexedDepth(depthCode))
        image.Palette = palette;
    image.Mask.fill(255, 255, 255);
    image.Bitmap.fill(0, 0, 0);
    return image;
}

// The image magnified by `zoom`, centred in the picture over the picture's own checkerboard:
// each channel (c x (255 - t) + t x g) div 256, as on the canvas.
void ComposeCentred(const TIconImage& image, int zoom, Raster& picture)
{
    const int width = image.Width * zoom;
    const int height = image.Height * zoom;
    const int left = (picture.width() - width) / 2;
    const int top = (picture.height() - height) / 2;
    const bool indexed = IsIndexedDepth(image.ColorDepth);
    for (int y = std::max(0, -top); y < height && top + y < picture.height(); ++y)
        for (int x = std::max(0, -left); x < width && left + x < picture.width(); ++x) {
            const int px = left + x;
            const int py = top + y;
            const std::uint8_t* source = image.Bitmap.pixel(x / zoom, y / zoom);
            std::uint8_t colour[3] = {source[0], source[1], source[2]};
            if (indexed)
                StorePixel(colour, PaletteColor(source[2], image.Palette));
            const int t = image.Mask.pixel(x / zoom, y / zoom)[0];
            const int g = ((py % 8) < 4) != ((px % 8) > 3) ? 220 : 255;
            std::uint8_t* p = picture.pixel(px, py);
            for (int k = 0; k < 3; ++k)
                p[k] = static_cast<std::uint8_t>((colour[k] * (255 - t) + t * g) / 256);
        }
}

} // namespace

Raster FootprintPreview(int size, int hardness, TColor colour, int alpha, int depthCode, const TLogPalette& palette,
                        int boxSize)
{
    Raster picture = Checkerboard(boxSize, boxSize);
    size = std::clamp(size, 1, 64);
    TIconImage image = ScratchImage(size, size, depthCode, palette);
    Raster coverage(size, size);
    MakeRoundBrush(coverage, size, hardness);
    PaintThroughCoverage(coverage, image.Bitmap, image.Mask, TRect{0, 0, size, size}, colour, OpacityOf(alpha),
                         depthCode);
    ComposeCentred(image, 3, picture);
    return picture;
}

Raster ShapePreview(bool ellipse, const TShapePaint& paint, int depthCode, const TLogPalette& palette, int width,
                    int height)
{
    Raster picture = Checkerboard(width, height);
    const int w = std::max(width / 2 - 8, 4);
    const int h = std::max(height / 2 - 8, 4);
    TIconImage image = ScratchImage(w, h, depthCode, palette);
    const TRect bounds{1, 1, w - 1, h - 1};
    if (ellipse)
        TGradientEllipse(paint, depthCode).Draw(bounds, image.Bitmap, image.Mask);
    else
        TGradientRect(paint, depthCode).Draw(bounds, image.Bitmap, image.Mask);
    ComposeCentred(image, 2, picture);
    return picture;
}

Raster ShapeFillSwatch(const TShapePaint& paint, int width, int height)
{
    Raster picture(std::max(width, 0), std::max(height, 0));
    const bool strip = paint.Style != 0 && paint.GradientStrip != nullptr && !paint.GradientStrip->empty();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (strip) {
                const Raster& s = *paint.GradientStrip;
                const int position = picture.width() > 1 ? x * (s.width() - 1) / (picture.width() - 1) : 0;
                std::memcpy(picture.pixel(x, y), s.pixel(position, 0), 3);
            } else {
                StorePixel(picture.pixel(x, y), paint.FillColor);
            }
        }
    return picture;
}

Raster FittedImagePreview(const TIconImage& image, int width, int height)
{
    Raster picture = Checkerboard(width, height);
    const TRect area = ImageArea(image);
    if (area.Right <= 0 || area.Bottom <= 0 || width <= 0 || height <= 0)
        return picture;
    // The longer side fills the box.
    int w = width;
    int h = height;
    if (static_cast<long long>(area.Right) * height > static_cast<long long>(area.Bottom) * width)
        h = std::max(1, static_cast<int>(static_cast<long long>(area.Bottom) * width / area.Right));
    else
        w = std::max(1, static_cast<int>(static_cast<long long>(area.Right) * height / area.Bottom));
    const int left = (width - w) / 2;
    const int top = (height - h) / 2;
    const bool indexed = IsIndexedDepth(image.ColorDepth);
    for (int y = 0; y < h; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * area.Bottom / h);
        for (int x = 0; x < w; ++x) {
            const int sx = static_cast<int>(static_cast<long long>(x) * area.Right / w);
            const std::uint8_t* c = image.Bitmap.pixel(sx, sy);
            const int t = image.Mask.pixel(sx, sy)[0];
            std::uint8_t colour[3] = {c[0], c[1], c[2]};
            if (indexed) {
                const TColor entry = PaletteColor(c[2], image.Palette);
                StorePixel(colour, entry);
            }
            std::uint8_t* p = picture.pixel(left + x, top + y);
            for (int k = 0; k < 3; ++k)
                p[k] = static_cast<std::uint8_t>((colour[k] * (255 - t) + t * p[k]) / 256);
        }
    }
    return picture;
}

Raster TextPreview(const TTextLook& look, const TTextGeometry& geometry, int depthCode, const TLogPalette& palette,
                   TextRasterizer& rasterizer, int boxSize)
{
    Raster coverage;
    TRect square;
    RenderText(coverage, look.Text, look.Font, std::max(geometry.Width, 1), std::max(geometry.Height, 1),
               geometry.Angle, look.AntiAlias, square, rasterizer);
    TIconImage image = ScratchImage(square.Width(), square.Height(), depthCode, palette);
    PaintThroughCoverage(coverage, image.Bitmap, image.Mask, square, look.Colour, OpacityOf(look.Alpha), depthCode);
    return FittedImagePreview(image, boxSize, boxSize);
}

} // namespace ormel
