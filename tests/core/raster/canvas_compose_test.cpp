#include "raster/canvas_compose.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ormel {
namespace {

TEST(LayoutCanvas, ZoomIsTheLargestFitWithFivePixelsEachSide)
{
    struct Case {
        int areaW, areaH, imageW, imageH, zoom, width, left, top;
    };
    const Case cases[] = {
        {455, 420, 16, 16, 25, 401, 27, 9},    // min((455-10) div 16, (420-10) div 16) = min(27, 25)
        {455, 420, 256, 256, 1, 257, 99, 81},  // the free space's odd pixel goes right and down
        {265, 400, 256, 256, 0, 257, 4, 71},   // too small: zoom 0, laid out at zoom 1
    };
    for (const Case& c : cases) {
        const TCanvasLayout layout = LayoutCanvas(c.areaW, c.areaH, c.imageW, c.imageH);
        EXPECT_EQ(layout.Zoom, c.zoom) << c.areaW << "x" << c.areaH << " " << c.imageW;
        EXPECT_EQ(layout.Width, c.width);
        EXPECT_EQ(layout.Left, c.left);
        EXPECT_EQ(layout.Top, c.top);
    }
}

// Each canvas pixel written straight from the rule: grid pixels grey 200, the others the
// image pixel over the checkerboard.
std::array<int, 3> Expected(const TIconImage& image, int zoom, bool grid, int x, int y)
{
    if (grid && zoom >= 3 && (x % zoom == 0 || y % zoom == 0))
        return {200, 200, 200};
    const int ix = std::min(x / zoom, image.Width - 1);
    const int iy = std::min(y / zoom, image.Height - 1);
    const std::uint8_t* p = image.Bitmap.pixel(ix, iy);
    int c[3] = {p[0], p[1], p[2]};
    if (IsIndexedDepth(image.ColorDepth)) {
        const TPaletteEntry& e = image.Palette.palPalEntry[p[2] & (image.Palette.palNumEntries - 1)];
        c[0] = e.peBlue, c[1] = e.peGreen, c[2] = e.peRed;
    }
    const int t = image.Mask.pixel(ix, iy)[0];
    const int g = ((y & 7) < 4) != ((x & 7) >= 4) ? 220 : 255;
    return {(c[0] * (255 - t) + t * g) / 256, (c[1] * (255 - t) + t * g) / 256, (c[2] * (255 - t) + t * g) / 256};
}

TEST(ComposeCanvas, EveryPixelFollowsTheCheckerboardAndGridRule)
{
    for (const int depth : {Depth1, Depth32})
        for (const int zoom : {1, 3})
            for (const bool grid : {false, true}) {
                const TIconImage image = test::PatternImage(9, 6, depth);
                Raster canvas(9 * zoom + 1, 6 * zoom + 1);
                ComposeCanvas(image, zoom, grid, TRect{0, 0, canvas.width(), canvas.height()}, canvas);
                for (int y = 0; y < canvas.height(); ++y)
                    for (int x = 0; x < canvas.width(); ++x) {
                        const auto want = Expected(image, zoom, grid, x, y);
                        const std::uint8_t* got = canvas.pixel(x, y);
                        ASSERT_EQ((std::array<int, 3>{got[0], got[1], got[2]}), want)
                            << "depth " << depth << " zoom " << zoom << " grid " << grid << " at " << x << "," << y;
                    }
            }
}

} // namespace
} // namespace ormel
