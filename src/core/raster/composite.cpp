#include "raster/composite.h"

#include "raster/paint.h"
#include "raster/resample.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace ormel {
namespace {

// The strip's thumbnail cells: 48 x 48, one every 80 pixels.
constexpr int kCellSize = 48;
constexpr int kCellLeft = 13;
constexpr int kCellPitch = 80;
constexpr int kCellTop = 15;

TRect ClipToBitmaps(TRect rect, const Raster& a, const Raster& b, const Raster& c)
{
    ClipRectToBitmap(rect, a);
    ClipRectToBitmap(rect, b);
    ClipRectToBitmap(rect, c);
    return rect;
}

inline std::uint8_t Blend(int m, int colour, int background)
{
    return static_cast<std::uint8_t>(((255 - m) * colour + m * background) >> 8);
}

// Blends each pixel of rect over the background bytes that backgroundAt(x, y) gives.
template <typename BackgroundAt>
void Composite(const Raster& colour, const Raster& mask, const TLogPalette* palette, const TRect& rect, Raster& dest,
               BackgroundAt backgroundAt)
{
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) {
            const std::uint8_t* p = colour.pixel(x, y);
            const int m = mask.pixel(x, y)[0];
            const TColor c = palette ? PaletteColor(static_cast<int>(PackPixel(p)), *palette) : PackPixel(p);
            const std::uint8_t* b = backgroundAt(x, y);
            std::uint8_t* out = dest.pixel(x, y);
            out[0] = Blend(m, (c >> 16) & 255, b[0]);
            out[1] = Blend(m, (c >> 8) & 255, b[1]);
            out[2] = Blend(m, c & 255, b[2]);
        }
}

// Copies all of `from` to destRect of the canvas (rectangles of equal size), skipping what
// falls outside the canvas.
void CopyToCanvas(const Raster& from, Raster& canvas, const TRect& destRect)
{
    TRect visible = destRect;
    ClipRectToBitmap(visible, canvas);
    if (visible.IsEmpty())
        return;
    const std::size_t bytes = static_cast<std::size_t>(visible.Width()) * 3;
    for (int y = visible.Top; y < visible.Bottom; ++y)
        std::memcpy(canvas.pixel(visible.Left, y), from.pixel(visible.Left - destRect.Left, y - destRect.Top), bytes);
}

} // namespace

void CompositeOverColor(const Raster& colour, const Raster& mask, const TLogPalette* palette, TRect rect,
                        TColor background, Raster& dest)
{
    rect = ClipToBitmaps(rect, colour, mask, dest);
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(background >> 16), static_cast<std::uint8_t>(background >> 8),
                                   static_cast<std::uint8_t>(background)};
    Composite(colour, mask, palette, rect, dest, [&bytes](int, int) { return bytes; });
}

void CompositeOverBitmap(const Raster& colour, const Raster& mask, const Raster& background,
                         const TLogPalette* palette, TRect rect, Raster& dest)
{
    rect = ClipToBitmaps(rect, colour, mask, dest);
    ClipRectToBitmap(rect, background);
    Composite(colour, mask, palette, rect, dest, [&background](int x, int y) { return background.pixel(x, y); });
}

void DrawIconImage(Raster& canvas, TRect destRect, TColor background, const TIconImage& image)
{
    NormalizeRect(destRect);
    TRect visible = destRect;
    ClipRectToBitmap(visible, canvas);
    const int width = image.Width;
    const int height = image.Height;
    if (visible.IsEmpty() || width <= 0 || height <= 0 || image.Bitmap.width() < width
        || image.Bitmap.height() < height || image.Mask.width() < width || image.Mask.height() < height)
        return;
    Raster composed;
    composed.resizeForOverwrite(width, height);
    CompositeOverColor(image.Bitmap, image.Mask, &image.Palette, TRect{0, 0, width, height}, background, composed);
    if (destRect.Width() == width && destRect.Height() == height) {
        CopyToCanvas(composed, canvas, destRect);
        return;
    }
    Raster scaled;
    scaled.resizeForOverwrite(destRect.Width(), destRect.Height());
    StretchBitmap(composed, scaled, width, height, destRect.Width(), destRect.Height());
    CopyToCanvas(scaled, canvas, destRect);
}

void DrawStripCell(Raster& canvas, const TIconImageArray& images, int index, TColor stripBackColor)
{
    if (index < 0 || static_cast<std::size_t>(index) >= images.size())
        return;
    const TIconImage& image = images[static_cast<std::size_t>(index)];
    const int width = image.Width;
    const int height = image.Height;
    if (width <= 0 || height <= 0)
        return;
    int drawnWidth = width;
    int drawnHeight = height;
    if (width > kCellSize || height > kCellSize) {
        if (width <= height) {
            drawnHeight = kCellSize;
            drawnWidth = width * kCellSize / height;
        } else {
            drawnWidth = kCellSize;
            drawnHeight = height * kCellSize / width;
        }
    }
    const int left = kCellLeft + kCellPitch * index + (kCellSize - drawnWidth) / 2;
    const int top = kCellTop + (kCellSize - drawnHeight) / 2;
    DrawIconImage(canvas, TRect{left, top, left + drawnWidth, top + drawnHeight}, stripBackColor, image);
}

void DrawIconImageFitted(const TIconImage& image, Raster& bitmap)
{
    const int width = image.Width;
    const int height = image.Height;
    const int bitmapWidth = bitmap.width();
    const int bitmapHeight = bitmap.height();
    if (width <= 0 || height <= 0 || bitmap.empty())
        return;
    TRect rect{0, 0, bitmapWidth, bitmapHeight};
    if (bitmapWidth >= width && bitmapHeight >= height) {
        rect.Left = (bitmapWidth - width) / 2;
        rect.Top = (bitmapHeight - height) / 2;
        rect.Right = rect.Left + width;
        rect.Bottom = rect.Top + height;
    } else {
        // The side that limits the scale fills the bitmap; on a square bitmap that is the
        // image's longer side.
        const double ratio = double(width) / height;
        if (std::int64_t(width) * bitmapHeight <= std::int64_t(height) * bitmapWidth) {
            const int drawnWidth = Trunc(bitmapHeight * ratio);
            rect.Left = (bitmapWidth - drawnWidth) / 2;
            rect.Right = rect.Left + drawnWidth;
        } else {
            const int drawnHeight = Trunc(bitmapWidth / ratio);
            rect.Top = (bitmapHeight - drawnHeight) / 2;
            rect.Bottom = rect.Top + drawnHeight;
        }
    }
    DrawIconImage(bitmap, rect, MakeColor(255, 255, 255), image);
}

void DrawTransparencyGrid(TRect rect, TColor tint, TColor strength, Raster& bitmap)
{
    ClipRectToBitmap(rect, bitmap);
    const int s = static_cast<int>((strength >> 16) & 255);
    const int tintBytes[3] = {static_cast<int>((tint >> 16) & 255), static_cast<int>((tint >> 8) & 255),
                              static_cast<int>(tint & 255)};
    // The two shades of the checkerboard, per channel.
    std::uint8_t light[3];
    std::uint8_t dark[3];
    for (int k = 0; k < 3; ++k) {
        light[k] = static_cast<std::uint8_t>((tintBytes[k] * (255 - s) + s * 255) >> 8);
        dark[k] = static_cast<std::uint8_t>((tintBytes[k] * (255 - s) + s * 220) >> 8);
    }
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) {
            const bool isLight = ((y % 8) < 4) == ((x % 8) > 3);
            std::memcpy(bitmap.pixel(x, y), isLight ? light : dark, 3);
        }
}

} // namespace ormel
