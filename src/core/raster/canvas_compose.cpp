#include "raster/canvas_compose.h"

#include <algorithm>
#include <array>
#include <vector>

namespace ormel {

TCanvasLayout LayoutCanvas(int areaWidth, int areaHeight, int imageWidth, int imageHeight)
{
    TCanvasLayout layout;
    if (imageWidth <= 0 || imageHeight <= 0)
        return layout;
    constexpr int kSpare = 10;
    const int fitX = (areaWidth - kSpare) / imageWidth;
    const int fitY = (areaHeight - kSpare) / imageHeight;
    layout.Zoom = std::max(0, std::min(fitX, fitY));
    const int zoom = std::max(layout.Zoom, 1);
    layout.Width = imageWidth * zoom + 1;
    layout.Height = imageHeight * zoom + 1;
    // Integer halves of the free space put the odd pixel right and down.
    layout.Left = (areaWidth - layout.Width) / 2;
    layout.Top = (areaHeight - layout.Height) / 2;
    return layout;
}

namespace {

struct Shown {
    std::array<std::uint8_t, 3> overGrey;  // the pixel over checkerboard grey 220 (b, g, r)
    std::array<std::uint8_t, 3> overWhite; // over 255
};

std::uint8_t Blend(int c, int t, int g) { return static_cast<std::uint8_t>((c * (255 - t) + t * g) >> 8); }

// The colours of one image row over both checkerboard greys.
void ShadeRow(const TIconImage& image, int y, const std::array<std::array<std::uint8_t, 3>, 256>& palette,
              std::vector<Shown>& out)
{
    const bool indexed = IsIndexedDepth(image.ColorDepth);
    const std::uint8_t* colour = image.Bitmap.row(y);
    const std::uint8_t* mask = image.Mask.row(y);
    for (int x = 0; x < image.Width; ++x) {
        const std::uint8_t* c = colour + 3 * x;
        const std::array<std::uint8_t, 3> bgr = indexed ? palette[c[2]] : std::array<std::uint8_t, 3>{c[0], c[1], c[2]};
        const int t = mask[3 * x];
        Shown& s = out[static_cast<std::size_t>(x)];
        for (int k = 0; k < 3; ++k) {
            s.overGrey[static_cast<std::size_t>(k)] = Blend(bgr[static_cast<std::size_t>(k)], t, 220);
            s.overWhite[static_cast<std::size_t>(k)] = Blend(bgr[static_cast<std::size_t>(k)], t, 255);
        }
    }
}

} // namespace

void ComposeCanvas(const TIconImage& image, int zoom, bool showGrid, TRect rect, Raster& canvas)
{
    if (zoom < 1 || image.Width <= 0 || image.Height <= 0 || image.Bitmap.width() < image.Width ||
        image.Bitmap.height() < image.Height || image.Mask.width() < image.Width || image.Mask.height() < image.Height)
        return;
    ClipRectToBitmap(rect, canvas);
    if (rect.IsEmpty())
        return;

    // Palette lookups by the whole red byte: index AND (entries - 1), as the canvas has always
    // read indexed pixels.
    std::array<std::array<std::uint8_t, 3>, 256> palette{};
    const int entries = image.Palette.palNumEntries;
    for (int i = 0; i < 256; ++i) {
        const TPaletteEntry& e = image.Palette.palPalEntry[static_cast<std::size_t>(entries > 0 ? (i & (entries - 1)) : i)];
        palette[static_cast<std::size_t>(i)] = {e.peBlue, e.peGreen, e.peRed};
    }

    const bool grid = showGrid && zoom >= kMinGridZoom;
    std::vector<Shown> shown(static_cast<std::size_t>(image.Width));
    int shadedRow = -1;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::uint8_t* out = canvas.row(y);
        if (grid && y % zoom == 0) {
            std::fill(out + 3 * rect.Left, out + 3 * rect.Right, kGridGrey);
            continue;
        }
        const int iy = std::min(y / zoom, image.Height - 1);
        if (iy != shadedRow) {
            ShadeRow(image, iy, palette, shown);
            shadedRow = iy;
        }
        const bool upper = (y & 7) < 4;
        for (int x = rect.Left; x < rect.Right; ++x) {
            std::uint8_t* p = out + 3 * x;
            if (grid && x % zoom == 0) {
                p[0] = p[1] = p[2] = kGridGrey;
                continue;
            }
            const Shown& s = shown[static_cast<std::size_t>(std::min(x / zoom, image.Width - 1))];
            // Grey 220 where (y AND 7) < 4 differs from (x AND 7) >= 4.
            const auto& c = upper != ((x & 7) >= 4) ? s.overGrey : s.overWhite;
            p[0] = c[0];
            p[1] = c[1];
            p[2] = c[2];
        }
    }
}

} // namespace ormel
